#include "platform/FontFiles.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include "platform/Text.h"

namespace platform {
namespace {

std::wstring FamilyOfFile(const std::string& file) {
  FcFontSet* set = FcFontSetCreate();
  std::wstring family;
  if (FcFreeTypeQueryAll(reinterpret_cast<const FcChar8*>(file.c_str()), -1, nullptr, nullptr,
                         set) > 0 &&
      set->nfont > 0) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(set->fonts[0], FC_FAMILY, 0, &name) == FcResultMatch) {
      family = FromUtf8(reinterpret_cast<const char*>(name));
    }
  }
  FcFontSetDestroy(set);
  return family;
}

}  // namespace

std::wstring AddFontFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  const std::string file = path.string();
  const std::wstring family = FamilyOfFile(file);
  if (family.empty()) return {};
  if (!FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file.c_str()))) return {};
  // Pango keeps its own view of the font list; tell it the list changed.
  PangoFontMap* map = pango_cairo_font_map_get_default();
  if (PANGO_IS_FC_FONT_MAP(map)) pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(map));
  return family;
}

bool IsFontFamilyAvailable(const std::wstring& family) {
  if (family.empty()) return false;
  const std::string name = ToUtf8(family);
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  const bool found = set && set->nfont > 0;
  if (set) FcFontSetDestroy(set);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

std::wstring FallbackFontFamily() {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::wstring family = L"sans-serif";
  FcChar8* name = nullptr;
  if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
    family = FromUtf8(reinterpret_cast<const char*>(name));
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return family;
}

}  // namespace platform
