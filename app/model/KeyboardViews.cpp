#include "app/model/KeyboardViews.h"

#include "app/model/KeyLayout.h"
#include "app/model/KeyboardView.h"
#include "app/model/MenuFlags.h"

namespace {

void FillView(KeyboardView& view, const KeyLayout& layout) {
  const KeyboardArea& area = layout.Keyboard();
  if (area.found) {
    view.SetViewRect(area.ViewRect());
    view.SetKeyboardImage(L"keyboard\\" + area.image);
    view.SetWidthAndHeight(area.width, area.height);
  }
  for (const LayoutKey& key : layout.Keys()) {
    view.AddKeyItem(key.name, key.desc, static_cast<uint32_t>(key.code), key.rect, key.icon);
  }
}

}  // namespace

void KeyboardViews::Fill(const KeyLayout& layout, int menu_flags) const {
  const std::pair<KeyboardView*, int> views[] = {{key_assignment, kMenuKeyAssignment},
                                                 {lighting, kMenuLighting},
                                                 {settings, kMenuSettingsView}};
  for (const auto& [view, flag] : views) {
    if (!view) continue;
    view->ClearItem();
    if (menu_flags & flag) FillView(*view, layout);
  }
}
