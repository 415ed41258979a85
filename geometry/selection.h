// Which tiles are shown, the labels the person knows them by, and the 60
// presets: the 59 stellations plus the left-handed form of number 47.
#pragma once

#include "tiles.h"

extern unsigned char TileFlags[TileCount];  // 1 = shown; at start tile 0 alone
extern const char* const TileLabels[TileCount];

inline constexpr int PresetLabelSize = 33;  // 32 characters and the terminating zero
extern char PresetLabel[PresetLabelSize];   // at start "59-icosahedra"

struct Preset {
    int button;           // control number of the preset button
    const char* caption;  // the button's text
    const char* letters;  // 'A' + tile index for each tile, ascending
};
inline constexpr int PresetCount = 60;
extern const Preset PresetTable[PresetCount];

// Replaces the whole selection by the tiles of one letter string.
void ApplyPreset(const char* letters);
