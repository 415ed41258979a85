// A person's actions at the viewer, drawn at random from a seeded stream:
// keys of the key table and outside it, auto-repeat, Alt combinations, menu
// commands, the selector's boxes, presets, "OK" and close box, clicks on the
// main window, resizes, the About box and its ways out.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/hardening/session_model.h"

enum class ActionKind {
    Key,             // vk, text, modifiers, repeats
    MenuClick,       // command
    PopupClose,      // the open menu pop-up closed without a choice
    SelectorClick,   // control
    SelectorClose,   // the selector's close box
    AboutOkClick,
    AboutClose,      // the About box's close box
    MainClientClick,
    MainClose,       // the main window's close box
    Resize,          // width, height
};

struct Action {
    ActionKind kind = ActionKind::Key;
    WORD vk = 0;
    std::string text;
    unsigned modifiers = 0;
    int repeats = 0;
    UINT command = 0;
    int control = 0;
    int width = 0, height = 0;
};

std::string Describe(const Action& action);

// Changes the model as the action should change the program; returns
// whether the window system should accept it.
bool Expect(SessionModel& m, const Action& action);
// Does it, as the person; returns whether the window system accepted it.
bool Perform(const Action& action);

// The actions of the next step, drawn for the state the model is in. Keys
// for the main window come in bursts (they are all handled before the next
// paint); anything that can move the focus or open or close a window is a
// step of its own. `mayEnd` allows the exit command and the close box.
std::vector<Action> DrawStep(std::mt19937_64& random, const SessionModel& m, bool mayEnd);
// A way to end the program from the state the model is in: the About box
// is closed first if it is open.
Action DrawEnding(std::mt19937_64& random, const SessionModel& m);
