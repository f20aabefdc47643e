#include <gtest/gtest.h>

#include "tests/ui/support/TestWindow.h"
#include "ui/core/ControlFactory.h"

namespace {

using LumoUI::ControlFactory;
using LumoUI::CRect;
using uitest::Box;
using uitest::Notice;
using uitest::Panel;

// Counts destructions, to check who deletes what.
class CountedBox : public Box {
 public:
  CountedBox(LumoUI::MObject* parent, unsigned id, CRect rect, int* deleted)
      : Box(parent, id, rect, 0xFF000000), deleted_(deleted) {}
  ~CountedBox() override { ++*deleted_; }

 private:
  int* deleted_;
};

TEST(ControlFactoryTest, NamesOfWidgetsNotBuiltYetAndUnknownNamesGiveNoObject) {
  uitest::TestWindow window;
  for (const wchar_t* name : {L"MPalette", L"KeyboardCtrl", L"Nonsense", L"mbutton", L""}) {
    EXPECT_EQ(window.manager.CreateControl(name, 5, {0, 0, 10, 10}, L"t", 1, 1), nullptr) << name;
    EXPECT_EQ(window.manager.CreateArea(name, 5, {0, 0, 10, 10}, L"t", 1, 1), nullptr) << name;
  }
  EXPECT_EQ(window.manager.CreateControl(nullptr, 5, {0, 0, 10, 10}, nullptr, 1, 1), nullptr);
  EXPECT_TRUE(window.manager.GetControls().empty());
}

TEST(ControlFactoryTest, WindowsAndContainersKnowTheirOwnNames) {
  struct Case {
    const wchar_t* name;
    bool window;
    bool container;
  };
  const Case cases[] = {
      {L"MButton", true, true},         {L"CComboBoxList", true, false},
      {L"BatteryCtrl", true, false},    {L"DListBox", false, true},
      {L"KeyFuncControl", false, true}, {L"DownloadButton", false, true},
      {L"FSControl", false, false},     {L"MButton ", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ControlFactory::Knows(ControlFactory::Owner::Window, c.name), c.window) << c.name;
    EXPECT_EQ(ControlFactory::Knows(ControlFactory::Owner::Container, c.name), c.container)
        << c.name;
  }
}

TEST(ControlTreeTest, NotificationsBubbleUnchangedToTheWindow) {
  uitest::TestWindow window;
  auto* outer = new Panel(&window, 10, {0, 0, 200, 200}, 0xFF000000);
  window.manager.AddControl(outer);
  auto* inner = static_cast<Panel*>(outer->AddChild(
      LumoUI::MControl::kControls, new Panel(outer, 11, {10, 10, 100, 100}, 0xFF000000)));
  auto* leaf = static_cast<Box*>(
      inner->AddChild(LumoUI::MControl::kControls, new Box(inner, 12, {20, 20, 40, 40}, 0)));

  EXPECT_EQ(leaf->SendMessageW(27, 3, 0x123456), 0);
  const Notice expected{12, 27, 3, 0x123456};
  EXPECT_EQ(inner->notices, std::vector<Notice>{expected});
  EXPECT_EQ(outer->notices, std::vector<Notice>{expected});
  EXPECT_EQ(window.notices, std::vector<Notice>{expected});
  EXPECT_EQ(leaf->GetManager(), &window.manager);
}

TEST(ControlTreeTest, GetControlSearchesDepthFirstChildrenBeforeAreas) {
  uitest::TestWindow window;
  auto* panel = new Panel(&window, 1, {0, 0, 100, 100}, 0);
  window.manager.AddControl(panel);
  auto* area = panel->AddChild(LumoUI::MControl::kAreas, new Box(panel, 7, {0, 0, 5, 5}, 0));
  auto* nested = new Panel(panel, 3, {0, 0, 50, 50}, 0);
  panel->AddChild(LumoUI::MControl::kControls, nested);
  auto* deep = nested->AddChild(LumoUI::MControl::kControls, new Box(nested, 7, {0, 0, 5, 5}, 0));

  EXPECT_EQ(window.manager.GetControl(7), deep);
  EXPECT_EQ(panel->GetControl(3), nested);
  nested->RemoveControl(deep);
  EXPECT_EQ(window.manager.GetControl(7), area);
  EXPECT_EQ(window.manager.GetControl(99), nullptr);
}

TEST(ControlTreeTest, AControlDeletesItsAreasAndChildrenAndTheManagerForgetsThem) {
  uitest::TestWindow window;
  int deleted = 0;
  auto* panel = new Panel(&window, 1, {0, 0, 100, 100}, 0);
  window.manager.AddControl(panel);
  panel->AddChild(LumoUI::MControl::kAreas, new CountedBox(panel, 2, {0, 0, 5, 5}, &deleted));
  auto* child = panel->AddChild(LumoUI::MControl::kControls,
                                new CountedBox(panel, 3, {10, 10, 50, 50}, &deleted));
  window.manager.SetFocusControl(child);
  window.manager.AddMTimer(child);
  ASSERT_TRUE(window.manager.SetTimer(child, 1, 100));

  window.manager.RemoveControl(panel);
  EXPECT_EQ(deleted, 2);
  EXPECT_EQ(window.manager.GetFocusControl(), nullptr);
  EXPECT_TRUE(window.manager.GetControls().empty());
  // The timer of the deleted child is gone, so its id can never reach freed memory.
  EXPECT_EQ(window.manager.GetControlTimers().ControlFor(17), nullptr);
  window.Advance(std::chrono::milliseconds(200));

  // Removing something a control does not own deletes nothing.
  Box stranger(nullptr, 9, {0, 0, 1, 1}, 0);
  window.manager.RemoveControl(&stranger);
}

TEST(ControlTreeTest, VisibilityAndMovesRequestRepaintsOnlyWhenTheyShow) {
  uitest::TestWindow window;
  auto* box =
      static_cast<Box*>(window.manager.AddControl(new Box(&window, 1, {10, 10, 20, 20}, 0)));
  window.Settle();

  box->SetVisible(1);  // unchanged: nothing to do
  EXPECT_TRUE(window.Headless().PendingUpdate(window.id).IsEmpty());

  box->SetVisible(0);
  EXPECT_EQ(window.Headless().PendingUpdate(window.id), (platform::Rect{10, 10, 20, 20}));
  window.Settle();

  box->SetRect(50, 50, 10, 10);  // hidden: moves without a repaint
  EXPECT_TRUE(window.Headless().PendingUpdate(window.id).IsEmpty());
  box->SetVisible(1);
  window.Settle();
  box->SetRect(60, 50, 10, 10);
  EXPECT_EQ(window.Headless().PendingUpdate(window.id), (platform::Rect{50, 50, 70, 60}));
}

TEST(ControlTreeTest, IsParentVisibleFollowsEveryParentUpToTheWindow) {
  uitest::TestWindow window;
  auto* outer = new Panel(&window, 1, {0, 0, 100, 100}, 0);
  window.manager.AddControl(outer);
  auto* leaf = outer->AddChild(LumoUI::MControl::kControls, new Box(outer, 2, {0, 0, 5, 5}, 0));
  EXPECT_TRUE(leaf->IsParentVisible());
  outer->SetVisible(0);
  EXPECT_FALSE(leaf->IsParentVisible());
  Box orphan(nullptr, 3, {0, 0, 1, 1}, 0);
  EXPECT_FALSE(orphan.IsParentVisible());
  EXPECT_TRUE(window.IsClass(L"MDialog"));
  EXPECT_FALSE(window.IsClass(L"mdialog"));
  EXPECT_FALSE(leaf->IsClass(nullptr));
}

}  // namespace
