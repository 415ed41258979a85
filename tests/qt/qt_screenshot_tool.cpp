// Puts a frame with radio-marked menu items and a dialog of Japanese texts on
// the screen and saves the whole screen twice: with the dialog active and a
// button holding the focus, then with the acceleration menu opened by Alt+A
// as a person would open it. For looking at what the Qt backend draws; not a
// test.
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
    GiveStepItemsRadioForm(frame);
    MarkStepItem(frame, checkedCommand);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s dialog.png menu.png\n", argv[0]);
        return 2;
    }
    const std::string dialogShot = argv[1];
    const std::string menuShot = argv[2];
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
    bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(
        QString::fromStdString(dialogShot), "PNG");

    // The menu opens the way a person opens it: Alt+A in the frame.
    SetFocus(frame);
    LetQtCatchUp(100);
    QTest::keyClick(TopWidgetOf(frame), Qt::Key_A, Qt::AltModifier);
    PumpQueued(frame, dialog);
    LetQtCatchUp(500);
    saved = QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(menuShot),
                                                                 "PNG") &&
            saved;
    DestroyWindow(frame);
    QtStop();
    if (!saved) {
        std::fprintf(stderr, "qt_screenshot_tool: cannot write the screenshots\n");
        return 1;
    }
    return 0;
}
