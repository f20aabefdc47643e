#pragma once

#include <string>

#include "ui/widgets/CCheckButton.h"

namespace LumoUI {

// A radio button: setting its check, on or off, turns off every other radio button of the
// same group name under the same parent. A click only ever turns it on.
class CRadioButton : public CCheckButton {
 public:
  using CCheckButton::CCheckButton;

  const wchar_t* GetClassNameW() override { return L"RadioButton"; }
  int SetCheck(int check) override;
  void SetGroupName(const wchar_t* name) { group_ = name ? name : L""; }
  const std::wstring& GetGroupName() const { return group_; }

 protected:
  int NextCheck() const override { return 1; }

 private:
  void ClearGroup();
  std::wstring group_;
};

}  // namespace LumoUI
