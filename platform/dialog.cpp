// Dialogs from templates: creation with WM_INITDIALOG inside, the modal
// loop, EndDialog, and the controls' own message handling.
#include <cstdlib>

#include "platform/internal.h"

namespace core {

namespace {

bool SameClass(const char* a, const char* b) {
    if (a == nullptr) return false;
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if ((*a & ~0x20) != (*b & ~0x20)) return false;
    return *a == *b;
}

// The kind of control a template line makes; false for a class we don't have.
bool KindOf(const DialogControlTemplate& line, ControlKind* kind) {
    if (SameClass(line.className, ButtonClass)) {
        switch (line.style & BS_TYPEMASK) {
            case BS_DEFPUSHBUTTON: *kind = ControlKind::DefaultPushButton; return true;
            case BS_AUTOCHECKBOX: *kind = ControlKind::CheckBox; return true;
            case BS_GROUPBOX: *kind = ControlKind::GroupBox; return true;
            default: *kind = ControlKind::PushButton; return true;
        }
    }
    if (SameClass(line.className, StaticClass)) {
        *kind = (line.style & SS_TYPEMASK) == SS_ICON ? ControlKind::StaticIcon : ControlKind::StaticText;
        return true;
    }
    return false;
}

bool IsClickable(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton || kind == ControlKind::CheckBox;
}

HWND FirstTabStop(const Window& dialog) {
    for (HWND handle : dialog.controls) {
        Window* control = FindWindowObject(handle);
        if (control != nullptr && (control->style & WS_TABSTOP) != 0 && control->visible && control->enabled)
            return handle;
    }
    return nullptr;
}

HWND CreateDialogWindow(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc, LPARAM initParam,
                        bool modal) {
    if (!Started()) return nullptr;
    const DialogTemplate* dialogTemplate = FindDialogTemplate(instance, templateName);
    if (dialogTemplate == nullptr) return nullptr;
    Window* ownerWindow = nullptr;
    if (owner != nullptr) {
        ownerWindow = TopLevelOf(FindWindowObject(owner));
        if (ownerWindow == nullptr || ownerWindow->destroying) return nullptr;
    }
    State& state = Core();
    DialogBaseUnits units = state.backend->DialogUnits(dialogTemplate->fontName, dialogTemplate->pointSize);
    auto toX = [&](int x) { return x * units.x / 4; };
    auto toY = [&](int y) { return y * units.y / 8; };

    auto owned = std::make_unique<Window>();
    Window& dialog = *owned;
    dialog.handle = MakeHandle<HWND>(NewHandleValue());
    dialog.type = WindowType::Dialog;
    dialog.owner = ownerWindow != nullptr ? ownerWindow->handle : nullptr;
    dialog.dialogProc = dialogProc;
    dialog.text = dialogTemplate->caption != nullptr ? dialogTemplate->caption : "";
    dialog.style = dialogTemplate->style & ~WS_VISIBLE;
    dialog.enabled = (dialogTemplate->style & WS_DISABLED) == 0;
    dialog.clientWidth = toX(dialogTemplate->cx);
    dialog.clientHeight = toY(dialogTemplate->cy);

    std::vector<std::unique_ptr<Window>> controls;
    std::vector<ControlDescription> descriptions;
    for (const DialogControlTemplate& line : dialogTemplate->controls) {
        ControlKind kind{};
        if (!KindOf(line, &kind)) return nullptr;
        auto control = std::make_unique<Window>();
        control->handle = MakeHandle<HWND>(NewHandleValue());
        control->type = WindowType::Control;
        control->owner = dialog.handle;
        control->text = line.text != nullptr ? line.text : "";
        control->style = line.style;
        control->visible = (line.style & WS_VISIBLE) != 0;
        control->enabled = (line.style & WS_DISABLED) == 0;
        control->controlIndex = static_cast<int>(controls.size());
        control->controlId = line.id;
        control->controlKind = kind;
        control->clientWidth = toX(line.cx);
        control->clientHeight = toY(line.cy);
        if (kind == ControlKind::StaticIcon && line.text != nullptr) {
            long id = std::strtol(line.text, nullptr, 10);
            if (id > 0 && id <= 0xFFFF)
                control->icon = FindIconResource(LoadIconA(instance, MAKEINTRESOURCEA(static_cast<WORD>(id))));
        }
        descriptions.push_back(ControlDescription{control->handle, line.id, kind, line.style,
                                                  control->text.c_str(), false, control->icon, toX(line.x),
                                                  toY(line.y), control->clientWidth, control->clientHeight});
        dialog.controls.push_back(control->handle);
        controls.push_back(std::move(control));
    }

    WindowDescription description{};
    description.handle = dialog.handle;
    description.kind = WindowKind::Dialog;
    description.owner = ownerWindow != nullptr ? ownerWindow->backend : nullptr;
    description.title = dialog.text.c_str();
    description.style = dialogTemplate->style;
    description.defaultPosition = false;
    description.x = toX(dialogTemplate->x);
    description.y = toY(dialogTemplate->y);
    description.clientWidth = dialog.clientWidth;
    description.clientHeight = dialog.clientHeight;
    description.controls = descriptions;
    description.fontName = dialogTemplate->fontName;
    description.fontPointSize = dialogTemplate->pointSize;
    description.templateId = IS_INTRESOURCE(templateName) ? LOWORD(reinterpret_cast<std::uintptr_t>(templateName)) : 0;
    dialog.backend = state.backend->CreateWindow(description);
    if (dialog.backend == nullptr) return nullptr;

    HWND handle = dialog.handle;
    state.windows.emplace(HandleValue(handle), std::move(owned));
    for (auto& control : controls) state.windows.emplace(HandleValue(control->handle), std::move(control));

    // The creator learns the handle only after WM_INITDIALOG ran.
    HWND firstTabStop = FirstTabStop(*FindWindowObject(handle));
    LRESULT wantsFocus = SendMessageA(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), initParam);
    if (FindWindowObject(handle) == nullptr) return nullptr;
    if (wantsFocus != FALSE && FindWindowObject(firstTabStop) != nullptr) SetFocus(firstTabStop);
    Window* created = FindWindowObject(handle);
    if (created != nullptr && !modal && (dialogTemplate->style & WS_VISIBLE) != 0 && !created->dialogEnded)
        ShowWindow(handle, SW_SHOW);
    return FindWindowObject(handle) != nullptr ? handle : nullptr;
}

void Toggle(Window& control) {
    control.checked = !control.checked;
    Window* dialog = FindWindowObject(control.owner);
    if (dialog != nullptr) Core().backend->SetControlChecked(dialog->backend, control.controlIndex, control.checked);
}

}  // namespace

