// The string table: the window title and the window class name, nothing else.
#include "resources/ids.h"
#include "resources/resources.h"

// clang-format off
// id                 text
const StringResource MorvatStrings[2] = {
    {StringWindowTitle, "morvat"},
    {StringWindowClass, "MORVAT"},
};
// clang-format on
