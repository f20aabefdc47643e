#pragma once

#include "ui/core/Geometry.h"

namespace LumoUI {

class MControl;
class MObject;

// Makes controls from their creation names ("MButton", "CArea" ...). Windows and containers
// know slightly different sets of names.
class ControlFactory {
 public:
  enum class Owner { Window, Container };

  // A new control, not yet attached to any manager or list; null when the name is empty, not
  // known to that kind of owner, or names a control this build does not provide yet.
  static MControl* Make(Owner owner, const wchar_t* class_name, MObject* parent, unsigned id,
                        CRect rect, const wchar_t* title, int visible, int enabled);
  // Whether the name is one of the creation names of that kind of owner.
  static bool Knows(Owner owner, const wchar_t* class_name);
};

}  // namespace LumoUI
