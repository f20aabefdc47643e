// The rich-edit family on the headless back end: each creation name builds its class, edits
// without a window of its own through the window's caret, and reports codes 30, 26 and 29.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/ui/support/TestWindow.h"
#include "ui/core/ControlFactory.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CLogonEdit.h"
#include "ui/widgets/CSpinButton.h"
#include "ui/widgets/MEditEx.h"
#include "ui/widgets/MRichEdit.h"

namespace {

using LumoUI::CPoint;
using LumoUI::CRect;
using LumoUI::MRichEdit;

const CRect kRect{20, 20, 220, 52};
constexpr uint32_t kTextColour = 0xFFFFFFFF;

std::vector<unsigned> Codes(const std::vector<uitest::Notice>& notices) {
  std::vector<unsigned> codes;
  for (const auto& notice : notices)
    codes.push_back(notice.code);
  return codes;
}

class RichEditTest : public testing::Test {
 protected:
  void Press(CPoint point) {
    window.Headless().MoveMouse(window.id, {point.x, point.y});
    window.Headless().Click(window.id, {point.x, point.y});
    window.Pump();
  }
  void Key(uint32_t key, bool shift = false) {
    if (shift) window.Headless().PressKey(platform::VK_SHIFT);
    window.Headless().TypeKey(key);
    if (shift) window.Headless().ReleaseKey(platform::VK_SHIFT);
    window.Pump();
  }
  void Type(const std::wstring& text) {
    window.Headless().TypeText(text);
    window.Pump();
  }
  // The caret is drawn by the window: a bar in the edit's text colour, its whole height.
  bool CaretDrawnAt(const CRect& caret) {
    window.Settle();
    for (int y = caret.top; y < caret.bottom; ++y) {
      if (!uitest::SameColor(window.PixelAt(caret.left, y), kTextColour)) return false;
    }
    return caret.Height() > 0;
  }

