#include "ui/core/RKTimer.h"

#include <algorithm>
#include <map>

#include "platform/Backend.h"

namespace LumoUI {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<unsigned, RKTimer*> owners;
  unsigned next_id = 1;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

RKTimer::~RKTimer() {
  KillTimer();
}

void RKTimer::OnMTimer(unsigned, const std::wstring&) {}

void RKTimer::OnMTimer(unsigned) {}

std::unique_ptr<platform::Timers::Timer> RKTimer::Start(unsigned id, unsigned milliseconds) {
  return platform::Get<platform::Timers>().StartPeriodic(
      std::chrono::milliseconds(std::max(1u, milliseconds)), [id] { TimerCallProc(id); });
}

RKTimer::Record* RKTimer::Find(unsigned id) {
  auto it =
      std::find_if(records_.begin(), records_.end(), [id](const Record& r) { return r.id == id; });
  return it == records_.end() ? nullptr : &*it;
}

unsigned RKTimer::SetTimer(unsigned milliseconds, const std::wstring& name, int application) {
  unsigned id;
  {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    id = registry.next_id++;
    if (registry.next_id == 0) registry.next_id = 1;
    registry.owners[id] = this;
  }
  auto running = Start(id, milliseconds);
  if (!running) {
    std::lock_guard lock(TheRegistry().mutex);
    TheRegistry().owners.erase(id);
    return 0;
  }
  std::lock_guard lock(mutex_);
  records_.push_back({id, name, application != 0, milliseconds, std::move(running)});
  return id;
}

int RKTimer::KillTimer(unsigned id) {
  std::unique_ptr<platform::Timers::Timer> stopping;
  int left;
  {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(records_.begin(), records_.end(),
                           [id](const Record& r) { return r.id == id; });
    if (it != records_.end()) {
      stopping = std::move(it->running);
      records_.erase(it);
      std::lock_guard registry_lock(TheRegistry().mutex);
      TheRegistry().owners.erase(id);
    }
    left = static_cast<int>(records_.size());
  }
  // Stopped outside the lock: the timer waits for a running tick, which may need the lock.
  stopping.reset();
  return left;
}

int RKTimer::KillTimer(const std::wstring& name) {
  unsigned id = 0;
  {
    std::lock_guard lock(mutex_);
    for (const Record& r : records_) {
      if (r.name == name) id = r.id;
    }
    if (!id) return static_cast<int>(records_.size());
  }
  return KillTimer(id);
}

void RKTimer::KillTimer() {
  std::vector<Record> stopping;
  {
    std::lock_guard lock(mutex_);
    stopping.swap(records_);
    std::lock_guard registry_lock(TheRegistry().mutex);
    for (const Record& r : stopping)
      TheRegistry().owners.erase(r.id);
  }
  stopping.clear();
}

bool RKTimer::SuspendTimer(unsigned id) {
  std::unique_ptr<platform::Timers::Timer> stopping;
  {
    std::lock_guard lock(mutex_);
    Record* record = Find(id);
    if (!record) return false;
    stopping = std::move(record->running);
  }
  return true;
}

bool RKTimer::ResumeTimer(unsigned id) {
  std::lock_guard lock(mutex_);
  Record* record = Find(id);
  if (!record) return false;
  if (!record->running) record->running = Start(id, record->milliseconds);
  return record->running != nullptr;
}

bool RKTimer::GetTimerIsRun(unsigned id) {
  std::lock_guard lock(mutex_);
  Record* record = Find(id);
  return record && record->running;
}

bool RKTimer::GetTimerIsRun(const std::wstring& name) {
  std::lock_guard lock(mutex_);
  return std::any_of(records_.begin(), records_.end(),
                     [&](const Record& r) { return r.name == name && r.running; });
}

bool RKTimer::IsAppTimer(unsigned id) {
  std::lock_guard lock(mutex_);
  Record* record = Find(id);
  return record && record->application;
}

std::wstring RKTimer::GetTimerName(unsigned id) {
  std::lock_guard lock(mutex_);
  Record* record = Find(id);
  return record ? record->name : std::wstring();
}

RKTimer* RKTimer::GetFSTimer(unsigned id) {
  std::lock_guard lock(TheRegistry().mutex);
  auto it = TheRegistry().owners.find(id);
  return it == TheRegistry().owners.end() ? nullptr : it->second;
}

void RKTimer::TimerCallProc(unsigned id) {
  // The owner cannot go away during the tick: stopping a timer waits for its running tick.
  RKTimer* owner = GetFSTimer(id);
  if (!owner) return;
  std::wstring name;
  bool application = false;
  {
    std::lock_guard lock(owner->mutex_);
    if (Record* record = owner->Find(id)) {
      name = record->name;
      application = record->application;
    }
  }
  if (application) owner->OnMTimer(id, name);
  owner->OnMTimer(id);
}

}  // namespace LumoUI
