// The gallery and the program on a real X server: windows appear, draw, take real clicks
// (XTEST, through xdotool), close with the right result, and a second program start finds and
// activates the first one's window.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/Image.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/XvfbDisplay.h"
#include "tools/lumoui-gallery/GalleryDialog.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kTitle = "^LumoUI Gallery$";

class GalleryOnX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbDisplay::Available()) std::exit(XvfbDisplay::kSkipCode);
    ASSERT_TRUE(x_.Ready()) << "Xvfb did not start";
  }

  std::string Xdotool(const std::vector<std::string>& arguments) {
    return RunProgram("/usr/bin/xdotool", arguments, {x_.Environment()}).output;
  }

  // The id of the visible gallery window, 0 when none shows up in time.
  std::string WaitForWindow(bool only_visible = true, const char* title = kTitle) {
    std::vector<std::string> args = {"search"};
    if (only_visible) args.push_back("--onlyvisible");
    args.insert(args.end(), {"--name", title});
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
      std::istringstream found(Xdotool(args));
      std::string id;
      if (found >> id) return id;
    }
    return {};
  }

  std::shared_ptr<platform::Image> Screenshot(const std::string& window) {
    const auto file = scratch_ / "shot.png";
    RunProgram("/usr/bin/import", {"-window", window, file.string()}, {x_.Environment()});
    return platform::Image::LoadFile(file);
  }

  // Waits until the window shows its first frame: the OK button's face from its skin picture,
  // whose frames are the button's size and so drawn unscaled.
  std::shared_ptr<platform::Image> WaitForFirstFrame(const std::string& window) {
    static const auto face =
        platform::Image::LoadFile(KEYVANE_SOURCE_DIR "/data/skins/theme1/btn_apply.png");
    if (!face) return nullptr;
    const LumoUI::CRect ok = GalleryDialog::ButtonRect(GalleryDialog::kOk);
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
      auto shot = Screenshot(window);
      if (shot && shot->Pixel(ok.left + 10, ok.top + 10) == face->Pixel(10, 10)) return shot;
    }
    return nullptr;
  }

  // Clicks a tab of the strip and waits until the page's widgets show in `area`: at least a
  // third of its pixels change.
  bool ShowPage(const std::string& window, int page, const LumoUI::CRect& area) {
    const auto before = Screenshot(window);
    if (!before) return false;
    Click(window, Centre(GalleryDialog::TabRect(page)));
    for (auto deadline = std::chrono::steady_clock::now() + 20s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
      const auto after = Screenshot(window);
      if (!after) continue;
      int changed = 0;
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
          changed += before->Pixel(x, y) != after->Pixel(x, y);
      if (changed * 3 >= area.Width() * area.Height()) return true;
    }
    return false;
  }

  std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  void Click(const std::string& window, LumoUI::CPoint point) {
    Xdotool({"mousemove", "--window", window, std::to_string(point.x), std::to_string(point.y),
             "click", "1"});
  }

  static LumoUI::CPoint Centre(const LumoUI::CRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  XvfbDisplay x_;
  ScratchFolder scratch_;
};

TEST_F(GalleryOnX11, EachButtonClosesTheDialogWithItsResult) {
  const struct {
    unsigned button;
    int result;
  } cases[] = {{GalleryDialog::kOk, 1},
               {GalleryDialog::kCancel, 2},
               {GalleryDialog::kYes, 6},
               {GalleryDialog::kNo, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    ChildProcess gallery("lumoui-gallery", {}, {x_.Environment()});
    const std::string window = WaitForWindow();
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitForFirstFrame(window));
    Click(window, Centre(GalleryDialog::ButtonRect(c.button)));
    EXPECT_EQ(gallery.Wait(20s), c.result);
  }
}

// Real clicks and typing: a combo box item is picked from its popup, a digits-only edit takes
// digits and refuses letters, and a list row is renamed (Chinese included) and committed.
TEST_F(GalleryOnX11, ComboEditAndRenameTakeRealInput) {
  const auto state = scratch_ / "state.txt";
  ChildProcess gallery("lumoui-gallery", {"--state", state.string()}, {x_.Environment()});
  const std::string window = WaitForWindow();
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(WaitForFirstFrame(window));

  ASSERT_TRUE(ShowPage(window, GalleryDialog::kEditsPage, GalleryDialog::kComboRect));
  Click(window, Centre(GalleryDialog::kComboRect));
  const std::string popup = WaitForWindow(true, "^ComboWnd$");
  ASSERT_FALSE(popup.empty()) << "no drop-down window";
  Xdotool({"mousemove", "--window", popup, "40", std::to_string(6 + 2 * 30 + 15), "click", "1"});

  Click(window, Centre(GalleryDialog::kEditRect));
  Xdotool({"key", "--delay", "10", "BackSpace", "BackSpace", "BackSpace", "BackSpace"});
  Xdotool({"type", "--delay", "40", "7a8b9"});

  ASSERT_TRUE(ShowPage(window, GalleryDialog::kListsPage, GalleryDialog::kListRect));
  const LumoUI::CRect list = GalleryDialog::kListRect;
  Click(window, {list.left + 80, list.top + GalleryDialog::kListRowHeight + 16});
  Click(window, Centre(GalleryDialog::kRenameRect));
  Xdotool({"key", "--delay", "10", "End", "shift+Home"});
  Xdotool({"type", "--delay", "40", "Racing赛车!!X"});
  Xdotool({"key", "Return"});

  Click(window, Centre(GalleryDialog::ButtonRect(GalleryDialog::kOk)));
  ASSERT_EQ(gallery.Wait(20s), 1);
  // The rename field takes 10 characters: the 11th, "X", is refused.
  EXPECT_EQ(ReadFile(state), "edit=789\ncombo=2\nlist=Default|Racing赛车!!|办公\npage=4\n");
}

