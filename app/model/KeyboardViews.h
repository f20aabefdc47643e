#pragma once

class KeyboardView;
class KeyLayout;

// The main window's three keyboard views; any of them may be missing.
struct KeyboardViews {
  KeyboardView* key_assignment = nullptr;  // menu flag 0x01
  KeyboardView* lighting = nullptr;        // menu flag 0x04
  KeyboardView* settings = nullptr;        // menu flag 0x40

  // Empties every view, then gives the layout to the views the menu flags select. Views that are
  // not selected are emptied too, so no view keeps the keys of another model.
  void Fill(const KeyLayout& layout, int menu_flags) const;
};
