#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "tests/support/ScratchFolder.h"

namespace uitest {

// A scratch program folder whose skins/theme1 the test fills with pictures it makes itself.
// Installs itself as the Folders facility for its lifetime.
class SkinFolder {
 public:
  SkinFolder();

  // A strip of frames side by side, each frame_width x height and filled with one colour.
  void WriteStrip(const std::string& name, const std::vector<uint32_t>& colours, int frame_width,
                  int height);
  // An animated GIF whose frames are each filled with one colour (at most 4 distinct colours).
  void WriteGif(const std::string& name, const std::vector<uint32_t>& frame_colours, int width,
                int height);
  void WriteBytes(const std::string& name, const std::string& bytes);

 private:
  ScratchFolder scratch_;
  platform::ScopedBackend<platform::Folders> folders_;
};

}  // namespace uitest
