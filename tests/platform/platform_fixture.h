// What the layer's tests share: a small resource module of their own, a
// frame window class and a dialog procedure that record what they are sent,
// and a message loop in the program's order (dialog, accelerators, dispatch).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace fixture {

// Resource numbers of the test module.
inline constexpr UINT TitleString = 103;
inline constexpr UINT JapaneseString = 200;
inline constexpr UINT MenuId = 109;
inline constexpr UINT CharAccelerators = 109;  // Alt+'?' and Alt+'/' give AboutCommand
inline constexpr UINT KeyAccelerators = 110;   // Ctrl+Q (a virtual key) gives QuitCommand
inline constexpr UINT SelectorDialog = 129;    // modeless, MS P Gothic 9 pt
inline constexpr UINT AboutDialog = 103;       // modal, System
inline constexpr UINT IconId = 107;
inline constexpr WORD AboutCommand = 104;
inline constexpr WORD ExitCommand = 105;
inline constexpr WORD QuitCommand = 300;
inline constexpr WORD StepOne = 32773, StepTwo = 32774, StepFive = 32775;
inline constexpr WORD BlackCommand = 32776;
inline constexpr int CheckA = 1001, CheckB = 1002, PresetButton = 1024, StatusField = 1085;
inline constexpr int IconControl = 2;

struct Event {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Everything the recording procedures saw, in order.
extern std::vector<Event> Events;
// Set by a test to the handle a creating call returned; procedures record
// whether the handle was already known when they ran.
extern HWND KnownHandle;
extern bool HandleKnownDuringCreate;
// What the recording dialog procedure returns for WM_INITDIALOG.
extern INT_PTR InitDialogResult;
// When set, IDOK / IDCANCEL end the dialog with EndDialog (a modal box).
extern bool EndDialogOnCommand;

// Records, answers WM_INITDIALOG with InitDialogResult, takes WM_COMMAND.
INT_PTR RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

std::vector<UINT> MessagesTo(HWND window);
int CountOf(HWND window, UINT message);
std::vector<WORD> CommandsTo(HWND window);

class Platform : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A frame window of the recording class, 512 x 512 client area with a
    // menu bar; visible when show is set.
    HWND CreateFrame(bool show = true);
    HWND CreateSelector(HWND owner);
    // The program's loop; selector may change while it runs.
    int RunLoop(HWND* selector, HACCEL accelerators);
    HINSTANCE instance = nullptr;
};

}  // namespace fixture
