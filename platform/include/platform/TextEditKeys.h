#pragma once

#include <cstdint>

#include "platform/TextEditBuffer.h"
#include "platform/TextField.h"

namespace platform {

// What an editing key or a typed character did to the text being edited.
enum class TextEditOutcome { Ignored, Moved, Changed, Enter };

// The editing keys of a single-line edit, applied to `buffer`: the arrows, Home and End (Shift
// selects), Backspace, Delete, Enter, and Ctrl+A/C/X/V with the desktop's clipboard. A password
// never leaves the edit; a read-only edit only moves and selects.
TextEditOutcome ApplyTextEditKey(TextEditBuffer& buffer, const TextFieldOptions& options,
                                 uint32_t key, bool shift, bool control);

// A typed character. Control characters (Backspace, Enter, Ctrl+letter) come as keys and DEL
// types nothing.
TextEditOutcome ApplyTextEditChar(TextEditBuffer& buffer, const TextFieldOptions& options,
                                  wchar_t character);

}  // namespace platform
