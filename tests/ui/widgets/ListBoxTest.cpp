#include <gtest/gtest.h>

#include "tests/ui/support/SkinFolder.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/DListBox.h"
#include "ui/widgets/MPanel.h"
#include "ui/widgets/MScroll.h"

namespace {

using LumoUI::CRect;
using LumoUI::DListBox;
using uitest::Notice;

// Stands in for the native rename field: holds the text the user would have typed.
class FakeEditor : public LumoUI::InPlaceEditor {
 public:
  void Open(const CRect& rect, const std::wstring& text, const Look& look) override {
    opened_at = rect;
    typed = text;
    limit = look.limit;
    open = true;
  }
  std::wstring GetText() override { return typed; }
  void Close() override { open = false; }

  CRect opened_at;
  std::wstring typed;
  int limit = 0;
  bool open = false;
};

class DListBoxTest : public testing::Test {
 protected:
  DListBoxTest() {
    panel = static_cast<LumoUI::MPanel*>(
        window.manager.AddControl(new LumoUI::MPanel(&window, 50, {0, 0, 300, 200}, 1, 1)));
    list = dynamic_cast<DListBox*>(
        panel->CreateControl(L"DListBox", 60, {10, 10, 210, 138}, L"", 1, 1));
    auto editor = std::make_unique<FakeEditor>();
    fake = editor.get();
    list->SetInPlaceEditor(std::move(editor));
    for (const wchar_t* name : {L"Default", L"Game", L"Office"})
      list->AddItem(name, 100 + list->GetItemCount());
  }
  uitest::TestWindow window;
  LumoUI::MPanel* panel;
  DListBox* list;
  FakeEditor* fake;
};

TEST_F(DListBoxTest, RowsSelectionAndBadIndexes) {
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(window.manager.CreateControl(L"DListBox", 1, {}, L"", 1, 1), nullptr);

  struct Case {
    long data;
    int result;
    int selection_after;
  };
  list->SetCurSel(1);
  for (const Case& c : {Case{102, 2, 2}, Case{999, -1, 2}, Case{100, 0, 0}}) {
    EXPECT_EQ(list->SetCurData(c.data), c.result) << c.data;
    EXPECT_EQ(list->GetCurSel(), c.selection_after) << c.data;
  }
  EXPECT_EQ(list->GetCurData(), 100);

  EXPECT_EQ(list->InsertString(5, L"x", 1, 0), -1);
  EXPECT_EQ(list->InsertString(-2, L"x", 1, 0), -1);
  EXPECT_EQ(list->InsertString(0, L"First", 3, 7), 0);
  EXPECT_EQ(list->GetCurSel(), 1);  // the selected row moved down with its row
  EXPECT_EQ(list->GetItemKind(0), 3);
  EXPECT_EQ(list->InsertString(-1, L"Last", 1, 8), 4);
  EXPECT_EQ(list->AddString(L"Kind", 9, 5), 5);
  EXPECT_EQ(list->GetItemKind(5), 5);

  EXPECT_EQ(list->GetItemText(-1), L"");
  EXPECT_EQ(list->GetItemText(99), L"");
  EXPECT_EQ(list->GetItemData(99), 0);
  EXPECT_FALSE(list->SetItemData(99, 1));
  EXPECT_FALSE(list->SetCurSel(99));
  EXPECT_TRUE(list->SetCurSel(-1));
  EXPECT_EQ(list->GetCurData(), 0);
  EXPECT_FALSE(list->DeleteItem(99));
  EXPECT_FALSE(list->SwapItem(0, 99));
  EXPECT_TRUE(list->GetItemRect(99).IsRectEmpty());
  EXPECT_EQ(list->FindString(L"Office"), 3);
  EXPECT_EQ(list->FindItemData(12345), -1);
  list->DeleteAllItems();
  EXPECT_EQ(list->GetItemCount(), 0);
  EXPECT_EQ(list->GetCurSel(), -1);
}

TEST_F(DListBoxTest, MouseSelectsAndReportsRowsThroughTheContainer) {
  auto& input = window.Headless();
  input.MoveMouse(window.id, {60, 50});  // row 1 (rows from y = 10, 32 high)
  input.Click(window.id, {60, 50});
  input.ReleaseButton(window.id, platform::HeadlessWindows::Button::Right, {60, 50});
  window.Pump();
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{60, 1, 1, 0}, {60, 2, 1, 0}, {60, 5, 1, 0}}));
}

