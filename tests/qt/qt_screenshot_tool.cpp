// Puts a frame with radio-marked menu items and a dialog of Japanese texts on
// the screen, opens the acceleration menu with Alt+A as a person would, and
// saves the whole screen to the PNG named on the command line. For looking at
// what the Qt backend draws; not a test.
#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/qt/qt_backend.h"
#include "tests/qt/qt_test_resources.h"
#include "tests/qt/qt_test_session.h"

namespace {

INT_PTR QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG || message == WM_COMMAND ? TRUE : FALSE;
}

void SetStepMarks(HWND frame, UINT checkedCommand) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    info.fType = MFT_RADIOCHECK;
    const struct {
        UINT command;
        const char* text;
    } items[] = {{CommandStep1, "x1 (&1)"}, {CommandStep2, "x2 (&2)"}, {CommandStep5, "x5 (&5)"}};
    for (const auto& item : items) {
        info.dwTypeData = const_cast<LPSTR>(item.text);
        SetMenuItemInfoA(GetMenu(frame), item.command, FALSE, &info);
    }
    info.fMask = MIIM_STATE;
    for (const auto& item : items) {
        info.fState = item.command == checkedCommand ? MFS_CHECKED : MFS_UNCHECKED;
        SetMenuItemInfoA(GetMenu(frame), item.command, FALSE, &info);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s output.png\n", argv[0]);
        return 2;
    }
    const std::string output = argv[1];
    std::string skip;
    std::string failure;
    if (!StartQtSession(&skip, &failure)) {
        std::fprintf(stderr, "qt_screenshot_tool: %s\n", failure.empty() ? skip.c_str() : failure.c_str());
        return 1;
    }
    const HWND frame = CreateTestFrame("morvat", 512, 512);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    SetStepMarks(frame, CommandStep2);
    const HWND dialog =
        CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(TestDialogId), frame, QuietDialogProc, 0);
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, ControlPreset));
    LetQtCatchUp(300);

    // The menu opens the way a person opens it: Alt+A in the frame.
    SetFocus(frame);
    LetQtCatchUp(100);
    QTest::keyClick(TopWidgetOf(frame), Qt::Key_A, Qt::AltModifier);
    PumpQueued(frame, dialog);
    // The dialog's focus shows again only when it is active; keep the menu open.
    LetQtCatchUp(500);

    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool saved = shot.save(QString::fromStdString(output), "PNG");
    DestroyWindow(frame);
    QtStop();
    if (!saved) {
        std::fprintf(stderr, "qt_screenshot_tool: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
