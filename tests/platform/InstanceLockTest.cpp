#include "platform/InstanceLock.h"

#include <gtest/gtest.h>

#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeInstanceLock.h"
#include "tests/support/ScratchFolder.h"

namespace {

using Result = platform::InstanceLock::Result;

// The real lock and the fake must agree on what a name held twice means.
void CheckNameIsHeldOnce(platform::InstanceLock& lock) {
  std::unique_ptr<platform::InstanceLock::Holder> first, second, other;
  ASSERT_EQ(lock.Acquire(L"Keyvane", first), Result::Acquired);
  EXPECT_EQ(lock.Acquire(L"Keyvane", second), Result::HeldElsewhere);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(lock.Acquire(L"Keyvane Pro", other), Result::Acquired);
  first.reset();
  EXPECT_EQ(lock.Acquire(L"Keyvane", second), Result::Acquired);
}

TEST(InstanceLockTest, RealLockHoldsANameOnce) {
  ScratchFolder scratch;
  platform::ScopedBackend<platform::Folders> folders(
      std::make_shared<platform::FakeFolders>(scratch.Path()));
  CheckNameIsHeldOnce(*platform::MakeRealBackend<platform::InstanceLock>());
}

TEST(InstanceLockTest, FakeLockHoldsANameOnce) {
  CheckNameIsHeldOnce(*std::make_shared<platform::FakeInstanceLock>());
}

TEST(InstanceLockTest, RealLockWithoutARuntimeFolderIsUnavailable) {
  ScratchFolder scratch;
  WriteTestFile(scratch / "runtime", "a file where the folder should be");
  platform::ScopedBackend<platform::Folders> folders(
      std::make_shared<platform::FakeFolders>(scratch.Path()));
  std::unique_ptr<platform::InstanceLock::Holder> holder;
  EXPECT_EQ(platform::MakeRealBackend<platform::InstanceLock>()->Acquire(L"Keyvane", holder),
            Result::Unavailable);
}

}  // namespace
