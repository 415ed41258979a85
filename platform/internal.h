// The core's own records, shared by its files and by the backends that ship
// with the layer (the headless backend reads them to show a test what a
// person would see). Nothing here is part of the program's interface.
//
// Rules every core file keeps:
// - a handle is a number looked up in one of the tables below; numbers come
//   from one counter and are never given out twice in a process, so a dead
//   handle can never name a new object;
// - every entry point starts by looking its handles up and returns 0/null
//   when one is unknown;
// - the backend is called only through Core().backend.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/resource.h"
#include "platform/win32.h"

namespace core {

enum class WindowType { Frame, Dialog, Control };

struct Window {
    HWND handle = nullptr;
    WindowType type = WindowType::Frame;
    HWND owner = nullptr;   // frames and dialogs: owner; controls: their dialog
    WNDPROC proc = nullptr;       // frames
    DLGPROC dialogProc = nullptr; // dialogs
    UINT classStyle = 0;
    std::string text;  // caption, or a control's text
    DWORD style = 0;
    bool visible = false;
    bool enabled = true;
    bool needsPaint = false;
    bool destroying = false;
    int clientWidth = 0;
    int clientHeight = 0;
    HMENU menu = nullptr;
    BackendWindow* backend = nullptr;  // frames and dialogs
    HDC dc = nullptr;
    int pixelFormat = 0;
    int paintCount = 0;
    // Dialogs
    std::vector<HWND> controls;  // template order, which is tab order
    bool dialogEnded = false;
    INT_PTR dialogResult = 0;
    // Controls
    int controlIndex = -1;
    int controlId = -1;
    ControlKind controlKind = ControlKind::StaticText;
    bool checked = false;
    const IconResource* icon = nullptr;
};

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    UINT menuId = 0;  // 0: no class menu
};

struct MenuItem {
    MenuEntryKind kind;
    std::uint8_t depth;
    UINT id;
    std::string text;
    UINT type = 0;   // MFT_* bits
    UINT state = 0;  // MFS_* bits
};

struct Menu {
    HWND window = nullptr;  // the window whose menu bar it is
    std::vector<MenuItem> items;
};

struct KeyRecord {
    DWORD time;  // the posted key message's time, which names it
    std::string text;
    unsigned modifiers;
};

struct Context {
    BackendContext* backend = nullptr;
};

struct State {
    PlatformBackend* backend = nullptr;
    std::map<std::uintptr_t, std::unique_ptr<Window>> windows;  // by handle: creation order
    std::vector<WindowClass> classes;
    std::map<std::uintptr_t, Menu> menus;
    std::map<std::uintptr_t, std::pair<const ACCEL*, std::size_t>> accelerators;
    std::map<std::uintptr_t, const ResourceModule*> modules;
    std::map<std::uintptr_t, const IconResource*> icons;  // null resource: a stock icon
    std::map<std::uintptr_t, HWND> dcs;
    std::map<std::uintptr_t, Context> contexts;
    std::map<WORD, HICON> stockIcons;
    HCURSOR arrowCursor = nullptr;
    HGLRC currentContext = nullptr;
    HDC currentDC = nullptr;
    std::deque<MSG> queue;
    std::deque<KeyRecord> keyRecords;
    DWORD clock = 0;
    bool quitPosted = false;
    int quitCode = 0;
    HWND focus = nullptr;
    unsigned keyModifiers = 0;
    HWND openMenuWindow = nullptr;
    int openMenuEntry = -1;
    ATOM nextAtom = 0xC000;
};

State& Core();
bool Started();

// A number no handle of this process has had before.
std::uintptr_t NewHandleValue();
template <typename Handle>
Handle MakeHandle(std::uintptr_t value) {
    return reinterpret_cast<Handle>(value);
}
template <typename Handle>
std::uintptr_t HandleValue(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

// Live windows of every kind; null for null, dead or unknown handles.
Window* FindWindowObject(HWND handle);
// The frame or dialog a window or control belongs to.
Window* TopLevelOf(Window* window);
// A window can take input when it, its dialog and their top level are enabled.
bool AcceptsInput(Window* window);

// window_class.cpp
const WindowClass* FindClass(LPCSTR name);  // by name (any case) or by atom

// window.cpp
void MarkNeedsPaint(Window& window);
void DestroyEverything();
HWND MoveFocus(HWND target);  // no checks; sends WM_KILLFOCUS / WM_SETFOCUS
void EnableTopLevel(Window& window, bool enabled);

// message_queue.cpp
void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool atFront = false);
DWORD NextClock();
// Takes the next message for the filter, waiting in the backend when there
// is none; false for the quit request.
bool TakeMessage(MSG* msg, HWND filter, UINT filterMin, UINT filterMax);
// WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH on a window's own text; false
// for any other message.
bool HandleTextMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
void RememberKey(DWORD time, const char* text, unsigned modifiers);
const KeyRecord* FindKeyRecord(DWORD time);

// dialog.cpp
LRESULT ControlProc(Window& control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DialogDispatch(Window& dialog, UINT message, WPARAM wParam, LPARAM lParam);
void DestroyControls(Window& dialog);

// menu.cpp
HMENU CreateMenuFromResource(const MenuResource& resource);
std::vector<MenuEntry> MenuEntriesForBackend(const Menu& menu);
Menu* FindMenu(HMENU handle);
void DestroyMenuOf(Window& window);
int FindMenuCommand(const Menu& menu, UINT command);  // entry index or -1
void OpenMenuByMnemonic(Window& window, unsigned character);

// resources.cpp
const ResourceModule* FindModule(HINSTANCE instance);
const IconResource* FindIconResource(HICON icon);
const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCSTR name);
const MenuResource* FindMenuResource(HINSTANCE instance, UINT id);

// gl.cpp
void ForgetWindowDC(Window& window);

// utf8.cpp
// Copies text into buffer of size bytes, cut so that no character is split,
// always terminated; returns the number of bytes copied. size <= 0 copies
// nothing and returns 0.
int CopyText(const std::string& text, char* buffer, int size);
// The code points of a UTF-8 text; malformed bytes give U+FFFD.
std::vector<char32_t> DecodeUtf8(const char* text);

}  // namespace core
