// Multi-packet jobs against the simulated keyboard on the real clock, each measured against its
// protocol floor: the sum of the pauses the keyboard requires. The "floor_ratio" counter is the
// measured time divided by that floor (1.00 = no overhead beyond the required pauses).
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

#include "app/device/Discovery.h"
#include "app/device/KeyboardCommands.h"
#include "app/device/PositionBlock.h"
#include "platform/Backend.h"
#include "platform/fake/FakeHidBus.h"
#include "sim/SimulatedKeyboard.h"

namespace {

// The simulated keyboard plugged in by cable as `device_type`, reached through its own link.
struct Bench {
  explicit Bench(int device_type) {
    for (int mode = 0; mode < 3; ++mode)
      link.AddSupportedMode({sim::kVendorId, sim::kProductIds[mode], L"", device_type, mode, L""});
    keyboard.PlugMode(0);
    DiscoverKeyboard(link, device_type);
    commands.SetKeyboard(device_type, 0);
  }

  std::shared_ptr<platform::FakeHidBus> bus = std::make_shared<platform::FakeHidBus>();
  platform::ScopedBackend<platform::Hid> installed{bus};
  sim::SimulatedKeyboard keyboard{bus};
  DeviceLink link;
  KeyboardCommands commands{link};
};

void RunJob(benchmark::State& state, int device_type, double floor_ms,
            const std::function<bool(KeyboardCommands&)>& job) {
  Bench bench(device_type);
  job(bench.commands);  // first run outside the measurement (the live stream's start report)
  double total_ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!job(bench.commands)) state.SkipWithError("the simulated keyboard refused the job");
    total_ms +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  const double mean_ms = total_ms / static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floor_ms;
  state.counters["floor_ratio"] = mean_ms / floor_ms;
}

std::vector<uint8_t> MacroBody(int events) {
  std::vector<uint8_t> body = {1, static_cast<uint8_t>(events)};
  body.resize(2 + 3 * events, 0x04);
  return body;
}

void BM_KeyMap(benchmark::State& state) {
  const auto block = PositionBlock::KeyMap();
  RunJob(state, 101, 4 * 10, [&](auto& c) { return c.WriteKeyMap(block.Bytes()); });
}

void BM_MacroUpload30Events(benchmark::State& state) {
  const auto body = MacroBody(30);
  RunJob(state, 101, 10 + 2 * 100, [&](auto& c) { return c.UploadMacro(0, body); });
}

void BM_PerKeyColours(benchmark::State& state) {
  const auto table = PositionBlock::KeyColours();
  RunJob(state, 101, 8 * 1, [&](auto& c) { return c.WritePerKeyColours(table.Bytes()); });
}

void BM_LiveFrame(benchmark::State& state) {
  const auto frame = PositionBlock::LiveColours();
  RunJob(state, 101, 6 * 1, [&](auto& c) { return c.SendLiveFrame(frame.Bytes()); });
}

void BM_MacroSlotWrite(benchmark::State& state) {
  std::vector<uint8_t> block(168);
  block[0] = 1;
  block[1] = 1;
  block[2] = 0x1E;
  RunJob(state, 201, 28 * 16, [&](auto& c) { return c.WriteMacroSlot(block); });
}

void BM_RemapSlotWrites(benchmark::State& state) {
  RunJob(state, 201, 10 * 16, [](auto& c) {
    bool all = true;
    for (int slot = 1; slot <= 10; ++slot)
      all = c.WriteRemapSlot(slot, 0x04, 0x05) && all;
    return all;
  });
}

BENCHMARK(BM_KeyMap)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(25);
BENCHMARK(BM_MacroUpload30Events)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PerKeyColours)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(100);
BENCHMARK(BM_LiveFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(100);
BENCHMARK(BM_MacroSlotWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RemapSlotWrites)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
