#pragma once

#include <memory>
#include <string>

#include "platform/TextField.h"
#include "ui/core/MControlFont.h"

namespace LumoUI {

// A single-line edit: the library draws its text, and a press opens the platform's text field
// over the text area to edit it. While the field is open every change is copied back at once
// (code 26); closing sends code 29. The options are public data, in this order, because the
// program sets some of them directly.
class MEdit : public MControlFont, private platform::TextFieldListener {
 public:
  enum State : int { StateNormal = 0, StateHover = 1, StateEditing = 2, StateDisabled = 3 };
  static constexpr int kDefaultLimit = 120;
  static constexpr long kSystemColours = -1;

  MEdit(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible, int enabled);
  ~MEdit() override;

  const wchar_t* GetClassNameW() override { return L"MEdit"; }

  void EnablePassWord(int on) { password = on; }
  void SetPassWordChar(wchar_t character) { password_char = character; }
  void SetLimitText(int limit) { limit_text = limit; }
  void EnableCharMessage(int on) { char_message = on; }
  // RGB(...) for the field's background; kSystemColours leaves the field's own.
  void SetEditBKColor(long colour) { edit_back = colour; }
  // An icon strip (normal, hover, pressed) drawn 9 pixels inside the right edge.
  bool SetIconImage(const wchar_t* name, int count);
  void SetTextRect(CRect rect) { text_rect_ = rect; }
  // Where the text is drawn and the field opens, in window coordinates.
  virtual CRect GetTextRect() const;
  CRect GetIconRect() const;

  // The field's text while it is open, else the stored text.
  virtual std::wstring GetEditText();
  virtual bool IsEditOpen() const { return field_ && field_->IsOpen(); }
  platform::TextField* GetEditWindow() { return field_.get(); }
  int GetState() const { return state_; }
  int GetIconState() const { return icon_state_; }
  // Opens the field over the text area; false when read-only, disabled or no window is made.
  virtual bool OpenEdit();
  // Copies a changed text from the field, hides it and sends code 29.
  virtual void CloseEdit();

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int SetControlFocus(int focus) override;
  void SetControlEnabled(int enabled) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) override;

  int password = 0;
  wchar_t password_char = L'*';
  int multi_line = 0;
  int read_only = 0;
  int digits_only = 0;
  int limit_text = kDefaultLimit;
  int char_message = 1;
  long edit_back = RGB(6, 24, 53);

 protected:
  // Draws the text over the text area; the frame and the icon are drawn already.
  virtual void DrawEditText(platform::Painter& painter);
  // What the field accepts and how it looks, from the options above.
  platform::TextFieldOptions FieldOptions() const;

 private:
  void OnTextFieldChanged() override;
  void OnTextFieldEnter() override {}
  void OnTextFieldFocusLost() override;
  void SetState(int state);

  std::shared_ptr<const ImgResInfo> icon_;
  int icon_state_ = 0;
  int state_;
  CRect text_rect_;
  std::unique_ptr<platform::TextField> field_;
};

}  // namespace LumoUI
