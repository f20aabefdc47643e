#include "platform/fake/FakeAudioCapture.h"

namespace platform {

void FakeAudioCapture::SetAvailable(bool available) {
  std::lock_guard lock(mutex_);
  available_ = available;
}

void FakeAudioCapture::Queue(AudioPacket packet) {
  {
    std::lock_guard lock(mutex_);
    packets_.push_back(std::move(packet));
  }
  queued_.notify_all();
}

void FakeAudioCapture::LoseDevice() {
  {
    std::lock_guard lock(mutex_);
    lost_ = true;
  }
  queued_.notify_all();
}

void FakeAudioCapture::ChangeDefaultDevice() {
  std::function<void()> listener;
  {
    std::lock_guard lock(mutex_);
    listener = listener_;
  }
  if (listener) listener();
}

int FakeAudioCapture::OpenCount() {
  std::lock_guard lock(mutex_);
  return open_count_;
}

bool FakeAudioCapture::Open() {
  std::lock_guard lock(mutex_);
  if (!available_) return false;
  open_ = true;
  lost_ = false;
  ++open_count_;
  return true;
}

void FakeAudioCapture::Close() {
  {
    std::lock_guard lock(mutex_);
    open_ = false;
  }
  queued_.notify_all();
}

bool FakeAudioCapture::Read(AudioPacket& packet, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  queued_.wait_for(lock, timeout, [&] { return !packets_.empty() || lost_ || !open_; });
  if (!open_ || lost_ || packets_.empty()) return false;
  packet = std::move(packets_.front());
  packets_.pop_front();
  return true;
}

void FakeAudioCapture::SetDefaultDeviceListener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

}  // namespace platform
