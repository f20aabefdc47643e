// Repaint cost of a full 1280 x 720 window holding 300 controls, against the repaint of one
// button among them.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/HeadlessWindows.h"
#include "ui/core/MControlFont.h"
#include "ui/core/MRender.h"
#include "ui/core/PaintManager.h"

namespace {

using LumoUI::CRect;

std::shared_ptr<platform::Image> MakeStrip() {
  // A four-state button strip of 32 x 24 frames with a lighter border.
  auto image = std::make_shared<platform::Image>(128, 24);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 128; ++x) {
      const int fx = x % 32;
      const bool border = fx < 4 || fx >= 28 || y < 4 || y >= 20;
      image->SetPixel(x, y, border ? 0xFF5080C0 : 0xC0203040 + (x / 32) * 0x101010);
    }
  }
  return image;
}

// Draws one kind of the controls a real page holds: a nine-part framed button with a title, a
// picture at natural size, or a text.
class BenchControl : public LumoUI::MControlFont {
 public:
  enum Kind { kFramedButton, kPicture, kText };
  BenchControl(LumoUI::MObject* parent, unsigned id, CRect rect, Kind kind,
               std::shared_ptr<platform::Image> strip)
      : MControlFont(parent, id, rect, L"Profile 12", 1, 1, 1),
        kind_(kind),
        strip_(std::move(strip)) {}

  void DrawControl(platform::Painter& painter, CRect) override {
    const CRect r = GetRect();
    switch (kind_) {
      case kFramedButton:
        LumoUI::MRender::DrawImageFrame(painter, *strip_, r, 32, 0, 32, 24, 6);
        DrawTitle(painter, r, GetTextColor());
        break;
      case kPicture:
        painter.DrawImage(*strip_, {0, 0, 32, 24}, {r.left, r.top, r.left + 32, r.top + 24});
        break;
      case kText:
        DrawTitle(painter, r, GetTextColor());
        break;
    }
  }

 private:
  Kind kind_;
  std::shared_ptr<platform::Image> strip_;
};

class Root : public LumoUI::MObject {
 public:
  explicit Root(LumoUI::PaintManager& manager) : manager_(manager) {}
  long OnControlUpdate(CRect rect, int stale, LumoUI::MControl* control) override {
    return manager_.OnControlUpdate(rect, stale, control);
  }

 private:
  LumoUI::PaintManager& manager_;
};

class Window : public platform::WindowHandler {
 public:
  Window() : root_(manager_) {
    platform::WindowParams params;
    params.style = platform::WS_VISIBLE;
    params.rect = {0, 0, 1280, 720};
    params.handler = this;
    id_ = windows_->Create(params);
    manager_.Init(id_, &root_);
    auto strip = MakeStrip();
    // 20 columns by 15 rows of 64 x 48 cells.
    for (int i = 0; i < 300; ++i) {
      const int x = (i % 20) * 64, y = (i / 20) * 48;
      const auto kind = static_cast<BenchControl::Kind>(i % 3);
      auto* control = manager_.AddControl(
          new BenchControl(&root_, i + 1, {x + 2, y + 2, x + 62, y + 46}, kind, strip));
      if (i == 150) button_ = control;
    }
    Pump();
  }
  ~Window() override { windows_->Destroy(id_); }

  platform::LParam OnWindowMessage(platform::WindowId, uint32_t message, platform::WParam wparam,
                                   platform::LParam lparam) override {
    return manager_.OnWindowMessage(message, wparam, lparam);
  }
  // Moves past the frame interval and lets the pending paint run.
  void Pump() {
    clock_->Advance(LumoUI::PaintManager::kFrameInterval);
    Headless().PumpUntilIdle();
  }
  void InvalidateAll() { manager_.Invalidate(); }
  void InvalidateButton() { button_->UpdateControl(0, 0); }
  int Presents() { return Headless().PresentCount(id_); }

 private:
  platform::HeadlessWindows& Headless() {
    return static_cast<platform::HeadlessWindows&>(*windows_);
  }

  platform::ScopedBackend<platform::Clock> clock_backend_{std::make_shared<platform::FakeClock>()};
  platform::FakeClock* clock_ = static_cast<platform::FakeClock*>(&*clock_backend_);
  platform::ScopedBackend<platform::Windows> windows_{
      std::make_shared<platform::HeadlessWindows>()};
  LumoUI::PaintManager manager_;
  Root root_;
  platform::WindowId id_ = 0;
  LumoUI::MControl* button_ = nullptr;
};

void BM_FullRepaint300Controls(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    window.InvalidateAll();
    window.Pump();
  }
  state.counters["presents"] = window.Presents();
}
BENCHMARK(BM_FullRepaint300Controls)->Unit(benchmark::kMillisecond);

void BM_SmallRepaintOneButton(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    window.InvalidateButton();
    window.Pump();
  }
  state.counters["presents"] = window.Presents();
}
BENCHMARK(BM_SmallRepaintOneButton)->Unit(benchmark::kMillisecond);

}  // namespace
