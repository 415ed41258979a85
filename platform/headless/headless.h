// The headless backend: windows that live only in memory and an offscreen
// Mesa OpenGL context, driven by tests the way a person at the screen would
// drive the real thing. Every action goes through the same core paths as
// input from a real backend.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

struct PlatformBackend;

// ---- Life ------------------------------------------------------------------
// Starts the layer on the headless backend (PlatformStart inside). Returns
// false when no offscreen GL is available.
bool HeadlessStart();
// PlatformStop, and forgets everything recorded.
void HeadlessStop();

// When GetMessageA (or a modal loop) finds nothing to do, the person acts:
// the handler is called and performs the next action (press a key, click,
// close, ...). It returns false when the person has nothing more to do; the
// wait then ends the loop as a quit request with exit code -1 would, and
// HeadlessRanOutOfInput() turns true, so a test that forgot to close the
// program fails instead of hanging.
using IdleHandler = std::function<bool()>;
void HeadlessSetIdleHandler(IdleHandler handler);
bool HeadlessRanOutOfInput();

// A scripted person: each step runs once, at the next idle moment, after
// everything the previous step caused has been handled and painted.
void HeadlessScript(std::vector<std::function<void()>> steps);

// ---- Keyboard (to the focus window) ----------------------------------------
enum KeyModifier : unsigned { NoModifier = 0, ShiftKey = 1, ControlKey = 2, AltKey = 4 };
// A key goes down with the text it produces (empty for keys that give none):
// WM_KEYDOWN, or WM_SYSKEYDOWN with Alt, is posted to the focus window;
// TranslateMessage makes WM_CHAR / WM_SYSCHAR from the text.
void HeadlessKeyDown(WORD vk, const char* text = "", unsigned modifiers = NoModifier);
void HeadlessKeyUp(WORD vk, unsigned modifiers = NoModifier);
// Down, then `repeats` auto-repeat downs, then up.
void HeadlessPressKey(WORD vk, const char* text = "", unsigned modifiers = NoModifier,
                      int repeats = 0);
// The key a character is typed with on a US keyboard layout and its
// modifiers, e.g. '?' -> VK_OEM_2 with Shift; used by HeadlessTypeChar.
void HeadlessTypeChar(char c, unsigned modifiers = NoModifier);

// ---- Mouse -----------------------------------------------------------------
// Clicks a push button or check box (an auto check box toggles itself first,
// then the dialog gets WM_COMMAND BN_CLICKED). Returns false for a control
// that cannot be clicked (hidden, disabled, owner disabled, dead).
bool HeadlessClick(HWND control);
bool HeadlessClickDialogItem(HWND dialog, int controlId);
// Clicks a menu item of a window's menu bar by command; WM_COMMAND is posted.
bool HeadlessClickMenuItem(HWND window, UINT command);
// Clicks a window's close box: WM_CLOSE for a window, WM_COMMAND IDCANCEL
// for a dialog.
bool HeadlessClickCloseBox(HWND window);
// Clicks into a window's client area (it takes the focus).
bool HeadlessClickClient(HWND window);
// The person drags the frame until the client area is width x height
// (zero height as when minimised): WM_SIZE, and a repaint for CS_HREDRAW /
// CS_VREDRAW classes.
bool HeadlessResizeClient(HWND window, int width, int height);

// ---- What a person sees ----------------------------------------------------
// Top-level windows alive now, in creation order, and their captions.
std::vector<HWND> HeadlessTopLevelWindows();
std::string HeadlessWindowText(HWND window);
HWND HeadlessFindTopLevel(const char* caption);  // null when none
bool HeadlessIsVisible(HWND window);
// The text and check state of a dialog control.
std::string HeadlessDialogItemText(HWND dialog, int controlId);
bool HeadlessDialogItemChecked(HWND dialog, int controlId);
// The keyboard focus (a window or a control), null when none.
HWND HeadlessFocus();

struct MenuItemView {
    bool exists;
    std::string text;
    bool radioForm;  // MFT_RADIOCHECK
    bool checked;    // MFS_CHECKED
};
MenuItemView HeadlessMenuItem(HWND window, UINT command);
// The text of the menu-bar pop-up that Alt with its mnemonic letter opened
// on a window, e.g. "ﾌｧｲﾙ(&F)"; empty while none is open.
std::string HeadlessOpenMenuPopup(HWND window);
// The person closes the open pop-up without choosing (Esc or a click elsewhere).
void HeadlessCloseMenuPopup(HWND window);

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
// Every box shown since start (each was answered with IDOK).
const std::vector<MessageBoxRecord>& HeadlessMessageBoxes();

// The picture of the last SwapBuffers on a window's device context: pixel
// (x, y) from the top-left corner of the client area, as 0xRRGGBB.
std::uint32_t HeadlessPixel(HWND window, int x, int y);
int HeadlessFrameWidth(HWND window);
int HeadlessFrameHeight(HWND window);
// How many buffer swaps a window has had, and how many WM_PAINT it got.
int HeadlessSwapCount(HWND window);
int HeadlessPaintCount(HWND window);

// ---- Faults a test can inject ------------------------------------------------
// ChoosePixelFormat returns 0 / SetPixelFormat fails from now on.
void HeadlessFailChoosePixelFormat(bool fail);
void HeadlessFailSetPixelFormat(bool fail);
// CreateDialogParamA of this template id returns null from now on (0: none).
void HeadlessFailDialogCreation(UINT templateId);
