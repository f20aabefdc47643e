#include "tests/ui/support/TestWindow.h"

#include <cstdlib>

namespace uitest {

TestWindow::TestWindow(CRect rect) {
  platform::WindowParams params;
  params.title = L"test";
  params.class_style = platform::CS_DBLCLKS;
  params.style = platform::WS_POPUP | platform::WS_VISIBLE;
  params.rect = rect.ToPlatform();
  params.handler = this;
  id = windows->Create(params);
  manager.Init(id, this);
  windows->Activate(id);
}

TestWindow::~TestWindow() {
  windows->Destroy(id);
  manager.DestroyData();
}

void TestWindow::Pump() {
  platform::WindowMessage message;
  for (int i = 0; i < 100000 && windows->PeekMessage(message); ++i) {
    if (message.message == platform::WM_QUIT) continue;
    if (manager.PreTranslateMessage(message)) continue;
    windows->Dispatch(message);
  }
}

void TestWindow::Advance(std::chrono::milliseconds duration) {
  Clock().Advance(duration);
  Timers().Advance(duration);
  Pump();
}

void TestWindow::Settle() {
  Pump();
  Advance(LumoUI::PaintManager::kFrameInterval);
}

uint32_t TestWindow::PixelAt(int x, int y) {
  return Headless().Surface(id).Pixel(x, y);
}

bool SameColor(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

}  // namespace uitest
