#pragma once

#include <string>

namespace LumoUI {

// The private fonts shipped in the program's font folder.
class FontFolder {
 public:
  // Adds "SourceHanSansCN-Regular.otf" and "Arial.ttf" from <program folder>/font when they are
  // there, once per process. Missing files are skipped.
  static void AddPrivateFonts();
  // The family text is drawn with for `name`: the family itself when it is available, else the
  // installed family fontconfig falls back to, so text is never left out.
  static std::wstring ResolveFamily(const std::wstring& name);
};

}  // namespace LumoUI
