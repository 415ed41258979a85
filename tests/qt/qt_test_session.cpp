#include "tests/qt/qt_test_session.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "platform/platform.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_gl.h"
#include "platform/qt/qt_state.h"
#include "platform/qt/qt_window.h"
#include "tests/qt/qt_test_resources.h"

namespace {

constexpr UINT PumpSentinel = WM_USER + 0x3F0;

struct Session {
    bool tried = false;
    bool started = false;
    std::string failure;
    HINSTANCE instance = nullptr;
    int argc = 1;
    char name[16] = "morvat_qt_test";
    char* argv[2] = {name, nullptr};
};

Session& TheSession() {
    static Session session;
    return session;
}

class StopQtAtExit : public ::testing::Environment {
public:
    void TearDown() override {
        if (TheSession().started) {
            QtStop();
            TheSession().started = false;
        }
    }
};

// GoogleTest takes the environment and frees it; registering before main is
// its documented way with gtest_main, and an allocation failure there has no
// caller to report to anyway.
// NOLINTNEXTLINE(cert-err58-cpp)
const auto* const Registered = ::testing::AddGlobalTestEnvironment(new StopQtAtExit);

bool DisplayNamed() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}

bool Dispatch(const MSG& msg, HWND dialog) {
    if (msg.message == PumpSentinel) {
        return true;
    }
    MSG copy = msg;
    if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &copy)) {
        return false;
    }
    TranslateMessage(&copy);
    DispatchMessageA(&copy);
    return false;
}

}  // namespace

bool StartQtSession(std::string* skipReason, std::string* failure) {
    Session& session = TheSession();
    if (!session.tried) {
        session.tried = true;
        if (!DisplayNamed()) {
            *skipReason = "no display at all: neither DISPLAY nor WAYLAND_DISPLAY is set";
            return false;
        }
        std::string whyNot;
        session.started = QtStart(session.argc, session.argv, &whyNot);
        if (!session.started) {
            session.failure = "a display is named but the Qt layer did not start: " + whyNot;
        } else {
            session.instance = RegisterResourceModule(&QtTestResources);
        }
    }
    if (!session.started) {
        if (session.failure.empty()) {
            *skipReason = "no display at all: neither DISPLAY nor WAYLAND_DISPLAY is set";
        }
        *failure = session.failure;
        return false;
    }
    return true;
}

HINSTANCE TestInstance() { return TheSession().instance; }

std::vector<Received>& ReceivedMessages() {
    static std::vector<Received> received;
    return received;
}

int CountReceived(HWND window, UINT message, WPARAM wParam) {
    int count = 0;
    for (const Received& r : ReceivedMessages()) {
        if (r.window == window && r.message == message && (wParam == 0 || r.wParam == wParam)) {
            ++count;
        }
    }
    return count;
}

namespace {

WNDPROC FrameProcedure = nullptr;

LRESULT RecordingFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessages().push_back({window, message, wParam, lParam});
    if (FrameProcedure != nullptr) {
        return FrameProcedure(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateTestFrame(const char* title, int clientWidth, int clientHeight, WNDPROC procedure) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = RecordingFrameProc;
        windowClass.hInstance = TestInstance();
        windowClass.hIcon = LoadIconA(TestInstance(), MAKEINTRESOURCEA(TestIconId));
        windowClass.lpszMenuName = MAKEINTRESOURCEA(TestMenuId);
        windowClass.lpszClassName = "QtTestFrame";
        registered = RegisterClassExA(&windowClass) != 0;
    }
    FrameProcedure = procedure;
    const int width = clientWidth + 2 * GetSystemMetrics(SM_CXFRAME);
    const int height = clientHeight + 2 * GetSystemMetrics(SM_CYFRAME) +
                       GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    return CreateWindowExA(0, "QtTestFrame", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, width, height, nullptr, nullptr, TestInstance(), nullptr);
}

bool PumpUntil(const std::function<bool()>& done, HWND dialog, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    // The test's clock: wakes the loop now and then so that a condition that
    // never comes ends the test instead of hanging it.
    QTimer clock;
    clock.setInterval(20);
    QObject::connect(&clock, &QTimer::timeout, [] { ReportInput([] {}); });
    clock.start();
    while (!done()) {
        if (elapsed.elapsed() > timeoutMs) {
            return false;
        }
        MSG msg{};
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            return false;
        }
        Dispatch(msg, dialog);
    }
    return true;
}

void PumpQueued(HWND window, HWND dialog) {
    // Everything queued before the sentinel is handled when it comes back.
    if (!PostMessageA(window, PumpSentinel, 0, 0)) {
        return;
    }
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        if (Dispatch(msg, dialog)) {
            return;
        }
    }
}

QWidget* TopWidgetOf(HWND window) {
    for (QtWindow* record : QtState().windows) {
        if (record->handle == window) {
            return record->top;
        }
    }
    return nullptr;
}

GLClientWindow* GLWindowOf(HWND window) {
    for (QtWindow* record : QtState().windows) {
        if (record->handle == window) {
            return record->gl;
        }
    }
    return nullptr;
}

void LetQtCatchUp(int milliseconds) { QTest::qWait(milliseconds); }
