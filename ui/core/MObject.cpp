#include "ui/core/MObject.h"

#include <cwchar>

namespace LumoUI {

bool MObject::IsClass(const wchar_t* name) {
  const wchar_t* own = GetClassNameW();
  return name && own && std::wcscmp(own, name) == 0;
}

long MObject::OnBaseMessage(unsigned, unsigned, unsigned, long) {
  return 0;
}

long MObject::OnControlUpdate(CRect, int, MControl*) {
  return 0;
}

}  // namespace LumoUI
