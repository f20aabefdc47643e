// Feeds arbitrary bytes to the INI reader of the language files and looks up what it accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/shell/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first byte picks the system code page, so legacy decoding is exercised too.
  const char* code_pages[] = {"CP1252", "GBK", "BIG5", "CP932"};
  IniFile file;
  if (file.Parse(bytes, code_pages[size ? data[0] % 4 : 0]) != IniFile::LoadResult::Ok) return 0;
  file.Value(L"KB.DIALOG", L"65");
  file.Value(L"", L"");
  for (const auto& [key, value] : file.Entries(L"KB.DIALOG")) file.Value(L"KB.DIALOG", key);
  return 0;
}
