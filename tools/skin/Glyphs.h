#pragma once

#include <cairo.h>

#include "tools/skin/Drawing.h"

// Line icons drawn in a 24 × 24 unit box with the current source colour. Strokes use the line
// width the caller set (in units), with round ends, so one glyph serves every size.
namespace skin {

using Glyph = void (*)(cairo_t* cr);

void GlyphClose(cairo_t* cr);
void GlyphMinus(cairo_t* cr);
void GlyphPlus(cairo_t* cr);
void GlyphGlobe(cairo_t* cr);
void GlyphTrash(cairo_t* cr);
void GlyphPencil(cairo_t* cr);
void GlyphImport(cairo_t* cr);
void GlyphExport(cairo_t* cr);
void GlyphChevronUp(cairo_t* cr);
void GlyphChevronDown(cairo_t* cr);
void GlyphArrowLeft(cairo_t* cr);
void GlyphArrowRight(cairo_t* cr);
void GlyphArrowUp(cairo_t* cr);
void GlyphArrowDown(cairo_t* cr);
void GlyphCheck(cairo_t* cr);
void GlyphHome(cairo_t* cr);
void GlyphKeyboard(cairo_t* cr);
void GlyphMacro(cairo_t* cr);
void GlyphLight(cairo_t* cr);
void GlyphGear(cairo_t* cr);
void GlyphComputer(cairo_t* cr);
void GlyphCalculator(cairo_t* cr);
void GlyphMail(cairo_t* cr);
void GlyphMusic(cairo_t* cr);
void GlyphPlayPause(cairo_t* cr);
void GlyphStop(cairo_t* cr);
void GlyphPrevious(cairo_t* cr);
void GlyphNext(cairo_t* cr);
void GlyphVolumeDown(cairo_t* cr);
void GlyphVolumeUp(cairo_t* cr);
void GlyphMute(cairo_t* cr);
void GlyphRefresh(cairo_t* cr);
void GlyphStopLoading(cairo_t* cr);
void GlyphStar(cairo_t* cr);
void GlyphSearch(cairo_t* cr);
void GlyphUsb(cairo_t* cr);
void GlyphBolt(cairo_t* cr);

// Draws `glyph` into the square (x, y, size, size) in `colour` with a stroke of `line` units.
void DrawGlyph(cairo_t* cr, Glyph glyph, double x, double y, double size, Colour colour,
               double line = 2.0);

}  // namespace skin
