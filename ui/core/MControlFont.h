#pragma once

#include <memory>
#include <string>

#include "platform/Painter.h"
#include "ui/core/ImageCache.h"
#include "ui/core/MControl.h"

namespace LumoUI {

// Font style bits.
enum FontStyle : unsigned {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleUnderline = 4
};
// Horizontal alignment: near, centre, far. Vertical alignment: top, centre, bottom.
enum Align : unsigned { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
enum VAlign : unsigned { VAlignTop = 0, VAlignCenter = 4, VAlignBottom = 8 };

// A control with a title, a font and an image strip. Most widgets derive from it.
class MControlFont : public MControl {
 public:
  MControlFont(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
               int enabled, int response);

  virtual void SetTextFont(const std::wstring& name);
  virtual void SetTextColor(Color colour);
  // Takes the image from the window's skin cache; false when not attached or not decodable.
  virtual bool SetImage(const wchar_t* path, int count);
  virtual void SetControlTitle(const wchar_t* title);
  virtual std::wstring GetControlTitle();

  void SetTitle(const wchar_t* title);
  std::wstring GetTitle() { return GetControlTitle(); }
  void SetAlignment(unsigned horizontal);
  void SetVAlignment(unsigned vertical);
  void SetAlignment(unsigned horizontal, unsigned vertical);
  void GetAlignment(unsigned& horizontal, unsigned& vertical) const;
  void SetFont(const std::wstring& name, int size, unsigned style);
  void SetFontStyle(unsigned style) { font_style = style; }
  unsigned GetFontStyle() const { return font_style; }
  void SetFontWidth(int size) { font_size = size; }
  int GetFontWidth() const { return font_size; }
  const std::wstring& GetTextFont() const { return font_name_; }
  void SetTextRenderingHint(int hint) { rendering_hint_ = hint; }
  int GetTextRenderingHint() const { return rendering_hint_; }
  void SetImageCount(int count) { image_count_ = count; }
  int GetImageCount() const { return image_count_; }
  const std::wstring& GetImagePath() const { return image_path_; }
  // Frame width and height of the image; 0 x 0 without one.
  CSize GetImageSize() const;
  Color GetTextColor() const { return text_color_; }
  const std::shared_ptr<const ImgResInfo>& GetImageInfo() const { return image_; }

  // The font the title is drawn with: the process-wide family at this control's size and style.
  platform::Font GetDrawFont() const;
  // Draws the title into `box` with the control's font and alignment.
  void DrawTitle(platform::Painter& painter, const CRect& box, Color colour);
  // Draws frame `frame` of the image strip into `dest`.
  void DrawImageFrame(platform::Painter& painter, int frame, const CRect& dest);

  // Read and written directly by the program.
  int font_size;
  unsigned font_style = FontStyleRegular;

 protected:
  unsigned horizontal_alignment_ = AlignLeft;
  unsigned vertical_alignment_ = VAlignCenter;

 private:
  std::wstring title_;
  std::wstring font_name_;
  std::wstring image_path_;
  Color text_color_{0xFFFFFFFF};
  int rendering_hint_ = 5;
  std::shared_ptr<const ImgResInfo> image_;
  int image_count_ = 4;
};

}  // namespace LumoUI
