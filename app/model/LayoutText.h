#pragma once

#include <string_view>

#include "app/model/KeyRect.h"

// A cell of the light matrix as a device file names it; it may lie outside the matrix.
struct MatrixCell {
  int row = -1;
  int col = -1;
  bool operator==(const MatrixCell&) const = default;
};

// `rect`: "x#y#w#h". A field whose "#" is missing reads as 0 and leaves the text for the fields
// after it, so the last number given is always the height ("10#20" is x 10, h 20).
KeyRect ParseKeyRect(std::wstring_view text);

// `row_col`: the row is the first character; the column the last character when the text has
// exactly three characters ("2,7"), else the last two ("2,17", "27"). Empty text names no cell.
MatrixCell ParseRowCol(std::wstring_view text);
