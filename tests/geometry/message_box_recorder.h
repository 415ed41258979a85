// A stand-in for the window system's message box: the geometry library leaves
// MessageBoxA to whoever links it, and these tests link this one so they can
// see every box the walk shows.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

struct RecordedMessageBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

std::vector<RecordedMessageBox>& RecordedMessageBoxes();
