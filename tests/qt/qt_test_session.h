// One Qt layer per test process, and the loop helpers the window tests use.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

class QWidget;
class GLClientWindow;

// Starts the layer on Qt the first time; false when no display exists at
// all, with the reason in *skipReason. A display that exists but cannot be
// used is a failure: *failure is set then.
bool StartQtSession(std::string* skipReason, std::string* failure);

HINSTANCE TestInstance();

// Messages the test procedures got, in order.
struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Received>& ReceivedMessages();
// How many of a message (and, unless 0, of a wParam) a window got.
int CountReceived(HWND window, UINT message, WPARAM wParam = 0);

// A frame of the test class: menu TestMenuId, icon TestIconId, procedure
// `procedure` (a recorder passing everything on when null), outer size made
// from a client area of clientWidth x clientHeight and the system metrics,
// as a program computes it. Not shown yet.
HWND CreateTestFrame(const char* title, int clientWidth, int clientHeight,
                     WNDPROC procedure = nullptr);

// Runs the program's loop (dialog keys for `dialog` first, then translate and
// dispatch) until done() holds; false when it did not within timeoutMs or
// the loop took a quit request.
bool PumpUntil(const std::function<bool()>& done, HWND dialog = nullptr, int timeoutMs = 5000);
// Runs the loop over everything queued now, then returns.
void PumpQueued(HWND window, HWND dialog = nullptr);

// The Qt widgets and windows behind a layer window.
QWidget* TopWidgetOf(HWND window);
GLClientWindow* GLWindowOf(HWND window);
// Lets Qt handle what the X server sent so far (focus, exposure).
void LetQtCatchUp(int milliseconds = 50);

#define START_QT_OR_SKIP()                                        \
    do {                                                          \
        std::string skipReason_;                                  \
        std::string failure_;                                     \
        if (!StartQtSession(&skipReason_, &failure_)) {           \
            if (!failure_.empty()) FAIL() << failure_;            \
            GTEST_SKIP() << skipReason_;                          \
        }                                                         \
    } while (false)