TEST_F(DListBoxTest, RenameCommitsOnlyChangedTexts) {
  struct Case {
    const wchar_t* typed;
    bool sends_29;
  };
  for (const Case& c : {Case{L"Game", false}, Case{L"", true}, Case{L"Racing", true}}) {
    window.notices.clear();
    list->ModifyItemString(1, L"Game");
    list->SetCurSel(1);
    list->EnableShowEdit(1);
    ASSERT_TRUE(list->ShowEdit());
    EXPECT_TRUE(fake->open);
    EXPECT_EQ(fake->typed, L"Game");
    EXPECT_EQ(fake->limit, 10);
    fake->typed = c.typed;
    list->SetControlFocus(0);  // losing the focus commits
    EXPECT_FALSE(fake->open);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetItemText(1), c.typed);
    const std::vector<Notice> expected =
        c.sends_29 ? std::vector<Notice>{{60, LumoUI::NOTIFY_EDIT_CLOSED, 0, 1}}
                   : std::vector<Notice>{};
    EXPECT_EQ(window.notices, expected) << c.typed;
  }
}

TEST_F(DListBoxTest, RenameNeedsTheSwitchASelectionAndAnEnabledList) {
  list->SetCurSel(-1);
  list->EnableShowEdit(1);
  EXPECT_FALSE(list->ShowEdit());
  list->SetCurSel(0);
  list->EnableShowEdit(0);
  EXPECT_FALSE(list->ShowEdit());
  list->EnableShowEdit(1);
  list->SetEnabled(0);
  EXPECT_FALSE(list->ShowEdit());
  EXPECT_FALSE(fake->open);
}

TEST_F(DListBoxTest, PressingAnotherRowCommitsAndTheFieldSitsOverTheRow) {
  list->SetCurSel(0);
  list->show_edit = 1;
  ASSERT_TRUE(list->ShowEdit());
  // Row 0 spans y 10..42; size 14 gives a 20-pixel field one pixel above centre.
  EXPECT_EQ(fake->opened_at, CRect(60, 15, 200, 35));
  fake->typed = L"Renamed";
  window.Headless().Click(window.id, {60, 80});
  window.Pump();
  EXPECT_EQ(list->GetItemText(0), L"Renamed");
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(window.notices.front(), (Notice{60, LumoUI::NOTIFY_EDIT_CLOSED, 0, 0}));
}

TEST_F(DListBoxTest, RowsThatDoNotFitScrollTenUnitsPerNotch) {
  for (int i = 0; i < 10; ++i)
    list->AddItem(L"more", i);
  ASSERT_TRUE(list->GetVerticalBar()->IsVisible());
  EXPECT_EQ(list->GetVerticalBar()->GetRect().Width(), 7);
  // Rows take the view's width: the vertical bar does not bring a horizontal one.
  EXPECT_FALSE(list->GetHorizontalBar()->IsVisible());
  window.Headless().MoveMouse(window.id, {60, 50});
  window.Headless().Wheel(window.id, {60, 50}, -120);
  window.Pump();
  EXPECT_EQ(list->GetScrollPos().y, 10);
  // Scrolled by 10, the click at y = 50 lands on content y = 60: row 1 still; y = 70 is row 2.
  window.Headless().Click(window.id, {60, 70});
  window.Pump();
  EXPECT_EQ(list->GetCurSel(), 2);
}

// The image of the list is its row icon strip: frame 1 beside the selected row, frame 0 beside
// the others, and nothing of it under the rows or below them.
TEST_F(DListBoxTest, IconStripMarksTheSelectedRowAndIsNoBackground) {
  constexpr uint32_t kOther = 0xFFFF0000, kSelected = 0xFF00FF00;
  uitest::SkinFolder skins;
  skins.WriteStrip("rows.png", {kOther, kSelected}, 10, 10);
  ASSERT_TRUE(list->SetImage(L"rows.png", 2));
  list->SetCurSel(1);
  window.Settle();
  const auto icon = [&](int row) { return window.PixelAt(10 + 25, 10 + row * 32 + 16); };
  EXPECT_TRUE(uitest::SameColor(icon(0), kOther));
  EXPECT_TRUE(uitest::SameColor(icon(1), kSelected));
  const uint32_t background = window.PixelAt(250, 150);
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(150, 125), background));  // below the rows
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(150, 10 + 2 * 32 + 3), background));  // row 2
}

}  // namespace
