// Feeds arbitrary bytes to the icon reader at several wanted sizes, and to the picture decoder
// that recognises icons among other formats.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/IcoReader.h"
#include "platform/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (int wanted : {0, 16, 48, 300}) {
    auto image = platform::IcoReader::Decode(bytes, wanted);
    // Touch every pixel so a wrongly sized picture shows up under the sanitizers.
    if (image) {
      uint32_t sum = 0;
      for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x)
          sum += image->Row(y)[x];
      if (sum == 1) return 0;
    }
  }
  platform::IcoReader::EntryCount(bytes);
  return 0;
}
