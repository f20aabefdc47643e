#pragma once

#include <functional>
#include <memory>

#include "platform/TextField.h"
#include "ui/widgets/InPlaceEditor.h"

namespace LumoUI {

class PaintManager;

// The in-place editor of lists: the platform's text field over a row, in the list's colours and
// font. Enter and the loss of the keyboard focus ask the list to end the edit.
class CEditWindow final : public InPlaceEditor, private platform::TextFieldListener {
 public:
  CEditWindow(PaintManager* manager, std::function<void()> end_edit);
  ~CEditWindow() override;

  void Open(const CRect& rect, const std::wstring& text, const Look& look) override;
  std::wstring GetText() override;
  void Close() override;
  platform::TextField* GetField() { return field_.get(); }

 private:
  void OnTextFieldEnter() override;
  void OnTextFieldFocusLost() override;

  PaintManager* manager_;
  std::function<void()> end_edit_;
  std::unique_ptr<platform::TextField> field_;
};

}  // namespace LumoUI
