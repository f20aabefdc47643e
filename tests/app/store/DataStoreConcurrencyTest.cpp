// Two threads share the store: a statement sequence of one must never be seen half done by the
// other, nor mixed with its statements.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/store/DataStore.h"
#include "tests/support/ScratchFolder.h"

namespace {

constexpr int kRounds = 400;

class DataStoreConcurrencyTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store_.OpenStore(scratch_.Path(), L"K1")); }

  ScratchFolder scratch_;
  DataStore store_;
};

TEST_F(DataStoreConcurrencyTest, ReaderNeverSeesAProfileSwitchHalfDone) {
  for (int i = 0; i < 3; ++i)
    ASSERT_GT(store_.AddProfile({0, L"Profile", L"", 0, 0}), 0);
  ASSERT_TRUE(store_.SetActiveProfile(1));

  std::atomic<int> failed_switches = 0;
  std::thread switcher([&] {
    for (int round = 0; round < kRounds; ++round) {
      if (!store_.SetActiveProfile(1 + round % 3)) ++failed_switches;
    }
  });
  int bad_reads = 0;
  std::vector<ProfileRecord> profiles;
  for (int round = 0; round < kRounds; ++round) {
    int active = 0;
    store_.GetAllProfiles(profiles);
    for (const auto& profile : profiles)
      active += profile.status == 1;
    if (profiles.size() != 3 || active != 1) ++bad_reads;
    if (store_.GetActiveProfile() == 0) ++bad_reads;
  }
  switcher.join();
  EXPECT_EQ(bad_reads, 0);
  EXPECT_EQ(failed_switches, 0);
}

TEST_F(DataStoreConcurrencyTest, TwoWritersOfOneKeyLeaveOneAssignment) {
  std::atomic<int> failed_saves = 0;
  auto writer = [&](int value) {
    for (int round = 0; round < kRounds; ++round) {
      KeyAssignment record;
      record.profile = 1;
      record.key_code = 4 + round % 4;
      record.macro_type = 1;
      record.macro_value = value;
      if (store_.SaveKeyAssignment(record) == 0) ++failed_saves;
    }
  };
  std::thread first(writer, 0x05);
  std::thread second(writer, 0x06);
  // Meanwhile each key must show exactly one assignment: never none (between the delete and the
  // insert) and never two (two inserts after two deletes).
  int bad_reads = 0;
  std::vector<KeyAssignment> list;
  for (int round = 0; round < kRounds; ++round) {
    store_.GetKeyAssignments(1, 0, list);
    int per_key[4] = {};
    for (const auto& row : list)
      ++per_key[row.key_code - 4];
    for (int key = 0; key < 4; ++key) {
      // Before a writer's first save of a key, it has none yet.
      if (per_key[key] > 1 || (per_key[key] == 0 && list.size() == 4)) ++bad_reads;
    }
  }
  first.join();
  second.join();
  EXPECT_EQ(bad_reads, 0);
  EXPECT_EQ(failed_saves, 0);
  EXPECT_EQ(store_.GetKeyAssignments(1, 0, list), 4);
}

}  // namespace
