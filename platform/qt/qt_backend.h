// The Qt 6 backend: real windows on the person's screen (xcb or wayland).
#pragma once

#include <string>

// Opens the display and starts the layer on Qt (PlatformStart inside).
// Returns false, with a one-line reason in *whyNot, when no display can be
// opened; nothing else has happened then, and the caller can exit cleanly.
bool QtStart(int& argc, char** argv, std::string* whyNot);
// PlatformStop, then closes Qt.
void QtStop();
