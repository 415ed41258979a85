// The seam between the layer's core and a backend. The core owns every piece
// of state a program can observe (handles, texts, check states, focus, menu
// item states, the queue, what needs painting) and decides; a backend only
// shows that state on some screen, runs OpenGL, and reports what the person
// did through the Platform* input functions at the bottom of this file.
//
// A backend is one object derived from PlatformBackend, handed to
// PlatformStart. The core calls it only from the program's thread, and only
// through this table. Windows and contexts a backend makes are opaque to the
// core: it keeps the pointer inside its own window object and hands it back.
#pragma once

#include <span>

#include "resource.h"
#include "win32.h"

struct BackendWindow;   // a backend's own record of one top-level window
struct BackendContext;  // a backend's own OpenGL context

// What a dialog control is, decided by the core from its class and style.
enum class ControlKind {
    PushButton,
    DefaultPushButton,  // the one Enter presses
    CheckBox,           // an auto check box: it toggles itself when clicked
    GroupBox,
    StaticText,
    StaticIcon
};

// One child control of a dialog, with its position already in pixels from
// the dialog's client origin.
struct ControlDescription {
    HWND handle;                // the control's own handle
    int id;                     // -1 for a control nobody addresses
    ControlKind kind;
    DWORD style;                // the template's style bits (SS_CENTER, SS_SUNKEN, ...)
    const char* text;           // UTF-8; "&" marks a mnemonic unless SS_NOPREFIX
    bool checked;               // check boxes only
    const IconResource* icon;   // StaticIcon only; null when the icon is unknown
    int x, y, width, height;    // pixels
};

enum class WindowKind {
    Frame,  // an overlapped window: caption, frame, optional menu bar, client area for GL
    Dialog  // a dialog: caption, close box, child controls at fixed pixel positions
};

// Everything a backend needs to put one top-level window on the screen. The
// pointers stay valid only for the duration of the call; copy what you keep.
struct WindowDescription {
    HWND handle;
    WindowKind kind;
    BackendWindow* owner;  // null for an unowned window
    const char* title;     // UTF-8
    DWORD style;
    // Frame: screen position of the outer frame, or defaultPosition = true
    // for the backend's choice. Dialog: position of the dialog's client area
    // in pixels from the owner's client origin (from the screen's origin
    // when there is no owner).
    bool defaultPosition;
    int x, y;
    int clientWidth, clientHeight;  // pixels, already net of frame, caption and menu bar
    const IconResource* icon;       // the class icon; null for none
    // The menu bar, a flat list in display order (see MenuEntry). Empty for
    // no menu bar. An entry is named to the backend later by its index here.
    std::span<const MenuEntry> menu;
    std::span<const ControlDescription> controls;  // dialogs only; index = control index

    // Added for backends that draw real controls: the dialog template's font
    // (the one DialogUnits measured for the positions above), so that texts
    // are drawn in the font the layout was made for. Dialogs only; null and 0
    // leave the backend's own font. Defaulted, so existing initialisers stay
    // valid.
    const char* fontName = nullptr;  // UTF-8, as the template names it
    int fontPointSize = 0;
    // Dialogs: the id of the template they were made from; 0 otherwise.
    UINT templateId = 0;
};

struct DialogBaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

struct PlatformBackend {
    virtual ~PlatformBackend() = default;

    // ---- Windows -----------------------------------------------------------
    // Makes a window, hidden. Returns null when it cannot; the core then
    // fails the creating call and the window never exists.
    virtual BackendWindow* CreateWindow(const WindowDescription& description) = 0;
    // Removes a window from the screen and frees it; called after its owned
    // windows were destroyed and before its handle dies. Its GL contexts were
    // deleted or made non-current by the core first.
    virtual void DestroyWindow(BackendWindow* window) = 0;
    // Shows or hides a window; showing also brings it to the front.
    virtual void ShowWindow(BackendWindow* window, bool visible) = 0;
    // Greys out or restores a whole window (a modal dialog's owner); a
    // disabled window's input is refused by the core in any case.
    virtual void EnableWindow(BackendWindow* window, bool enabled) = 0;
    virtual void SetWindowTitle(BackendWindow* window, const char* title) = 0;

    // ---- Controls (index as in WindowDescription::controls) ---------------
    virtual void SetControlText(BackendWindow* dialog, int controlIndex, const char* text) = 0;
    virtual void SetControlChecked(BackendWindow* dialog, int controlIndex, bool checked) = 0;

    // ---- Focus -------------------------------------------------------------
    // Activates a top-level window and gives its keyboard focus to one
    // control, or to the window itself (its client area) for controlIndex -1.
    virtual void SetFocus(BackendWindow* window, int controlIndex) = 0;

