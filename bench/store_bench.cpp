// How fast the configuration database serves the program's common reads and bulk writes, with
// the write-ahead log (the program's setting) and without synchronous writes for comparison.
// The files are made in the current folder (a disk, not a memory file system, so commits cost
// what they cost for users), or in $KEYVANE_BENCH_DIR.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/store/DataStore.h"

namespace {

constexpr int kAssignmentsPerProfile = 64;

// A store in a fresh folder of its own, removed afterwards.
class BenchStore {
 public:
  explicit BenchStore(DataStore::Durability durability) : store_(durability) {
    const char* base = std::getenv("KEYVANE_BENCH_DIR");
    std::string pattern = (base ? std::filesystem::path(base) : std::filesystem::current_path()) /
                          "store_bench.XXXXXX";
    if (mkdtemp(pattern.data())) folder_ = pattern;
    store_.OpenStore(folder_, L"Bench");
  }
  ~BenchStore() {
    store_.Close();
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
  }

  DataStore& operator*() { return store_; }
  DataStore* operator->() { return &store_; }
  bool Ready() const { return !folder_.empty() && store_.IsOpen(); }

 private:
  DataStore store_;
  std::filesystem::path folder_;
};

DataStore::Durability DurabilityOf(const benchmark::State& state) {
  return state.range(0) == 0 ? DataStore::Durability::WriteAheadLog : DataStore::Durability::NoSync;
}

const char* LabelOf(const benchmark::State& state) {
  return state.range(0) == 0 ? "WAL+NORMAL" : "rollback journal+OFF";
}

void FillProfiles(DataStore& store, int profiles) {
  for (int profile = 1; profile <= profiles; ++profile) {
    store.AddProfile({0, L"Profile " + std::to_wstring(profile), L"", 0, 0});
    for (int key = 0; key < kAssignmentsPerProfile; ++key) {
      KeyAssignment record;
      record.profile = profile;
      record.key_code = 4 + key;
      record.layout_value = 4 + key;
      record.layout_desc = L"Key " + std::to_wstring(key);
      record.macro_type = 1;
      record.macro_value = 0x1E + key % 10;
      record.macro_desc = L"Digit";
      store.SaveKeyAssignment(record);
    }
  }
}

void BM_ReadProfileAssignments(benchmark::State& state) {
  BenchStore store(DataStore::Durability::WriteAheadLog);
  if (!store.Ready()) return state.SkipWithError("no store");
  FillProfiles(*store, 3);
  std::vector<KeyAssignment> list;
  for (auto _ : state) {
    if (store->GetKeyAssignments(2, 0, list) != kAssignmentsPerProfile)
      return state.SkipWithError("rows missing");
  }
  state.SetItemsProcessed(state.iterations() * kAssignmentsPerProfile);
}
BENCHMARK(BM_ReadProfileAssignments);

void BM_WriteMacro400Items(benchmark::State& state) {
  BenchStore store(DurabilityOf(state));
  if (!store.Ready()) return state.SkipWithError("no store");
  const int macro_id = store->AddMacro(L"Long macro");
  std::vector<MacroItem> items;
  for (int index = 0; index < 400; ++index)
    items.push_back({0, macro_id, index % 3 == 2 ? 1 : 2, index, L"A", 4, 25});
  for (auto _ : state) {
    state.PauseTiming();
    store->DeleteMacroItems(macro_id);  // saving a macro replaces its items
    state.ResumeTiming();
    if (store->AddMacroItems(items) != 400) return state.SkipWithError("write failed");
  }
  state.SetLabel(LabelOf(state));
  state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(BM_WriteMacro400Items)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WriteKeyColours110(benchmark::State& state) {
  BenchStore store(DurabilityOf(state));
  if (!store.Ready()) return state.SkipWithError("no store");
  std::vector<KeyLightRecord> rows;
  for (int key = 0; key < 110; ++key)
    rows.push_back({0, 1, 128, 4 + key, key * 0x020301});
  for (auto _ : state) {
    state.PauseTiming();
    store->DeleteKeyLights();  // saving the colours replaces the previous ones
    state.ResumeTiming();
    if (store->AddKeyLights(rows) != 110) return state.SkipWithError("write failed");
  }
  state.SetLabel(LabelOf(state));
  state.SetItemsProcessed(state.iterations() * 110);
}
BENCHMARK(BM_WriteKeyColours110)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SwitchProfile(benchmark::State& state) {
  BenchStore store(DurabilityOf(state));
  if (!store.Ready()) return state.SkipWithError("no store");
  FillProfiles(*store, 3);
  std::vector<KeyAssignment> list;
  int profile = 1;
  for (auto _ : state) {
    profile = profile % 3 + 1;
    if (!store->SetActiveProfile(profile)) return state.SkipWithError("switch failed");
    if (store->GetKeyAssignments(profile, 0, list) != kAssignmentsPerProfile)
      return state.SkipWithError("rows missing");
  }
  state.SetLabel(LabelOf(state));
}
BENCHMARK(BM_SwitchProfile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
