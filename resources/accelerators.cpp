// Accelerator table 109: Alt with the character "?" or "/" opens the About
// box. Both entries match a typed character, not a key, so no FVIRTKEY.
#include "resources/ids.h"
#include "resources/resources.h"

namespace {

// clang-format off
// flags                   character  command
const ACCEL MainAcceleratorEntries[] = {
    {FALT,                  '?',       CommandAbout},
    {FALT | ACCEL_END_MARK, '/',       CommandAbout},
};
// clang-format on

}  // namespace

const AcceleratorResource MorvatAccelerators = {MainAccelerators, MainAcceleratorEntries};
