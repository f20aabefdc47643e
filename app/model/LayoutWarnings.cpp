#include "app/model/LayoutWarnings.h"

#include <cwchar>
#include <map>

#include "app/model/KeyLayout.h"

namespace {

std::wstring KeyLabel(const LayoutKey& key) {
  wchar_t code[16];
  std::swprintf(code, sizeof code / sizeof code[0], L"%02X", static_cast<unsigned>(key.code));
  return L"key \"" + key.name + L"\" (code " + code + L")";
}

std::wstring CellText(MatrixCell cell) {
  return std::to_wstring(cell.row) + L"," + std::to_wstring(cell.col);
}

// Remembers the first key that used each value and reports every later one.
template <typename Value>
class FirstUse {
 public:
  const LayoutKey* Claim(const Value& value, const LayoutKey& key) {
    const auto [place, added] = first_.emplace(value, &key);
    return added ? nullptr : place->second;
  }

 private:
  std::map<Value, const LayoutKey*> first_;
};

}  // namespace

std::vector<std::wstring> CheckKeyLayout(const KeyLayout& layout) {
  std::vector<std::wstring> warnings;
  const KeyboardArea& area = layout.Keyboard();
  if (!area.found) {
    warnings.push_back(L"no Keyboard element: no view and no key");
    return warnings;
  }
  if (area.row_count < 1 || area.row_count > KeyLayout::kMatrixRows) {
    warnings.push_back(L"row_count " + std::to_wstring(area.row_count) + L" is not 1 to 8");
  }
  if (area.col_count < 1 || area.col_count > KeyLayout::kMatrixCols) {
    warnings.push_back(L"col_count " + std::to_wstring(area.col_count) + L" is not 1 to 32");
  }
  if (layout.Keys().empty()) warnings.push_back(L"no keys");

  FirstUse<int> codes, positions;
  FirstUse<std::pair<int, int>> cells;
  for (const LayoutKey& key : layout.Keys()) {
    const std::wstring label = KeyLabel(key);
    if (!KeyLayout::IsMatrixCode(key.code)) {
      warnings.push_back(label + L": code is not below FF, the light matrix cannot hold it");
    }
    if (const LayoutKey* first = codes.Claim(key.code, key)) {
      warnings.push_back(label + L": code already used by key \"" + first->name +
                         L"\"; the later key_index wins");
    }
    if (!KeyLayout::IsPosition(key.key_index)) {
      warnings.push_back(label + L": key_index " + std::to_wstring(key.key_index) +
                         L" is outside the keyboard's tables (0 to 109)");
    } else if (const LayoutKey* first = positions.Claim(key.key_index, key)) {
      warnings.push_back(label + L": key_index " + std::to_wstring(key.key_index) +
                         L" already used by key \"" + first->name + L"\"");
    }
    if (!KeyLayout::IsMatrixCell(key.cell)) {
      warnings.push_back(label + L": row_col \"" + key.row_col +
                         L"\" names no cell of the 8 x 32 light matrix");
    } else {
      if (key.cell.row >= layout.RowCount() || key.cell.col >= layout.ColCount()) {
        warnings.push_back(label + L": cell " + CellText(key.cell) +
                           L" lies outside row_count x col_count");
      }
      if (const LayoutKey* first = cells.Claim({key.cell.row, key.cell.col}, key)) {
        warnings.push_back(label + L": cell " + CellText(key.cell) + L" already used by key \"" +
                           first->name + L"\"");
      }
    }
  }
  return warnings;
}
