// A writer killed at any moment must leave a sound file that holds every write it had finished.
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "app/store/DataStore.h"
#include "tests/app/store/RawSqlite.h"
#include "tests/support/ScratchFolder.h"

namespace {

constexpr int kKills = 25;
constexpr int kItemsPerMacro = 20;
constexpr int kKeys = 50;

// What the writer tells the test after an operation returned success.
struct Finished {
  int sequence = 0;
  int macro_id = 0;  // 0: a key assignment was saved
};

// Runs in the child: saves assignments and writes whole macros until it is killed.
[[noreturn]] void WriteUntilKilled(const std::filesystem::path& data_folder, int first_sequence,
                                   int report) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the test
  DataStore store;
  if (!store.OpenStore(data_folder, L"K1")) _exit(2);
  for (int sequence = first_sequence;; ++sequence) {
    Finished finished{sequence, 0};
    if (sequence % 2 == 0) {
      KeyAssignment record;
      record.profile = 1;
      record.key_code = 4 + sequence % kKeys;
      record.macro_type = 1;
      record.macro_value = sequence;
      if (store.SaveKeyAssignment(record) == 0) _exit(3);
    } else {
      finished.macro_id = store.AddMacro(L"macro " + std::to_wstring(sequence));
      if (finished.macro_id == 0) _exit(3);
      std::vector<MacroItem> items;
      for (int index = 0; index < kItemsPerMacro; ++index)
        items.push_back({0, finished.macro_id, 2, index, std::to_wstring(sequence), index, 10});
      if (store.AddMacroItems(items) != kItemsPerMacro) _exit(3);
    }
    if (write(report, &finished, sizeof finished) != sizeof finished) _exit(4);
  }
}

TEST(CrashSafetyTest, KilledWriterLeavesASoundFileWithEveryFinishedWrite) {
  ScratchFolder scratch;
  const auto file = DataStore::StoreFile(scratch.Path(), L"K1");
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay_us(0, 20000);

  std::map<int, int> finished_keys;  // key_code -> sequence of its last finished save
  int macros_finished = 0;
  int next_sequence = 2;
  for (int kill_number = 0; kill_number < kKills; ++kill_number) {
    SCOPED_TRACE("kill " + std::to_string(kill_number));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipe_ends[0]);
      WriteUntilKilled(scratch.Path(), next_sequence, pipe_ends[1]);
    }
    close(pipe_ends[1]);

    // Kill it a random while after its first finished write.
    pollfd ready{pipe_ends[0], POLLIN, 0};
    const bool started = poll(&ready, 1, 30000) == 1;
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    Finished finished;
    int reports = 0;
    std::map<int, int> finished_macros;  // macro_id -> sequence, of this writer
    while (read(pipe_ends[0], &finished, sizeof finished) == sizeof finished) {
      ++reports;
      next_sequence = finished.sequence + 1;
      if (finished.macro_id == 0) {
        finished_keys[4 + finished.sequence % kKeys] = finished.sequence;
      } else {
        finished_macros[finished.macro_id] = finished.sequence;
        ++macros_finished;
      }
    }
    close(pipe_ends[0]);
    ASSERT_TRUE(started);
    ASSERT_TRUE(WIFSIGNALED(status)) << "writer stopped by itself with " << WEXITSTATUS(status);
    ASSERT_GT(reports, 0);
    next_sequence += 2;  // past a write that may have committed without being reported

    {
      RawSqlite raw(file);
      ASSERT_EQ(raw.Text("PRAGMA integrity_check"), "ok");
      // Never two assignments of one key, never part of a macro's items.
      EXPECT_EQ(raw.Rows("SELECT key_code FROM t_key_macro_data GROUP BY profile, fn_layer, "
                         "key_code HAVING count(*) > 1"),
                std::vector<std::string>{});
      EXPECT_EQ(raw.Rows("SELECT macro_id FROM t_macrorecord GROUP BY macro_id HAVING count(*) "
                         "<> " +
                         std::to_string(kItemsPerMacro)),
                std::vector<std::string>{});
      // Macros finished by earlier writers are all still there.
      EXPECT_GE(raw.Int("SELECT count(DISTINCT macro_id) FROM t_macrorecord"), macros_finished);
    }
    DataStore store;
    ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
    ASSERT_TRUE(store.SetAsideFile().empty());
    for (const auto& [key_code, sequence] : finished_keys) {
      KeyAssignment stored;
      ASSERT_TRUE(store.GetKeyAssignment(1, 0, key_code, stored)) << key_code;
      EXPECT_GE(stored.macro_value, sequence) << key_code;  // or a later, unreported save
    }
    std::vector<MacroItem> items;
    for (const auto& [macro_id, sequence] : finished_macros) {
      MacroInfo info;
      ASSERT_TRUE(store.GetMacro(macro_id, info)) << macro_id;
      EXPECT_EQ(info.name, L"macro " + std::to_wstring(sequence));
      EXPECT_EQ(store.GetMacroItems(macro_id, items), kItemsPerMacro) << macro_id;
    }
  }
}

}  // namespace
