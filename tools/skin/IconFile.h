#pragma once

#include <cairo.h>

#include <filesystem>
#include <vector>

// Writes a Windows icon file holding one image per size. Sizes up to 128 are stored as 32-bit
// bitmaps with an alpha channel, which every icon reader knows; larger ones as PNG, as usual.
// The surfaces are ARGB32 images of the sizes to store. False when the file cannot be written.
bool WriteIconFile(const std::filesystem::path& file, const std::vector<cairo_surface_t*>& images);
