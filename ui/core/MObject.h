#pragma once

#include "ui/core/Geometry.h"

namespace LumoUI {

class MControl;

// Everything that can own controls: a window's root object, a popup, another control. Controls
// report to their owner through the two entry points below.
class MObject {
 public:
  virtual ~MObject() = default;

  // Whether GetClassNameW() is exactly `name` (case-sensitive).
  virtual bool IsClass(const wchar_t* name);
  virtual const wchar_t* GetClassNameW() { return nullptr; }
  virtual const wchar_t* GetObjectClass() { return nullptr; }
  virtual const wchar_t* BaseObjectClassName() { return nullptr; }
  // A notification from the control with this id.
  virtual long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam);
  // A request to repaint `rect`; `stale` says the control's cached drawing is out of date.
  virtual long OnControlUpdate(CRect rect, int stale, MControl* control);
};

}  // namespace LumoUI
