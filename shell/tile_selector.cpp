// The tile selector's dialog procedure: it fills itself from the current
// selection and view, takes presets and hand-made choices, and hands a
// confirmed choice to the scene list.
#include "geometry/selection.h"
#include "render/frame.h"
#include "render/scene.h"
#include "resources/ids.h"
#include "shell/shell.h"

namespace {

void ShowTileFlags(HWND dialog) {
    for (int i = 0; i < TileCount; ++i) {
        SendMessageA(GetDlgItem(dialog, FirstTileBox + i), BM_SETCHECK,
                     TileFlags[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void ShowPresetLabel(HWND dialog) {
    SendMessageA(GetDlgItem(dialog, PresetLabelField), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(PresetLabel));
}

// Runs inside CreateDialogParamA, before the creator holds the handle, so it
// works on the dialog it is given.
void OnInitDialog(HWND dialog) {
    ShowTileFlags(dialog);
    ShowPresetLabel(dialog);
    UpdateStatusFields(dialog);
    // The selector is created last but must not keep the keyboard: the main
    // window takes it back once the loop runs.
    PostMessageA(GetParent(dialog), WM_USER, 0, 0);
}

void ConfirmSelection(HWND dialog) {
    for (int i = 0; i < TileCount; ++i) {
        const LRESULT state = SendMessageA(GetDlgItem(dialog, FirstTileBox + i), BM_GETCHECK, 0, 0);
        TileFlags[i] = state != BST_UNCHECKED ? 1 : 0;
    }
    BuildSceneList();
    const HWND owner = GetParent(dialog);
    InvalidateRect(owner, nullptr, FALSE);
    SetFocus(owner);
}

void CloseSelector(HWND dialog) {
    DestroyWindow(dialog);
    TileSelector = nullptr;
}

const Preset* PresetOfButton(int button) {
    const int row = button - FirstPresetButton;
    if (row < 0 || row >= PresetCount) return nullptr;
    return &PresetTable[row];
}

}  // namespace

INT_PTR TileSelectorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        OnInitDialog(dialog);
        return FALSE;  // no control takes the focus
    }
    if (message != WM_COMMAND) return FALSE;

    const int control = LOWORD(wParam);
    if (control == IDOK) {
        ConfirmSelection(dialog);
        return FALSE;
    }
    if (control == IDCANCEL) {
        CloseSelector(dialog);
        return TRUE;
    }
    if (const Preset* preset = PresetOfButton(control)) ChoosePreset(preset->letters, control);
    return FALSE;
}

void ChoosePreset(const char* letters, int button) {
    ApplyPreset(letters);
    ShowTileFlags(TileSelector);
    // The caption is copied with its size limit: at most 32 characters.
    SendMessageA(GetDlgItem(TileSelector, button), WM_GETTEXT, PresetLabelSize,
                 reinterpret_cast<LPARAM>(PresetLabel));
    ShowPresetLabel(TileSelector);
    SetFocus(GetDlgItem(TileSelector, IDOK));
}
