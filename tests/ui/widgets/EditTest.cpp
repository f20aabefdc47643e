// The platform's text field, MEdit on top of it and the list rename through it, on the headless
// back end with injected keys and text.
#include <gtest/gtest.h>

#include "platform/TextField.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/DListBox.h"
#include "ui/widgets/MEdit.h"
#include "ui/widgets/MPanel.h"

namespace {

using LumoUI::CPoint;
using LumoUI::CRect;
using platform::HeadlessWindows;

std::vector<unsigned> Codes(const std::vector<uitest::Notice>& notices) {
  std::vector<unsigned> codes;
  for (const auto& notice : notices)
    codes.push_back(notice.code);
  return codes;
}

class TextFieldTest : public testing::Test, public platform::TextFieldListener {
 protected:
  void OnTextFieldChanged() override { ++changes; }
  void OnTextFieldEnter() override { ++enters; }
  void OnTextFieldFocusLost() override { ++focus_losses; }

  platform::TextField& Open(const std::wstring& text, platform::TextFieldOptions options = {}) {
    field.SetOptions(options);
    EXPECT_TRUE(field.Open({150, 150, 350, 174}, text));
    window.Pump();
    return field;
  }
  void Key(uint32_t key, bool shift = false, bool control = false) {
    if (shift) window.Headless().PressKey(platform::VK_SHIFT);
    if (control) window.Headless().PressKey(platform::VK_CONTROL);
    window.Headless().TypeKey(key);
    if (control) window.Headless().ReleaseKey(platform::VK_CONTROL);
    if (shift) window.Headless().ReleaseKey(platform::VK_SHIFT);
    window.Pump();
  }
  void Type(const std::wstring& text) {
    window.Headless().TypeText(text);
    window.Pump();
  }

