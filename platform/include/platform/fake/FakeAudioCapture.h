#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/AudioCapture.h"

namespace platform {

// Plays back packets queued by the test. LoseDevice() makes the next Read fail as an unplugged
// output would; ChangeDefaultDevice() calls the listener.
class FakeAudioCapture final : public AudioCapture {
 public:
  void SetAvailable(bool available);
  void Queue(AudioPacket packet);
  void LoseDevice();
  void ChangeDefaultDevice();
  int OpenCount();

  bool Open() override;
  void Close() override;
  bool Read(AudioPacket& packet, std::chrono::milliseconds timeout) override;
  void SetDefaultDeviceListener(std::function<void()> listener) override;

 private:
  std::mutex mutex_;
  std::condition_variable queued_;
  bool available_ = true;
  bool open_ = false;
  bool lost_ = false;
  int open_count_ = 0;
  std::deque<AudioPacket> packets_;
  std::function<void()> listener_;
};

}  // namespace platform
