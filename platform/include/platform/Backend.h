#pragma once

#include <memory>
#include <utility>

namespace platform {

// Every facility of the platform layer has one current back end per process. The real Linux back
// end is made on first use; tests and the simulator install others before the program starts using
// the facility. Install() is meant for start-up and test set-up, not for a running program: a
// reference returned by Get() stays valid only while its back end stays installed.
template <typename Facility>
Facility& Get();

// Makes `backend` the current back end and returns the one it replaces (null if none was made yet).
template <typename Facility>
std::shared_ptr<Facility> Install(std::shared_ptr<Facility> backend);

// Defined by each facility's real back end.
template <typename Facility>
std::shared_ptr<Facility> MakeRealBackend();

// Installs a back end for the life of a scope and restores the previous one afterwards.
template <typename Facility>
class ScopedBackend {
 public:
  explicit ScopedBackend(std::shared_ptr<Facility> backend)
      : backend_(backend), previous_(Install<Facility>(std::move(backend))) {}
  ~ScopedBackend() { Install<Facility>(std::move(previous_)); }
  ScopedBackend(const ScopedBackend&) = delete;
  ScopedBackend& operator=(const ScopedBackend&) = delete;

  Facility& operator*() const { return *backend_; }
  Facility* operator->() const { return backend_.get(); }

 private:
  std::shared_ptr<Facility> backend_;
  std::shared_ptr<Facility> previous_;
};

}  // namespace platform