void DestroyControls(Window& dialog) {
    for (HWND control : dialog.controls) Core().windows.erase(HandleValue(control));
    dialog.controls.clear();
}

LRESULT ControlProc(Window& control, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleTextMessage(control, message, wParam, lParam, &result)) return result;
    bool checkBox = control.controlKind == ControlKind::CheckBox;
    switch (message) {
        case BM_GETCHECK:
            return static_cast<LRESULT>(checkBox && control.checked ? BST_CHECKED : BST_UNCHECKED);
        case BM_SETCHECK:
            if (checkBox && (wParam == BST_CHECKED || wParam == BST_UNCHECKED) &&
                control.checked != (wParam == BST_CHECKED))
                Toggle(control);
            return 0;
        case BM_CLICK: {
            if (!IsClickable(control.controlKind) || !control.visible || !AcceptsInput(&control)) return 0;
            Window* dialog = FindWindowObject(control.owner);
            if (dialog == nullptr || !dialog->visible) return 0;
            HWND handle = control.handle;
            HWND dialogHandle = dialog->handle;
            WPARAM command = MAKEWPARAM(static_cast<WORD>(control.controlId), BN_CLICKED);
            // A button takes the focus when it is pressed; a check box
            // changes before its dialog hears of it.
            SetFocus(handle);
            Window* still = FindWindowObject(handle);
            if (still == nullptr) return 0;
            if (checkBox) Toggle(*still);
            SendMessageA(dialogHandle, WM_COMMAND, command, reinterpret_cast<LPARAM>(handle));
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT DialogDispatch(Window& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = dialog.handle;
    DLGPROC proc = dialog.dialogProc;
    INT_PTR handled = proc != nullptr ? proc(handle, message, wParam, lParam) : FALSE;
    if (handled != FALSE) return handled;
    // Default dialog handling, for a dialog that may have died meanwhile.
    Window* still = FindWindowObject(handle);
    if (still == nullptr) return 0;
    LRESULT result = 0;
    if (HandleTextMessage(*still, message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(handle, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            SendMessageA(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(handle, IDCANCEL)));
            return 0;
        default:
            return 0;
    }
}

}  // namespace core

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    return core::CreateDialogWindow(instance, templateName, owner, dialogProc, initParam, false);
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    using namespace core;
    HWND focusBefore = Core().focus;
    HWND dialog = CreateDialogWindow(instance, templateName, owner, dialogProc, initParam, true);
    if (dialog == nullptr) return -1;
    Window* ownerWindow = FindWindowObject(FindWindowObject(dialog)->owner);
    HWND ownerHandle = ownerWindow != nullptr ? ownerWindow->handle : nullptr;
    bool disabledOwner = false;
    if (ownerWindow != nullptr && ownerWindow->enabled) {
        EnableTopLevel(*ownerWindow, false);
        disabledOwner = true;
    }
    Window* box = FindWindowObject(dialog);
    if (box != nullptr && !box->dialogEnded) {
        ShowWindow(dialog, SW_SHOW);
        Window* focus = FindWindowObject(Core().focus);
        if (FindWindowObject(dialog) != nullptr && (focus == nullptr || TopLevelOf(focus)->handle != dialog))
            SetFocus(dialog);
    }
    while (true) {
        box = FindWindowObject(dialog);
        if (box == nullptr || box->dialogEnded) break;
        MSG msg{};
        if (!TakeMessage(&msg, nullptr, 0, 0)) {
            // The quit request belongs to the outer loop: hand it on.
            PostQuitMessage(static_cast<int>(static_cast<LPARAM>(msg.wParam)));
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    box = FindWindowObject(dialog);
    INT_PTR result = box != nullptr && box->dialogEnded ? box->dialogResult : -1;
    Window* ownerNow = FindWindowObject(ownerHandle);
    if (disabledOwner && ownerNow != nullptr) EnableTopLevel(*ownerNow, true);
    if (box != nullptr) DestroyWindow(dialog);
    Window* previous = FindWindowObject(focusBefore);
    if (previous != nullptr && AcceptsInput(previous))
        SetFocus(focusBefore);
    else if (FindWindowObject(ownerHandle) != nullptr)
        SetFocus(ownerHandle);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    core::Window* window = core::FindWindowObject(dialog);
    if (window == nullptr || window->type != core::WindowType::Dialog || window->dialogEnded) return FALSE;
    window->dialogEnded = true;
    window->dialogResult = result;
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int controlId) {
    core::Window* window = core::FindWindowObject(dialog);
    if (window == nullptr || window->type != core::WindowType::Dialog) return nullptr;
    for (HWND handle : window->controls) {
        core::Window* control = core::FindWindowObject(handle);
        if (control != nullptr && control->controlId == controlId) return handle;
    }
    return nullptr;
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    using namespace core;
    if (!Started()) return 0;
    Window* ownerWindow = nullptr;
    if (owner != nullptr) {
        ownerWindow = TopLevelOf(FindWindowObject(owner));
        if (ownerWindow == nullptr) return 0;
    }
    HWND ownerHandle = ownerWindow != nullptr ? ownerWindow->handle : nullptr;
    bool disabledOwner = ownerWindow != nullptr && ownerWindow->enabled;
    if (disabledOwner) EnableTopLevel(*ownerWindow, false);
    ownerWindow = FindWindowObject(ownerHandle);
    int answer = Core().backend->MessageBox(ownerWindow != nullptr ? ownerWindow->backend : nullptr,
                                            text != nullptr ? text : "", caption != nullptr ? caption : "", type);
    Window* ownerNow = FindWindowObject(ownerHandle);
    if (disabledOwner && ownerNow != nullptr) EnableTopLevel(*ownerNow, true);
    return answer;
}
