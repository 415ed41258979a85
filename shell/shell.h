// The program itself: start-up, the main window, the tile selector, the keys
// and menu commands, and the About box, written against the window layer.
#pragma once

#include "platform/win32.h"

inline constexpr int TextBufferSize = 100;  // 99 characters and the terminating zero

// Process-wide handles and records; all start null or zero. MainDC and
// TileSelector live with the frame (render/frame.h).
extern HINSTANCE AppInstance;
extern HWND MainWindow;
extern HGLRC MainGLContext;
extern MENUITEMINFOA StepMenuItem;
extern char WindowTitle[TextBufferSize];
extern char WindowClassName[TextBufferSize];

// Start-up and the main window.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);
void RegisterMainClass(HINSTANCE instance);
bool CreateMainWindow(HINSTANCE instance, int showCommand);
int SetupPixelFormat(HDC dc);
LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tile selector.
INT_PTR TileSelectorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void ChoosePreset(const char* letters, int button);

// Keys and commands of the main window.
LRESULT HandleKeyDown(WPARAM virtualKey);
LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);
INT_PTR AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts every process-wide variable of the program (view, selection, preset
// label, handles, menu record, texts) back to its value at program start, so
// that one process can run the program more than once.
void ResetProgramState();