    // ---- Menu bar (entry index as in WindowDescription::menu) -------------
    // A menu item's look changed: its text, radio form (MFT_RADIOCHECK) and
    // check mark (MFS_CHECKED).
    virtual void SetMenuItemLook(BackendWindow* window, int entryIndex, const char* text,
                                 bool radioForm, bool checked) = 0;
    // Drops down the menu bar's pop-up at entryIndex (Alt + its mnemonic).
    virtual void OpenMenuPopup(BackendWindow* window, int entryIndex) = 0;

    // ---- Waiting -----------------------------------------------------------
    // Blocks until the person did something (reported through the Platform*
    // input functions before returning) or Wake was called. Returns false
    // when no input will ever come again; the core then ends its loop as a
    // quit request with exit code -1.
    virtual bool Wait() = 0;
    // Makes a Wait in progress, or the next one, return at once.
    virtual void Wake() = 0;

    // ---- Measures ----------------------------------------------------------
    // SM_CXFRAME, SM_CYFRAME, SM_CYCAPTION and SM_CYMENU in pixels, such that
    // client width = outer width - 2 * SM_CXFRAME and client height = outer
    // height - 2 * SM_CYFRAME - SM_CYCAPTION - SM_CYMENU (with a menu bar).
    // 0 for any other index.
    virtual int SystemMetric(int index) = 0;
    // Base units of a template font, for x_px = x * base.x / 4 and
    // y_px = y * base.y / 8. Never zero: an unknown font gets a stand-in.
    virtual DialogBaseUnits DialogUnits(const char* fontName, int pointSize) = 0;

    // ---- Message box -------------------------------------------------------
    // Shows a modal box with one OK button over owner (may be null) and
    // returns when it is dismissed, with IDOK. The core has disabled the
    // owner around the call.
    virtual int MessageBox(BackendWindow* owner, const char* text, const char* caption,
                           UINT type) = 0;

    // ---- OpenGL ------------------------------------------------------------
    // The closest supported format to the request, as an index > 0; 0 when
    // nothing fits.
    virtual int ChoosePixelFormat(const PIXELFORMATDESCRIPTOR& request) = 0;
    // Gives a window's client area a format (once per window; the core
    // refuses a second one). False when the format is unknown or fails.
    virtual bool SetPixelFormat(BackendWindow* window, int format) = 0;
    // A context for a window whose format is set; null on failure. It keeps
    // its display lists for its whole life, whatever the window goes through
    // (shown, hidden, resized).
    virtual BackendContext* CreateContext(BackendWindow* window) = 0;
    // Binds a context to a window's client area on this thread; both null
    // unbinds whatever is current. False when it cannot.
    virtual bool MakeCurrent(BackendWindow* window, BackendContext* context) = 0;
    // Frees a context that is not current (the core unbinds it first).
    virtual void DeleteContext(BackendContext* context) = 0;
    // Shows what was drawn into a window's back buffer. False on failure.
    virtual bool SwapBuffers(BackendWindow* window) = 0;
};

// ---- Input: what a backend reports to the core -------------------------------
// Each one runs the core's rules at once (posting or sending messages,
// refusing input to disabled windows) and may call back into the backend.

// Modifier bits for PlatformKey; the same values as the headless KeyModifier.
inline constexpr unsigned InputShift = 1;
inline constexpr unsigned InputControl = 2;
inline constexpr unsigned InputAlt = 4;

// A key went down (or up) on the keyboard: the core posts WM_KEYDOWN /
// WM_KEYUP, or WM_SYSKEYDOWN / WM_SYSKEYUP with Alt, to the focus window,
// remembering text (UTF-8, empty for keys that give none) for
// TranslateMessage. autoRepeat marks a repeated down. Ignored when nothing
// has the focus or the focus window is disabled.
void PlatformKey(WORD vk, bool down, const char* text, unsigned modifiers, bool autoRepeat);
// A push button or check box was clicked with the mouse. Returns false when
// the core refused it (dead, hidden or disabled control or dialog).
bool PlatformControlClicked(HWND control);
// A menu item was chosen: WM_COMMAND (command) is posted to the menu's
// window. False when the window is dead or disabled or has no such item.
bool PlatformMenuItemChosen(HWND handle, UINT command);
// The menu bar's open pop-up was closed without a choice (Esc, a click
// elsewhere): the bar is idle again, so the same mnemonic opens it anew.
void PlatformMenuClosed(HWND handle);
// A close box was pressed: WM_CLOSE to a window, WM_COMMAND IDCANCEL to a
// dialog. False when the window is dead or disabled.
bool PlatformCloseBoxPressed(HWND handle);
// The client area was clicked: its window takes the keyboard focus.
bool PlatformClientClicked(HWND handle);
// The client area now has this size (height 0 when minimised): WM_SIZE, and
// a repaint for CS_HREDRAW / CS_VREDRAW classes.
void PlatformClientResized(HWND handle, int width, int height);
// Part of a window became visible and must be painted again.
void PlatformWindowExposed(HWND handle);
