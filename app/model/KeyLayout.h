#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/model/KeyRect.h"
#include "app/model/LayoutText.h"

// The `Keyboard` element: where the view sits on its page, its picture and the part of the light
// matrix the keyboard uses.
struct KeyboardArea {
  bool found = false;
  int xpos = 0;
  int ypos = 0;
  int width = 0;
  int height = 0;
  std::wstring image;  // file name under the skin's keyboard folder
  int row_count = 0;   // as written in the file; KeyLayout::RowCount() is the usable value
  int col_count = 0;

  KeyRect ViewRect() const { return MakeKeyRect(xpos, ypos, width, height); }
};

// One `key` element, as read.
struct LayoutKey {
  int code = 0;  // HID keyboard usage; the key's identity everywhere in the program
  std::wstring name;
  std::wstring desc;
  int key_index = 0;    // position in the keyboard's per-key tables
  int light_index = 0;  // read and kept; colours are placed by key_index
  std::wstring icon;
  std::wstring row_col;  // as written, for messages
  MatrixCell cell;
  KeyRect rect;
};

// The key layout of one keyboard model: its keys in file order, the tables from key code to
// position, and the light matrix of key codes. Everything a per-key sender indexes with is checked
// here, so a bad file can leave a key without a position or a cell but never index out of range.
class KeyLayout {
 public:
  static constexpr int kMatrixRows = 8;
  static constexpr int kMatrixCols = 32;
  // The per-key colour blocks carry 110 keys, so positions are 0 to 109.
  static constexpr int kPositionCount = 110;
  static constexpr uint8_t kEmptyCell = 0xFF;

  static bool IsPosition(int key_index) { return key_index >= 0 && key_index < kPositionCount; }
  static bool IsMatrixCell(MatrixCell cell) {
    return cell.row >= 0 && cell.row < kMatrixRows && cell.col >= 0 && cell.col < kMatrixCols;
  }
  // The matrix holds one byte per cell and 0xFF marks an empty one.
  static bool IsMatrixCode(int code) { return code >= 0 && code < kEmptyCell; }

  KeyLayout();

  // Empties the keys, both position tables and the matrix.
  void Clear();
  void SetKeyboard(const KeyboardArea& area);
  // Adds a key after the others. A later key with the same code takes over its positions; a key
  // without a valid position or cell is kept for the views but left out of those tables.
  void AddKey(LayoutKey key);

  const KeyboardArea& Keyboard() const { return area_; }
  const std::vector<LayoutKey>& Keys() const { return keys_; }

  // Where a key code's entry lies in the key map and in the per-key colour tables; -1 for none.
  int KeyPosition(int code) const;
  int ColourPosition(int code) const;

  // The key code in a cell, kEmptyCell for an empty cell or one outside the matrix.
  uint8_t MatrixCode(int row, int col) const;
  // The rows and columns of the matrix the keyboard uses, limited to the matrix.
  int RowCount() const;
  int ColCount() const;

 private:
  KeyboardArea area_;
  std::vector<LayoutKey> keys_;
  // The key map and the colour tables are both indexed by key_index, so one table serves both.
  std::map<int, int> positions_;
  std::array<uint8_t, kMatrixRows * kMatrixCols> matrix_;
};
