// The program as the person finds it, compared with the model of what they
// should find.
#pragma once

#include <string>

#include "platform/win32.h"
#include "tests/hardening/session_model.h"

// The windows, by the texts of their captions.
HWND ViewerWindow();
HWND SelectorWindow();
HWND AboutWindow();
int CountTopLevel(const char* caption);

// Every difference between the program and the model, one per line; empty
// when they agree. Also checks the ranges the view numbers must stay in,
// whatever the model says.
std::string CompareWithProgram(const SessionModel& m);
