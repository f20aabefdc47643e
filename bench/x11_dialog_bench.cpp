// Time from creating a 1280x720 dialog with a background picture and 100 controls to its first
// frame on an X server, and the process's memory afterwards. Needs DISPLAY (run it under Xvfb:
// xvfb-run -a -s "-screen 0 1920x1080x24" bench_x11_dialog).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/Backend.h"
#include "platform/Painter.h"
#include "platform/Windows.h"
#include "ui/core/MControl.h"
#include "ui/core/MDialog.h"

namespace {

class LabelledBox : public LumoUI::MControl {
 public:
  LabelledBox(LumoUI::MObject* parent, unsigned id, LumoUI::CRect rect)
      : MControl(parent, id, rect, 1, 1, 1) {}
  void DrawControl(platform::Painter& painter, LumoUI::CRect) override {
    painter.RoundedRect(GetRect().left, GetRect().top, GetRect().Width(), GetRect().Height(), 4, 4,
                        0xFFFFFFFF, 1, true, 0xFF10A8FD);
    painter.DrawText(L"Button " + std::to_wstring(GetControlID()), {L"DejaVu Sans", 13},
                     GetRect().ToPlatform(), platform::TextAlign::Center,
                     platform::TextAlign::Center, 0xFFFFFFFF);
  }
};

class BenchDialog : public LumoUI::MDialog {
 public:
  void InitUI(LumoUI::CRect) override {
    LoadBKImage(L"gallery\\background.png");
    SetBackMode(LumoUI::BackModeNinePart, 16);
    for (unsigned i = 0; i < 100; ++i) {
      const int x = 20 + static_cast<int>(i % 10) * 124, y = 20 + static_cast<int>(i / 10) * 68;
      GetPaintManager().AddControl(new LabelledBox(this, i + 1, {x, y, x + 110, y + 48}));
    }
  }
  long OnPaint() override {
    painted = true;
    return 0;
  }
  bool painted = false;
};

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

void BM_DialogToFirstFrame(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no DISPLAY: run under Xvfb");
    return;
  }
  auto& windows = platform::Get<platform::Windows>();
  for (auto _ : state) {
    BenchDialog dialog;
    if (!dialog.Create(0, L"bench", LumoUI::kAppWindowStyle, 0, {0, 0, 1280, 720})) {
      state.SkipWithError("no window could be made");
      return;
    }
    dialog.ShowWindow(platform::SW_SHOW);
    platform::WindowMessage message;
    // The paint hook runs just before the manager presents; the frame is out after dispatch.
    while (!dialog.painted && windows.GetMessage(message))
      windows.Dispatch(message);
    state.PauseTiming();
    dialog.DestroyWindow();
    state.ResumeTiming();
  }
  state.counters["rss_kb"] = static_cast<double>(ResidentKilobytes());
}
BENCHMARK(BM_DialogToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
