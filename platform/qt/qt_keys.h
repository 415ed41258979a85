// Turning Qt's key codes into the virtual-key codes the layer's programs see.
#pragma once

#include "platform/win32.h"

// The virtual-key code of a key, from Qt's key code and whether Qt flagged it
// as a keypad key. Letters map by key whatever Shift or Caps Lock did; digits
// of the main row (and, on a US layout, the symbols Shift gives on them) map to
// '0'..'9', keypad digits to VK_NUMPAD0..9. Returns 0 for keys the layer has
// no code for.
WORD VirtualKeyFromQtKey(int qtKey, bool keypad);
