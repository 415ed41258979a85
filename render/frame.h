// One-time GL set-up, the resize rule, and the drawing of one frame.
#pragma once

#include "platform/win32.h"

// The frame's targets, set by the shell: the main window's device context
// (the buffer swap) and the tile selector (its status fields; null while the
// selector is closed).
extern HDC MainDC;
extern HWND TileSelector;

void InitGL(int width, int height);
// The main window's rule on every size change: viewport and aspect from the
// client size.
void ApplyResizeRule(int width, int height);
void RenderFrame();
// Writes the view numbers into fields 1085..1091 of the selector.
void UpdateStatusFields(HWND selector);
// Decimal text of a view number: a minus sign for negatives, nothing else.
void FormatViewNumber(int value, char* buffer, int bufferSize);