// A real click on a tab shows its page: its widgets appear where the first page showed none,
// and the strip reports the page chosen.
TEST_F(GalleryOnX11, RealClickOnATabSwitchesThePage) {
  const auto state = scratch_ / "state.txt";
  ChildProcess gallery("lumoui-gallery", {"--state", state.string()}, {x_.Environment()});
  const std::string window = WaitForWindow();
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(WaitForFirstFrame(window));
  EXPECT_TRUE(ShowPage(window, GalleryDialog::kEditsPage, GalleryDialog::kComboRect));
  Click(window, Centre(GalleryDialog::ButtonRect(GalleryDialog::kOk)));
  ASSERT_EQ(gallery.Wait(20s), 1);
  EXPECT_NE(ReadFile(state).find("\npage=3\n"), std::string::npos) << ReadFile(state);
}

TEST_F(GalleryOnX11, PressReleasedOutsideTheButtonDoesNotClose) {
  ChildProcess gallery("lumoui-gallery", {}, {x_.Environment()});
  const std::string window = WaitForWindow();
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(WaitForFirstFrame(window));
  const LumoUI::CPoint ok = Centre(GalleryDialog::ButtonRect(GalleryDialog::kOk));
  Xdotool({"mousemove", "--window", window, std::to_string(ok.x), std::to_string(ok.y), "mousedown",
           "1", "mousemove", "--window", window, "400", "300", "mouseup", "1"});
  EXPECT_EQ(gallery.Wait(500ms), -1) << "the dialog closed on a press that left the button";
  Click(window, Centre(GalleryDialog::ButtonRect(GalleryDialog::kNo)));
  EXPECT_EQ(gallery.Wait(20s), 7);
}

TEST_F(GalleryOnX11, ScreenshotShowsTheSkinnedBackgroundAndTextInBothLanguages) {
  ChildProcess gallery("lumoui-gallery", {}, {x_.Environment()});
  const std::string window = WaitForWindow();
  ASSERT_FALSE(window.empty());
  const auto shot = WaitForFirstFrame(window);
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->Width(), GalleryDialog::kWidth);
  ASSERT_EQ(shot->Height(), GalleryDialog::kHeight);
  // The nine-part background: its blue frame at the edges, its dark centre stretched inside.
  EXPECT_EQ(shot->Pixel(0, 0), 0xFF1070C0u);
  EXPECT_EQ(shot->Pixel(GalleryDialog::kWidth - 1, GalleryDialog::kHeight - 1), 0xFF1070C0u);
  const uint32_t inside = shot->Pixel(40, GalleryDialog::kHeight - 40);
  EXPECT_LT((inside >> 16) & 0xFF, 0x30u);
  EXPECT_LT(inside & 0xFF, 0x48u);

  const auto count = [&](LumoUI::CRect area, auto matches) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        n += matches(shot->Pixel(x, y));
    return n;
  };
  const auto channel = [](uint32_t argb, int shift) { return (argb >> shift) & 0xFF; };
  // English in light grey, Chinese in yellow: both drawn, not left out for want of a font.
  const LumoUI::CRect english_rect = GalleryDialog::kEnglishRect;
  const LumoUI::CRect chinese_rect = GalleryDialog::kChineseRect;
  const int english = count(english_rect, [&](uint32_t p) {
    return channel(p, 16) > 170 && channel(p, 8) > 170 && channel(p, 0) > 170;
  });
  const int chinese = count(chinese_rect, [&](uint32_t p) {
    return channel(p, 16) > 200 && channel(p, 8) > 160 && channel(p, 0) < 140;
  });
  EXPECT_GT(english, 200);
  EXPECT_GT(chinese, 200);

  Click(window, Centre(GalleryDialog::ButtonRect(GalleryDialog::kOk)));
  EXPECT_EQ(gallery.Wait(20s), 1);
}

TEST_F(GalleryOnX11, SecondProgramStartActivatesTheFirstInstancesWindow) {
  const std::vector<std::string> environment = {
      x_.Environment(), "XDG_RUNTIME_DIR=" + (scratch_ / "runtime").string(),
      "XDG_DATA_HOME=" + (scratch_ / "data").string(),
      "XDG_CONFIG_HOME=" + (scratch_ / "config").string()};
  std::filesystem::create_directories(scratch_ / "runtime");
  // The first instance: a window carrying the property named after the device name.
  ChildProcess first("lumoui-gallery", {"--instance", "Keyvane"}, environment);
  const std::string window = WaitForWindow();
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(WaitForFirstFrame(window));
  // Hidden, as in the tray.
  Xdotool({"windowunmap", "--sync", window});
  ASSERT_TRUE(Xdotool({"search", "--onlyvisible", "--name", kTitle}).empty());

  const ProgramResult second = RunProgram("Keyvane", {}, environment);
  EXPECT_EQ(second.exit_code, 0) << second.output;
  EXPECT_NE(second.output.find("brought to the front"), std::string::npos) << second.output;
  EXPECT_EQ(WaitForWindow(), window);
  std::string focused;
  for (auto deadline = std::chrono::steady_clock::now() + 5s;
       std::chrono::steady_clock::now() < deadline && focused != window;
       std::this_thread::sleep_for(50ms)) {
    std::istringstream answer(Xdotool({"getwindowfocus"}));
    answer >> focused;
  }
  EXPECT_EQ(focused, window);

  // Still working after being brought back.
  ASSERT_TRUE(WaitForFirstFrame(window));
  Click(window, Centre(GalleryDialog::ButtonRect(GalleryDialog::kYes)));
  EXPECT_EQ(first.Wait(20s), 6);
}

}  // namespace
