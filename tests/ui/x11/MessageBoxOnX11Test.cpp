// The program's message box and busy dialog on a real X server (through tools/dialog-preview):
// a real click on Cancel gives 2 in both languages, OK gives 1, and the busy dialog closes itself.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "platform/Image.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/XvfbDisplay.h"

namespace {

using namespace std::chrono_literals;

// Centres of the two buttons of a 380 x 200 box with OK and Cancel.
constexpr int kOkX = 120, kCancelX = 260, kButtonsY = 175;

class MessageBoxOnX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbDisplay::Available()) std::exit(XvfbDisplay::kSkipCode);
    ASSERT_TRUE(x_.Ready()) << "Xvfb did not start";
  }

  std::string Xdotool(const std::vector<std::string>& arguments) {
    return RunProgram("/usr/bin/xdotool", arguments, {x_.Environment()}).output;
  }

  std::string WaitForWindow(const std::string& title) {
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
      std::istringstream found(Xdotool({"search", "--onlyvisible", "--name", title}));
      std::string id;
      if (found >> id) return id;
    }
    return {};
  }

  // Waits until the box has drawn its buttons (the button face differs from the panel above
  // it), then clicks at x on the buttons' line; returns the program's exit code.
  int ClickWhenDrawn(ChildProcess& program, int x) {
    const std::string window = WaitForWindow("^MessageBox$");
    if (window.empty()) return -2;
    const auto shot_file = scratch_ / "box.png";
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
      RunProgram("/usr/bin/import", {"-window", window, shot_file.string()}, {x_.Environment()});
      const auto shot = platform::Image::LoadFile(shot_file);
      if (shot && shot->Pixel(x, kButtonsY) != shot->Pixel(x, kButtonsY - 30)) break;
    }
    Xdotool({"mousemove", "--window", window, std::to_string(x), std::to_string(kButtonsY), "click",
             "1"});
    return program.Wait(20s);
  }

  ScratchFolder scratch_;
  XvfbDisplay x_;
};

TEST_F(MessageBoxOnX11, RealClicksGiveTheButtonsResultsInBothLanguages) {
  struct Case {
    const char* language;
    int x;
    int result;
  };
  const Case cases[] = {{"1033", kCancelX, 2}, {"2052", kCancelX, 2}, {"1033", kOkX, 1}};
  for (const auto& c : cases) {
    ChildProcess program("dialog-preview", {"message", "--lang", c.language}, {x_.Environment()});
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(ClickWhenDrawn(program, c.x), c.result) << c.language << " at x " << c.x;
  }
}

TEST_F(MessageBoxOnX11, BusyDialogShowsOverItsOwnerAndClosesWhenTheJobEnds) {
  ChildProcess program("dialog-preview", {"busy", "--seconds", "2"}, {x_.Environment()});
  ASSERT_TRUE(program.Started());
  EXPECT_FALSE(WaitForWindow("^WaitDlg$").empty());
  EXPECT_EQ(program.Wait(20s), 0);
}

}  // namespace
