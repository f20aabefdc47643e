#pragma once

#include <string>

#include "platform/TextEditBuffer.h"
#include "ui/widgets/MEdit.h"

namespace LumoUI {

// A single-line edit with no window of its own: it keeps the text being edited itself, takes
// the window's keys and typed characters while it is the focus control, and shows its caret
// through the window's caret. It reports as MEdit does: code 30 on opening, 26 on each change
// and 29 on closing; Enter closes it too.
class MRichEdit : public MEdit {
 public:
  MRichEdit(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
            int enabled);

  const wchar_t* GetClassNameW() override { return L"MRichEdit"; }

  std::wstring GetEditText() override;
  bool IsEditOpen() const override { return open_; }
  bool OpenEdit() override;
  void CloseEdit() override;
  const platform::TextEditBuffer& Buffer() const { return buffer_; }

  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) override;
  int OnControlChar(wchar_t character) override;

 protected:
  void DrawEditText(platform::Painter& painter) override;

 private:
  // After the caret moved or the text changed: keep the caret in view and show it; a changed
  // text is copied into the control at once and reported with code 26.
  void Edited(bool changed);
  std::wstring ShownText() const;
  platform::TextAlign Alignment() const;

  platform::TextEditBuffer buffer_;
  bool open_ = false;
  int scroll_ = 0;  // pixels of text hidden at the left
};

}  // namespace LumoUI