  uitest::TestWindow window;
  platform::TextField field{window.id, this};
  int changes = 0, enters = 0, focus_losses = 0;
};

TEST_F(TextFieldTest, TypingRespectsLimitAndDigitsOnly) {
  struct Case {
    const char* name;
    int limit;
    bool digits_only;
    std::wstring start, typed, pasted, expected;
  };
  const Case cases[] = {
      {"11th character refused", 10, false, L"ProfileABC", L"D", L"", L"ProfileABC"},
      {"typing up to the limit", 10, false, L"Game", L"123456789", L"", L"Game123456"},
      {"digits only refuses letters", 0, true, L"12", L"a3b4", L"", L"1234"},
      {"digits only refuses pasted letters", 0, true, L"12", L"", L"3x", L"12"},
      {"digits pasted", 0, true, L"12", L"", L"345", L"12345"},
      {"paste cut at the limit", 4, false, L"ab", L"", L"cdef", L"abcd"},
      {"paste stops at a line break", 0, false, L"", L"", L"one\ntwo", L"one"},
      {"Chinese typed through the input method", 10, false, L"", L"配置文件", L"", L"配置文件"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::TextFieldOptions options;
    options.limit = c.limit;
    options.digits_only = c.digits_only;
    Open(c.start, options);
    Type(c.typed);
    if (!c.pasted.empty()) {
      window.windows->SetClipboardText(c.pasted);
      Key('V', false, true);
    }
    EXPECT_EQ(field.Text(), c.expected);
  }
}

TEST_F(TextFieldTest, CaretSelectionAndClipboard) {
  Open(L"keyboard");
  EXPECT_EQ(field.Buffer().Caret(), 8);
  EXPECT_FALSE(field.Buffer().HasSelection());
  EXPECT_EQ(window.windows->GetFocus(), field.Window());

  Key(platform::VK_HOME);
  Key(platform::VK_RIGHT, true);
  Key(platform::VK_RIGHT, true);
  Key(platform::VK_RIGHT, true);
  EXPECT_EQ(field.Buffer().SelectedText(), L"key");
  Key('C', false, true);
  EXPECT_EQ(window.windows->GetClipboardText(), L"key");
  Key('X', false, true);
  EXPECT_EQ(field.Text(), L"board");
  Key(platform::VK_END);
  Key('V', false, true);
  EXPECT_EQ(field.Text(), L"boardkey");
  Key(platform::VK_BACK);
  Key(platform::VK_HOME);
  Key(platform::VK_DELETE);
  EXPECT_EQ(field.Text(), L"oardke");
  Key(platform::VK_END, true);
  Type(L"X");
  EXPECT_EQ(field.Text(), L"X");
  Key(platform::VK_RETURN);
  EXPECT_EQ(enters, 1);

  // The mouse selects too: a press at the left edge and a drag to the right edge take it all.
  Open(L"abc");
  auto& headless = window.Headless();
  headless.PressButton(field.Window(), HeadlessWindows::Button::Left, {1, 12});
  headless.MoveMouse(field.Window(), {199, 12});
  headless.ReleaseButton(field.Window(), HeadlessWindows::Button::Left, {199, 12});
  window.Pump();
  EXPECT_EQ(field.Buffer().SelectedText(), L"abc");
}

TEST_F(TextFieldTest, PasswordKeepsItsTextAndFocusLossIsReported) {
  platform::TextFieldOptions options;
  options.password = true;
  options.password_char = L'#';
  Open(L"", options);
  Type(L"secret");
  EXPECT_EQ(field.ShownText(), L"######");
  window.windows->SetClipboardText(L"before");
  Key('A', false, true);
  Key('C', false, true);
  EXPECT_EQ(window.windows->GetClipboardText(), L"before");
  EXPECT_EQ(changes, 6);

  window.windows->SetFocus(window.id);
  window.Pump();
  EXPECT_EQ(focus_losses, 1);
  // Closing hands the focus back without a notice of its own.
  Open(L"x");
  field.Close();
  EXPECT_EQ(focus_losses, 1);
  EXPECT_EQ(window.windows->GetFocus(), window.id);
  EXPECT_FALSE(window.windows->IsVisible(field.Window()));
}

class MEditTest : public testing::Test {
 protected:
  MEditTest() {
    edit = static_cast<LumoUI::MEdit*>(
        window.manager.CreateControl(L"MEdit", 7, {20, 20, 220, 52}, L"", 1, 1));
    window.Settle();
  }
  void Press(CPoint point) {
    window.Headless().MoveMouse(window.id, {point.x, point.y});
    window.Headless().Click(window.id, {point.x, point.y});
    window.Pump();
  }
  uitest::TestWindow window;
  LumoUI::MEdit* edit;
};

TEST_F(MEditTest, PressOpensTheFieldAndTypingIsCopiedAtOnce) {
  ASSERT_NE(edit, nullptr);
  edit->digits_only = 1;
  edit->limit_text = 4;
  Press({60, 36});
  ASSERT_TRUE(edit->IsEditOpen());
  EXPECT_EQ(Codes(window.notices), (std::vector<unsigned>{30, 1, 2}));
  window.notices.clear();
  const platform::Rect field = window.windows->GetWindowRect(edit->GetEditWindow()->Window());
  const CRect area = edit->GetTextRect();
  EXPECT_EQ(field.left, 100 + area.left);
  EXPECT_EQ(field.top, 100 + area.top);

  window.Headless().TypeText(L"1a2b345");
  window.Pump();
  EXPECT_EQ(edit->GetEditText(), L"1234");
  EXPECT_EQ(Codes(window.notices), (std::vector<unsigned>(4, LumoUI::NOTIFY_TEXT_CHANGED)));
  window.notices.clear();

  // Another control taking the focus closes the field: code 29, the text kept.
  window.manager.SetFocusControl(nullptr);
  EXPECT_FALSE(edit->IsEditOpen());
  EXPECT_EQ(Codes(window.notices), (std::vector<unsigned>{LumoUI::NOTIFY_EDIT_CLOSED}));
  EXPECT_EQ(edit->GetEditText(), L"1234");
  EXPECT_EQ(edit->GetTitle(), L"1234");
}

TEST_F(MEditTest, ReadOnlyAndDisabledEditsDoNotOpen) {
  edit->read_only = 1;
  Press({60, 36});
  EXPECT_FALSE(edit->IsEditOpen());
  edit->read_only = 0;
  edit->SetEnabled(0);
  Press({60, 36});
  EXPECT_FALSE(edit->IsEditOpen());
  EXPECT_EQ(edit->GetState(), LumoUI::MEdit::StateDisabled);
}

class DListBoxRenameTest : public testing::Test {
 protected:
  DListBoxRenameTest() {
    panel = static_cast<LumoUI::MPanel*>(
        window.manager.AddControl(new LumoUI::MPanel(&window, 50, {0, 0, 300, 200}, 1, 1)));
    list = dynamic_cast<LumoUI::DListBox*>(
        panel->CreateControl(L"DListBox", 60, {10, 10, 210, 138}, L"", 1, 1));
    for (const wchar_t* name : {L"Default", L"Game"})
      list->AddItem(name, list->GetItemCount());
    list->EnableShowEdit(1);
    list->SetCurSel(1);
    window.Settle();
  }
  uitest::TestWindow window;
  LumoUI::MPanel* panel;
  LumoUI::DListBox* list;
};

TEST_F(DListBoxRenameTest, RenameThroughTheTextField) {
  struct Case {
    const char* name;
    int backspaces;
    std::wstring typed;
    bool by_enter;
    std::wstring expected;
    bool code_29;
  };
  const Case cases[] = {
      {"same text sends nothing", 0, L"", true, L"Game", false},
      {"11th character refused", 0, L"Racing!", true, L"GameRacing", true},
      {"empty text accepted", 10, L"", false, L"", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.notices.clear();
    ASSERT_TRUE(list->ShowEdit());
    window.Pump();
    for (int i = 0; i < c.backspaces; ++i)
      window.Headless().TypeKey(platform::VK_BACK);
    window.Headless().TypeText(c.typed);
    window.Pump();
    if (c.by_enter) {
      window.Headless().TypeKey(platform::VK_RETURN);
    } else {
      window.windows->SetFocus(window.id);  // the field loses the keyboard focus
    }
    window.Pump();
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetItemText(1), c.expected);
    const bool sent = !window.notices.empty() &&
                      window.notices.back().code == LumoUI::NOTIFY_EDIT_CLOSED &&
                      window.notices.back().lparam == 1;
    EXPECT_EQ(sent, c.code_29);
  }
}

}  // namespace
