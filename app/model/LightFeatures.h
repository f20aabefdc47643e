#pragma once

// A light mode's feature bits (`attribute` in the device file): which controls the lighting page
// shows for the mode, and the special modes that are driven in their own way.
constexpr int kLightBrightness = 0x001;
constexpr int kLightSpeed = 0x002;
constexpr int kLightDirectionLeftRight = 0x004;
constexpr int kLightDirectionTopBottom = 0x008;
constexpr int kLightColourEditor = 0x010;
constexpr int kLightCurrentColour = 0x020;  // with the colourful check box
constexpr int kLightPresetRow1 = 0x040;
constexpr int kLightPresetRow2 = 0x080;
constexpr int kLightPerKey = 0x100;
constexpr int kLightMusic = 0x200;
constexpr int kLightScreen = 0x400;
constexpr int kLightAreas = 0x800;
constexpr int kLightAllFeatures = 0xFFF;
