// A window of the tests' own on the headless backend, set up the way the main
// window sets itself up: device context, pixel format, GL context made
// current, geometry built, InitGL. Its procedure applies the resize rule and
// paints with RenderFrame, as the viewer's main window does.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

struct GlTestWindow {
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
};

// Starts the headless layer, puts the view and the selection back to their
// start values and opens a window with a client area of width x height.
// Returns false (with a reason in `why`) when any step fails.
bool OpenGlTestWindow(int width, int height, GlTestWindow& out, const char** why);
void CloseGlTestWindow(GlTestWindow& gl);

// The selection as a letter string ('A' + tile index), then recompiled.
void SelectTiles(const char* letters);

// The last swapped picture, row by row from the top-left.
std::vector<std::uint32_t> Snapshot(HWND window);
// Pixels of the last swapped picture that differ from `colour`.
int CountPixelsOtherThan(HWND window, std::uint32_t colour);

// 0xRRGGBB of a colour as an 8-bit-per-channel buffer stores it.
std::uint32_t PackColour(float red, float green, float blue);
// Each channel within one step of the other's.
bool ColoursClose(std::uint32_t a, std::uint32_t b);
