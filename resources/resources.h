// Everything the viewer shows that is data rather than code: strings, the
// menu bar, accelerators, the two dialog templates and the icons.
#pragma once

#include <array>

#include "platform/resource.h"

extern const ResourceModule MorvatResources;

// The parts, one per subject, that MorvatResources gathers.
extern const StringResource MorvatStrings[2];
extern const MenuResource MorvatMenu;
extern const AcceleratorResource MorvatAccelerators;
extern const DialogTemplate MorvatDialogs[2];  // the About box, then the tile selector
extern const IconResource MorvatIcons[2];

inline constexpr int AboutControlCount = 6;
extern const DialogControlTemplate AboutControls[AboutControlCount];

// OK, two group boxes, 23 tile boxes, 60 preset buttons, the label and seven
// view-number fields.
inline constexpr int TileSelectorControlCount = 94;
extern const std::array<DialogControlTemplate, TileSelectorControlCount> TileSelectorControls;
