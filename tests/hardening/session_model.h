// What a person at the viewer should see after each of their actions, worked
// out on its own from the rules of the keys, commands, tile selector and
// About box: the view numbers, the selector's boxes, label and number fields,
// where the keyboard focus is, which windows are open, which menu pop-up is
// open and how many frames have been drawn.
#pragma once

#include <cstdint>
#include <string>

#include "geometry/tiles.h"
#include "platform/win32.h"

enum class FocusKind { None, Main, SelectorControl, AboutOk };

struct FocusModel {
    FocusKind kind = FocusKind::Main;
    int control = 0;       // the selector control, for SelectorControl
    int selectorLife = 0;  // which opening of the selector that control belongs to
    friend bool operator==(const FocusModel&, const FocusModel&) = default;
};

// Fields 1085..1091 in order.
inline constexpr int StatusFieldCount = 7;

struct SessionModel {
    // The view. The distance is kept wider than the program's own integer so
    // that a wrap past the 32-bit limits shows as a difference.
    std::int64_t distance = 80;
    int step = 1, clip = 1, latitude = 0, longitude = 0, yaw = 0, pitch = 0, roll = 0, lookAround = 0;
    float grey = 0.25f;

    // The selection: what is drawn, what the boxes show, the preset label.
    bool tiles[TileCount] = {};
    bool boxes[TileCount] = {};
    std::string label;

    bool selectorOpen = true;
    int selectorLife = 1;
    std::string fields[StatusFieldCount];

    bool aboutOpen = false;
    FocusModel focusBeforeAbout;
    FocusModel focus;
    std::string openPopup;  // the menu-bar pop-up Alt with a mnemonic opened

    int width = 512, height = 512;
    bool invalidated = false;
    int swaps = 1;  // the first frame is drawn while the window is shown
    bool ended = false;
};

// The state right after start-up, once the loop has given the focus to the
// main window.
SessionModel StartModel();

// Each Expect function changes the model as the person's action should
// change the program, and returns whether the window system should accept
// the action at all (a click on a disabled or closed window is refused).
void ExpectKey(SessionModel& m, WORD vk, const char* text, unsigned modifiers, int repeats);
bool ExpectMenuClick(SessionModel& m, UINT command);
bool ExpectSelectorClick(SessionModel& m, int control);
bool ExpectSelectorCloseBox(SessionModel& m);
bool ExpectAboutClose(SessionModel& m);  // its "OK" or its close box
bool ExpectMainClientClick(SessionModel& m);
bool ExpectMainCloseBox(SessionModel& m);
void ExpectResize(SessionModel& m, int width, int height);
// The test itself moved the distance (no person can reach the 32-bit limits
// by hand) and asked for a repaint.
void ExpectDistanceSet(SessionModel& m, int value);
// Once everything an action caused has been handled: the paint, if one is due.
void ExpectPaint(SessionModel& m);
