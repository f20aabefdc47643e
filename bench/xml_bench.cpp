// How fast device files are read: parsing and walking a layout-sized document in each encoding.
#include <benchmark/benchmark.h>

#include <string>

#include "app/xml/XmlDocument.h"
#include "platform/Text.h"

namespace {

std::string LayoutLikeDocument() {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<device.info><Keyboard>\n";
  for (int i = 0; i < 110; ++i) {
    text += "<key code=\"" + std::to_string(4 + i) + "\" name=\"键 " + std::to_string(i) +
            "\" desc=\"Key &amp; more\" key_index=\"" + std::to_string(i) + "\" row_col=\"" +
            std::to_string(i / 21) + std::to_string(i % 21) + "\" rect=\"10,20,50,60\"/>\n";
  }
  return text + "</Keyboard></device.info>\n";
}

std::string AsUtf16Le(const std::string& utf8) {
  std::string out = "\xFF\xFE";
  for (wchar_t c : platform::FromUtf8(utf8)) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>((c >> 8) & 0xFF);
  }
  return out;
}

void ReadAllKeys(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    XmlDocument document;
    document.Parse(bytes, "CP1252");
    document.FindElem(L"device.info");
    document.IntoElem();
    document.FindElem(L"Keyboard");
    document.IntoElem();
    int keys = 0;
    while (document.FindElem(L"key"))
      keys += static_cast<int>(document.GetAttrib(L"name").size());
    benchmark::DoNotOptimize(keys);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes.size()));
}

void BM_ReadLayoutUtf8(benchmark::State& state) {
  ReadAllKeys(state, LayoutLikeDocument());
}
void BM_ReadLayoutUtf16(benchmark::State& state) {
  ReadAllKeys(state, AsUtf16Le(LayoutLikeDocument()));
}

BENCHMARK(BM_ReadLayoutUtf8);
BENCHMARK(BM_ReadLayoutUtf16);

}  // namespace
