#pragma once

#include <cstdint>

namespace platform {

// The virtual-key code (VK_*) of an X keysym; 0 for keys the program has no code for.
uint32_t VirtualKeyFromKeysym(unsigned long keysym);
// The character a keysym types, as WM_CHAR carries it; 0 for keys that type nothing.
uint32_t CharacterFromKeysym(unsigned long keysym);

}  // namespace platform