  uitest::TestWindow window;
};

TEST_F(RichEditTest, EachNameBuildsItsClassAndEditsThroughTheWindowsCaret) {
  struct Case {
    const wchar_t* name;
    std::function<MRichEdit*(uitest::TestWindow&)> make;
    std::wstring start, typed, expected, closed;
  };
  const auto by_name = [](const wchar_t* name) {
    return [name](uitest::TestWindow& w) {
      return dynamic_cast<MRichEdit*>(w.manager.CreateControl(name, 7, kRect, L"", 1, 1));
    };
  };
  const Case cases[] = {
      {L"MRichEdit", by_name(L"MRichEdit"), L"", L"Game 1", L"Game 1", L"Game 1"},
      {L"MEditEx", by_name(L"MEditEx"), L"", L"配置", L"配置", L"配置"},
      // A spin button edits its number: digits only, so the letter is refused; closing takes
      // the number.
      {L"CSpinButton", by_name(L"CSpinButton"), L"0", L"4x2", L"042", L"42"},
      {L"CLogonEdit",
       [](uitest::TestWindow& w) {
         return static_cast<MRichEdit*>(
             w.manager.AddControl(new LumoUI::CLogonEdit(&w, 7, kRect, L"", 1, 1)));
       },
       L"", L"player", L"player", L"player"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    window.manager.ClearAllControls();
    window.notices.clear();
    MRichEdit* edit = c.make(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_STREQ(edit->GetClassNameW(), c.name);
    edit->SetTextColor(kTextColour);
    EXPECT_EQ(edit->GetTitle(), c.start);
    window.Settle();

    const CRect area = edit->GetTextRect();
    Press({area.left + 10, area.top + 2});
    ASSERT_TRUE(edit->IsEditOpen());
    EXPECT_EQ(Codes(window.notices), (std::vector<unsigned>{30, 1, 2}));
    // No window of its own: the typing goes to the dialog's window.
    EXPECT_EQ(window.windows->GetFocus(), window.id);
    EXPECT_EQ(window.manager.GetCurrentCaretObject(), edit);
    const CRect before = window.manager.GetCaretRect();
    EXPECT_TRUE(CaretDrawnAt(before));

    window.notices.clear();
    Type(c.typed);
    EXPECT_EQ(edit->GetEditText(), c.expected);
    EXPECT_EQ(edit->GetTitle(), c.expected);  // copied at once
    const size_t changes = c.expected.size() - c.start.size();
    EXPECT_EQ(Codes(window.notices), std::vector<unsigned>(changes, LumoUI::NOTIFY_TEXT_CHANGED));
    const CRect after = window.manager.GetCaretRect();
    EXPECT_GT(after.left, before.left);
    EXPECT_EQ(after.top, area.top);
    EXPECT_EQ(after.Height(), area.Height());
    EXPECT_TRUE(CaretDrawnAt(after));

    // Another control taking the focus closes it: code 29, the caret gone.
    window.notices.clear();
    window.manager.SetFocusControl(nullptr);
    EXPECT_FALSE(edit->IsEditOpen());
    ASSERT_FALSE(window.notices.empty());
    EXPECT_EQ(window.notices.front().code, LumoUI::NOTIFY_EDIT_CLOSED);
    EXPECT_FALSE(window.manager.IsCaretShown());
    EXPECT_FALSE(CaretDrawnAt(after));
    EXPECT_EQ(edit->GetEditText(), c.closed);
  }
  // The factories do not know the sign-in edit by name.
  EXPECT_EQ(window.manager.CreateControl(L"CLogonEdit", 8, kRect, L"", 1, 1), nullptr);
}

TEST_F(RichEditTest, KeysEditTheTextAndEnterCloses) {
  auto* edit = dynamic_cast<MRichEdit*>(
      window.manager.CreateControl(L"MRichEdit", 7, kRect, L"keyboard", 1, 1));
  ASSERT_NE(edit, nullptr);
  edit->SetLimitText(10);
  window.Settle();
  Press({30, 36});
  ASSERT_TRUE(edit->IsEditOpen());
  EXPECT_EQ(edit->Buffer().Caret(), 8);

  Key(platform::VK_HOME);
  EXPECT_EQ(window.manager.GetCaretRect().left, edit->GetTextRect().left);
  Key(platform::VK_RIGHT, true);
  Key(platform::VK_RIGHT, true);
  Key(platform::VK_RIGHT, true);
  EXPECT_EQ(edit->Buffer().SelectedText(), L"key");
  Type(L"my ");  // replaces the selection; Space types, it does not click
  EXPECT_EQ(edit->GetEditText(), L"my board");
  Key(platform::VK_END);
  Key(platform::VK_BACK);
  Type(L"ds!!");  // the limit of 10 refuses the last one
  EXPECT_EQ(edit->GetEditText(), L"my boards!");
  EXPECT_EQ(std::count(window.notices.begin(), window.notices.end(),
                       uitest::Notice{7, LumoUI::NOTIFY_CLICKED, 0, 0}),
            1);  // the press that opened it

  window.notices.clear();
  Key(platform::VK_RETURN);
  EXPECT_FALSE(edit->IsEditOpen());
  EXPECT_EQ(Codes(window.notices), (std::vector<unsigned>{LumoUI::NOTIFY_EDIT_CLOSED}));
  EXPECT_EQ(edit->GetTitle(), L"my boards!");
  // Closed, typing changes nothing.
  Type(L"x");
  EXPECT_EQ(edit->GetTitle(), L"my boards!");
}

TEST_F(RichEditTest, SpinButtonStepsWithinItsRangeAndTypedNumbersCountOnClosing) {
  auto* spin = dynamic_cast<LumoUI::CSpinButton*>(
      window.manager.CreateControl(L"CSpinButton", 7, kRect, L"ignored", 1, 1));
  ASSERT_NE(spin, nullptr);
  spin->SetRange(0, 12);
  spin->SetStep(5);
  window.Settle();
  const auto centre = [](const CRect& r) {
    return CPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  struct Step {
    const char* name;
    std::function<void()> act;
    int value;
    std::vector<uitest::Notice> notices;
  };
  const Step steps[] = {
      {"up", [&] { Press(centre(spin->UpArrowRect())); }, 5, {{7, 28, 5, 0}}},
      {"up to the top", [&] { Press(centre(spin->UpArrowRect())); }, 10, {{7, 28, 10, 0}}},
      {"clamped at the top", [&] { Press(centre(spin->UpArrowRect())); }, 12, {{7, 28, 12, 0}}},
      {"no change at the top", [&] { Press(centre(spin->UpArrowRect())); }, 12, {}},
      {"quick presses step twice",
       [&] {
         Press(centre(spin->DownArrowRect()));
         Press(centre(spin->DownArrowRect()));
       },
       2,
       {{7, 28, 7, 0}, {7, 28, 2, 0}}},
      {"wheel down",
       [&] {
         window.Headless().Wheel(window.id, {60, 36}, -120);
         window.Pump();
       },
       0,
       {{7, 28, 0, 0}}},
      {"typed beyond the range",
       [&] {
         Press({40, 36});
         Key(platform::VK_BACK);
         Type(L"99");
         window.notices.clear();
         window.manager.SetFocusControl(nullptr);
       },
       12,
       {{7, 29, 0, 0}, {7, 28, 12, 0}}},
      {"emptied: the value stays",
       [&] {
         Press({40, 36});
         Key(platform::VK_BACK);
         Key(platform::VK_BACK);
         window.notices.clear();
         window.manager.SetFocusControl(nullptr);
       },
       12,
       {{7, 29, 0, 0}}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    window.notices.clear();
    step.act();
    EXPECT_EQ(spin->GetValue(), step.value);
    EXPECT_EQ(spin->GetTitle(), std::to_wstring(step.value));
    EXPECT_EQ(window.notices, step.notices);
  }
}

}  // namespace
