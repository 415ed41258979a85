// Finding a display Qt can open before Qt is asked to: Qt aborts the process
// when its platform plugin cannot connect, so the layer checks first.
#pragma once

#include <string>

// Picks the Qt platform plugin for the display named by the environment
// (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM) and checks that a connection
// can be made. On success *platform is the plugin name to give Qt; otherwise
// false with a one-line reason in *whyNot.
//
// An X server whose last client leaves resets itself and refuses connections
// for a moment (Xvfb does, between two short-lived programs). So a refused
// connection is tried again for a short while, and the connection of a
// successful check stays open until ReleaseDisplayCheck, after Qt has made
// its own.
bool FindQtPlatform(std::string* platform, std::string* whyNot);
void ReleaseDisplayCheck();
