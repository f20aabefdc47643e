#include "ui/widgets/CRadioButton.h"

#include "ui/core/PaintManager.h"

namespace LumoUI {

int CRadioButton::SetCheck(int check) {
  if (!IsEnabled()) return GetCheck();
  StoreCheck(check ? 1 : 0);
  ClearGroup();
  return GetCheck();
}

void CRadioButton::ClearGroup() {
  // The siblings live in the parent control's list, or, at the top of a window, in the
  // manager's list among the controls that share this parent.
  MObject* parent = GetParantObject();
  std::vector<MControl*>* siblings = nullptr;
  if (auto* owner = dynamic_cast<MControl*>(parent)) {
    siblings = &owner->GetControls();
  } else if (GetManager()) {
    siblings = &GetManager()->GetControls();
  }
  if (!siblings) return;
  for (size_t i = 0; i < siblings->size(); ++i) {
    auto* other = dynamic_cast<CRadioButton*>((*siblings)[i]);
    if (!other || other == this || other->GetParantObject() != parent) continue;
    if (other->group_ == group_) other->StoreCheck(0);
  }
}

}  // namespace LumoUI
