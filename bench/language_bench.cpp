// How fast one text is looked up. The program reads the language file again for every label it
// sets, so a page of texts means a file read and a walk through it per text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/shell/IniFile.h"
#include "app/shell/LanguageText.h"
#include "platform/Backend.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeLocale.h"

namespace {

// A file the size of a real one: a few hundred texts of a sentence each.
std::string LanguageFileText() {
  std::string text = "\xEF\xBB\xBF; Texts of the program\r\n[KB.DIALOG]\r\n";
  for (int number = 1; number <= 400; ++number) {
    text += std::to_string(number) + "=按键设置 text number " + std::to_string(number) +
            " with a sentence of ordinary length\r\n";
  }
  return text;
}

std::string AsUtf16Le(const std::string& utf8) {
  std::string out = "\xFF\xFE";
  for (wchar_t c : platform::FromUtf8(utf8)) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>((c >> 8) & 0xFF);
  }
  return out;
}

void LookUpInMemory(benchmark::State& state, const std::string& bytes) {
  IniFile ini;
  ini.Parse(bytes, "GBK");
  for (auto _ : state)
    benchmark::DoNotOptimize(ini.Value(L"KB.DIALOG", L"331"));
}

void ParseAndLookUp(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    IniFile ini;
    ini.Parse(bytes, "GBK");
    benchmark::DoNotOptimize(ini.Value(L"KB.DIALOG", L"331"));
  }
}

// The whole lookup as the program does it: read the file from disk, decode, find the text.
void TextFromDisk(benchmark::State& state, bool utf16) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("keyvane-language-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "program" / "language");
  const std::string utf8 = LanguageFileText();
  platform::WriteFileAtomically(folder / "program" / "language" / "2052.lan",
                                utf16 ? AsUtf16Le(utf8.substr(3)) : utf8);
  platform::ScopedBackend<platform::Folders> folders(
      std::make_shared<platform::FakeFolders>(folder));
  platform::ScopedBackend<platform::Locale> locale(std::make_shared<platform::FakeLocale>());
  for (auto _ : state)
    benchmark::DoNotOptimize(TextIn(2052, 331));
  std::filesystem::remove_all(folder);
}

BENCHMARK_CAPTURE(LookUpInMemory, utf8, LanguageFileText());
BENCHMARK_CAPTURE(ParseAndLookUp, utf8, LanguageFileText());
BENCHMARK_CAPTURE(ParseAndLookUp, utf16, AsUtf16Le(LanguageFileText().substr(3)));
BENCHMARK_CAPTURE(TextFromDisk, utf8, false);
BENCHMARK_CAPTURE(TextFromDisk, utf16, true);

}  // namespace
