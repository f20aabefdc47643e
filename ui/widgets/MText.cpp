#include "ui/widgets/MText.h"

#include <vector>

namespace LumoUI {
namespace {

// Ideographs and the like may break anywhere; other scripts break after spaces.
bool BreaksAnywhere(wchar_t c) {
  return c >= 0x2E80;
}

// The next piece a line may end after: a word with the spaces that follow it, or one ideograph.
std::wstring NextUnit(const std::wstring& text, size_t& pos) {
  const size_t start = pos;
  if (BreaksAnywhere(text[pos])) return text.substr(pos++, 1);
  while (pos < text.size() && text[pos] != L' ' && !BreaksAnywhere(text[pos]))
    ++pos;
  while (pos < text.size() && text[pos] == L' ')
    ++pos;
  return text.substr(start, pos - start);
}

std::wstring TrimRight(std::wstring text) {
  while (!text.empty() && text.back() == L' ')
    text.pop_back();
  return text;
}

// Breaks one paragraph into lines no wider than `width`; a word wider than a line is broken
// between characters.
std::vector<std::wstring> WrapParagraph(platform::Painter& painter, const platform::Font& font,
                                        const std::wstring& text, int width) {
  std::vector<std::wstring> lines;
  const auto fits = [&](const std::wstring& line) {
    return painter.MeasureText(TrimRight(line), font).width <= width;
  };
  std::wstring current;
  for (size_t pos = 0; pos < text.size();) {
    std::wstring unit = NextUnit(text, pos);
    if (fits(current + unit)) {
      current += unit;
      continue;
    }
    if (!current.empty()) lines.push_back(TrimRight(current));
    current.clear();
    for (wchar_t c : unit) {  // only a unit wider than a whole line gets here with characters left
      if (!current.empty() && !fits(current + c)) {
        lines.push_back(TrimRight(current));
        current.clear();
      }
      current += c;
    }
  }
  lines.push_back(TrimRight(current));
  return lines;
}

}  // namespace

MText::MText(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible)
    : MControlFont(parent, id, rect, title, visible, 1, 1) {}

void MText::EnableMultiLine(int on) {
  multi_line_ = on;
  UpdateControl(1, 0);
}

void MText::EnableShadow(int on, Color colour) {
  shadow_ = on;
  shadow_colour_ = colour;
  UpdateControl(1, 0);
}

void MText::EnableTextBack(int on, Color colour) {
  text_back_ = on;
  back_colour_ = colour;
  UpdateControl(1, 0);
}

void MText::SetMarkText(const wchar_t* mark, Color colour) {
  mark_ = mark ? mark : L"";
  mark_colour_ = colour;
  UpdateControl(1, 0);
}

long MText::OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  return GetParantObject() ? GetParantObject()->OnBaseMessage(id, code, wparam, lparam) : 0;
}

void MText::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  if (text_back_) painter.FillRect(rect.ToPlatform(), back_colour_.argb);
  const std::wstring title = GetTitle();
  if (title.empty()) return;
  if (!multi_line_) {
    DrawLine(painter, title, rect);
    return;
  }
  // Lines end at line breaks, and wrap where they are wider than the control.
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end = 0; end != std::wstring::npos; start = end + 1) {
    end = title.find(L'\n', start);
    const std::wstring paragraph =
        title.substr(start, end == std::wstring::npos ? end : end - start);
    for (auto& line : WrapParagraph(painter, GetDrawFont(), paragraph, rect.Width())) {
      lines.push_back(std::move(line));
    }
  }
  const int line_height = painter.MeasureText(L"Ag", GetDrawFont()).height;
  const int total = line_height * static_cast<int>(lines.size());
  unsigned h, v;
  GetAlignment(h, v);
  int top = rect.top;
  if (v == VAlignCenter) top += (rect.Height() - total) / 2;
  if (v == VAlignBottom) top = rect.bottom - total;
  for (const std::wstring& line : lines) {
    DrawLine(painter, line, {rect.left, top, rect.right, top + line_height});
    top += line_height;
  }
}

void MText::DrawLine(platform::Painter& painter, const std::wstring& line, const CRect& box) {
  unsigned h, v;
  GetAlignment(h, v);
  const auto horizontal = h == AlignCenter  ? platform::TextAlign::Center
                          : h == AlignRight ? platform::TextAlign::Far
                                            : platform::TextAlign::Near;
  const auto vertical = v == VAlignCenter   ? platform::TextAlign::Center
                        : v == VAlignBottom ? platform::TextAlign::Far
                                            : platform::TextAlign::Near;
  const platform::Font font = GetDrawFont();
  const auto draw = [&](const CRect& at, Color colour) {
    painter.DrawText(line, font, at.ToPlatform(), horizontal, vertical, colour.argb);
  };
  if (shadow_) draw({box.left + 1, box.top + 1, box.right + 1, box.bottom + 1}, shadow_colour_);

  const size_t at = mark_.empty() ? std::wstring::npos : line.find(mark_);
  if (at == std::wstring::npos) {
    draw(box, GetTextColor());
    return;
  }
  // The line is drawn twice through complementary clips: the marked words in the mark colour,
  // the rest in the text colour.
  const int line_width = painter.MeasureText(line, font).width;
  const int before = painter.MeasureText(line.substr(0, at), font).width;
  const int marked = painter.MeasureText(line.substr(0, at + mark_.size()), font).width;
  int left = box.left;
  if (h == AlignCenter) left += (box.Width() - line_width) / 2;
  if (h == AlignRight) left = box.right - line_width;
  const CRect parts[] = {{box.left, box.top, left + before, box.bottom},
                         {left + before, box.top, left + marked, box.bottom},
                         {left + marked, box.top, box.right, box.bottom}};
  for (int i = 0; i < 3; ++i) {
    painter.Save();
    painter.ClipTo(parts[i].ToPlatform());
    draw(box, i == 1 ? mark_colour_ : GetTextColor());
    painter.Restore();
  }
}

}  // namespace LumoUI
