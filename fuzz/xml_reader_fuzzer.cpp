// Feeds arbitrary bytes to the XML reader and walks whatever it accepts, in every direction.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/xml/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first byte picks the system code page, so legacy decoding is exercised too.
  const char* code_pages[] = {"CP1252", "GBK", "BIG5", "CP932"};
  XmlDocument document;
  if (document.Parse(bytes, code_pages[size ? data[0] % 4 : 0]) != XmlDocument::LoadResult::Ok) {
    return 0;
  }
  // Depth-first walk through every element, reading names, attributes and texts.
  int depth = 0;
  for (int steps = 0; steps < 10000; ++steps) {
    if (document.FindElem()) {
      document.GetTagName();
      document.GetAttrib(L"name");
      document.GetData();
      if (document.IntoElem()) ++depth;
    } else if (depth > 0 && document.OutOfElem()) {
      --depth;
    } else {
      break;
    }
  }
  return 0;
}
