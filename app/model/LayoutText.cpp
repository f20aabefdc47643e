#include "app/model/LayoutText.h"

#include <algorithm>

#include "app/text/Numbers.h"

namespace {

// The number before the next "#", consuming it; 0 and nothing consumed when there is no "#".
int TakeField(std::wstring_view& rest) {
  const auto separator = rest.find(L'#');
  if (separator == std::wstring_view::npos) return 0;
  const int value = LeadingDecimal(rest.substr(0, separator));
  rest.remove_prefix(separator + 1);
  return value;
}

}  // namespace

KeyRect ParseKeyRect(std::wstring_view text) {
  const int x = TakeField(text);
  const int y = TakeField(text);
  const int w = TakeField(text);
  const int h = LeadingDecimal(text);
  return MakeKeyRect(x, y, w, h);
}

MatrixCell ParseRowCol(std::wstring_view text) {
  if (text.empty()) return {};
  const size_t col_length = text.size() == 3 ? 1 : std::min<size_t>(2, text.size());
  return MatrixCell{LeadingDecimal(text.substr(0, 1)),
                    LeadingDecimal(text.substr(text.size() - col_length))};
}
