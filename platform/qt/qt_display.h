// Finding a display Qt can open before Qt is asked to: Qt aborts the process
// when its platform plugin cannot connect, so the layer checks first.
#pragma once

#include <string>

// Picks the Qt platform plugin for the display named by the environment
// (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM) and checks that a connection
// can be made. On success *platform is the plugin name to give Qt; otherwise
// false with a one-line reason in *whyNot.
bool FindQtPlatform(std::string* platform, std::string* whyNot);
