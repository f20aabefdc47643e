#pragma once

#include <chrono>
#include <functional>
#include <vector>

namespace platform {

// One packet of captured audio: interleaved samples in the range -1 to 1.
struct AudioPacket {
  int channels = 0;
  int sample_rate = 0;
  bool silent = false;
  std::vector<float> samples;
};

// Loopback capture of what the default output device plays.
class AudioCapture {
 public:
  virtual ~AudioCapture() = default;

  // Opens the loopback of the current default output; false when there is none.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // Waits up to `timeout` for the next packet; false when the device was lost or is not open.
  virtual bool Read(AudioPacket& packet, std::chrono::milliseconds timeout) = 0;
  // Called (from any thread) when the default output device changes.
  virtual void SetDefaultDeviceListener(std::function<void()> listener) = 0;
};

}  // namespace platform
