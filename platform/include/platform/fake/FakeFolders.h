#pragma once

#include "platform/Folders.h"

namespace platform {

// Folders under one scratch root: <root>/program, <root>/data, <root>/config, <root>/runtime.
class FakeFolders final : public Folders {
 public:
  explicit FakeFolders(std::filesystem::path root) : root_(std::move(root)) {}

  void SetProgramFolder(std::filesystem::path folder) { program_ = std::move(folder); }

  std::filesystem::path ProgramFolder() override {
    return program_.empty() ? root_ / "program" : program_;
  }
  std::filesystem::path LocalDataFolder() override { return root_ / "data"; }
  std::filesystem::path ConfigFolder() override { return root_ / "config"; }
  std::filesystem::path RuntimeFolder() override { return root_ / "runtime"; }

 private:
  std::filesystem::path root_;
  std::filesystem::path program_;
};

}  // namespace platform
