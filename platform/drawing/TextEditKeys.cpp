#include "platform/TextEditKeys.h"

#include "platform/Backend.h"
#include "platform/WindowMessages.h"
#include "platform/Windows.h"

namespace platform {
namespace {

constexpr uint32_t kCtrlA = 'A', kCtrlC = 'C', kCtrlV = 'V', kCtrlX = 'X';

TextEditOutcome ChangedIf(bool changed) {
  return changed ? TextEditOutcome::Changed : TextEditOutcome::Ignored;
}

void Copy(const TextEditBuffer& buffer, const TextFieldOptions& options) {
  if (options.password || !buffer.HasSelection()) return;
  Get<Windows>().SetClipboardText(buffer.SelectedText());
}

}  // namespace

TextEditOutcome ApplyTextEditKey(TextEditBuffer& buffer, const TextFieldOptions& options,
                                 uint32_t key, bool shift, bool control) {
  const bool editable = !options.read_only;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT: {
      const bool left = key == VK_LEFT;
      if (!shift && buffer.HasSelection()) {
        // An arrow without Shift drops the selection at its edge on that side.
        buffer.MoveTo(left ? buffer.SelectionStart() : buffer.SelectionEnd(), false);
      } else {
        buffer.MoveBy(left ? -1 : 1, shift);
      }
      return TextEditOutcome::Moved;
    }
    case VK_HOME:
      buffer.MoveTo(0, shift);
      return TextEditOutcome::Moved;
    case VK_END:
      buffer.MoveTo(static_cast<int>(buffer.Text().size()), shift);
      return TextEditOutcome::Moved;
    case VK_BACK:
      return ChangedIf(editable && buffer.DeleteBackward());
    case VK_DELETE:
      return ChangedIf(editable && buffer.DeleteForward());
    case VK_RETURN:
      return TextEditOutcome::Enter;
    default:
      break;
  }
  if (!control) return TextEditOutcome::Ignored;
  switch (key) {
    case kCtrlA:
      buffer.SelectAll();
      return TextEditOutcome::Moved;
    case kCtrlC:
      Copy(buffer, options);
      return TextEditOutcome::Ignored;
    case kCtrlX:
      if (options.password || !editable || !buffer.HasSelection()) return TextEditOutcome::Ignored;
      Copy(buffer, options);
      return ChangedIf(buffer.DeleteSelection());
    case kCtrlV:
      return ChangedIf(editable && buffer.Insert(Get<Windows>().GetClipboardText()));
    default:
      return TextEditOutcome::Ignored;
  }
}

TextEditOutcome ApplyTextEditChar(TextEditBuffer& buffer, const TextFieldOptions& options,
                                  wchar_t character) {
  if (character < 0x20 || character == 0x7F) return TextEditOutcome::Ignored;
  if (!options.accept_chars || options.read_only) return TextEditOutcome::Ignored;
  return ChangedIf(buffer.Insert(std::wstring(1, character)));
}

}  // namespace platform
