// The commands of menu 109 and accelerator table 109, one table row per
// command, and the About box they can open.
#include "render/frame.h"
#include "render/view_state.h"
#include "resources/ids.h"
#include "shell/shell.h"

namespace {

constexpr UINT StepCommands[] = {CommandStep1, CommandStep2, CommandStep5};

// The chosen item gets the radio mark, the other two lose it, in ascending
// order of command. The menu is fetched afresh for every call.
void MarkStep(UINT chosen) {
    StepMenuItem.fMask = MIIM_STATE;
    StepMenuItem.fState = MFS_CHECKED;
    SetMenuItemInfoA(GetMenu(MainWindow), chosen, FALSE, &StepMenuItem);
    StepMenuItem.fState = MFS_UNCHECKED;
    for (UINT command : StepCommands) {
        if (command != chosen) SetMenuItemInfoA(GetMenu(MainWindow), command, FALSE, &StepMenuItem);
    }
}

void SetBackground(float grey) {
    background[0] = grey;
    background[1] = grey;
    background[2] = grey;
    InvalidateRect(MainWindow, nullptr, FALSE);
}

void ShowAbout() {
    DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(AboutDialog), MainWindow, AboutProc, 0);
}
void Exit() { DestroyWindow(MainWindow); }
void OpenTileSelector() {
    if (TileSelector == nullptr) {
        TileSelector = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(TileSelectorDialog),
                                          MainWindow, TileSelectorProc, 0);
    }
    // A selector that could not be created leaves the focus where it is:
    // focusing "no window" would take the keys from the main window on window
    // systems that allow it. The next command tries again.
    if (TileSelector != nullptr) SetFocus(GetDlgItem(TileSelector, IDOK));
}
void Step1() {
    step = 1;
    MarkStep(CommandStep1);
}
void Step2() {
    step = 2;
    MarkStep(CommandStep2);
}
void Step5() {
    step = 5;
    MarkStep(CommandStep5);
}
void BackgroundBlack() { SetBackground(0.0f); }
void BackgroundGrey25() { SetBackground(0.25f); }
void BackgroundGrey75() { SetBackground(0.75f); }

struct CommandRow {
    UINT command;
    void (*action)();
};

// clang-format off
// command              action
const CommandRow CommandTable[] = {
    {CommandAbout,        ShowAbout},
    {CommandExit,         Exit},
    {CommandTileSelector, OpenTileSelector},
    {CommandStep1,        Step1},
    {CommandStep2,        Step2},
    {CommandStep5,        Step5},
    {CommandBackBlack,    BackgroundBlack},
    {CommandBackGrey25,   BackgroundGrey25},
    {CommandBackGrey75,   BackgroundGrey75},
};
// clang-format on

}  // namespace

LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // The high word (menu or accelerator) is not read: both act alike.
    const UINT command = LOWORD(wParam);
    for (const CommandRow& row : CommandTable) {
        if (row.command != command) continue;
        row.action();
        return 0;
    }
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

INT_PTR AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;  // the focus goes to "OK"
    if (message == WM_COMMAND) {
        const int control = LOWORD(wParam);
        if (control == IDOK || control == IDCANCEL) {
            EndDialog(dialog, control);
            return TRUE;
        }
    }
    return FALSE;
}
