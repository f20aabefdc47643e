#include "app/model/KeyLayout.h"

#include <algorithm>

KeyLayout::KeyLayout() {
  Clear();
}

void KeyLayout::Clear() {
  area_ = KeyboardArea();
  keys_.clear();
  positions_.clear();
  matrix_.fill(kEmptyCell);
}

void KeyLayout::SetKeyboard(const KeyboardArea& area) {
  area_ = area;
}

void KeyLayout::AddKey(LayoutKey key) {
  if (IsPosition(key.key_index)) positions_[key.code] = key.key_index;
  if (IsMatrixCell(key.cell) && IsMatrixCode(key.code)) {
    matrix_[key.cell.row * kMatrixCols + key.cell.col] = static_cast<uint8_t>(key.code);
  }
  keys_.push_back(std::move(key));
}

int KeyLayout::KeyPosition(int code) const {
  const auto found = positions_.find(code);
  return found == positions_.end() ? -1 : found->second;
}

int KeyLayout::ColourPosition(int code) const {
  return KeyPosition(code);
}

uint8_t KeyLayout::MatrixCode(int row, int col) const {
  if (!IsMatrixCell(MatrixCell{row, col})) return kEmptyCell;
  return matrix_[row * kMatrixCols + col];
}

int KeyLayout::RowCount() const {
  return std::clamp(area_.row_count, 0, kMatrixRows);
}

int KeyLayout::ColCount() const {
  return std::clamp(area_.col_count, 0, kMatrixCols);
}
