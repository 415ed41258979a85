// Keys on the Qt backend reach the core's focus window as key messages, and
// in a dialog go through IsDialogMessageA, never through Qt's own handling.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "platform/qt/qt_gl.h"
#include "tests/qt/qt_test_resources.h"
#include "tests/qt/qt_test_session.h"

namespace {

std::vector<WPARAM>& DialogCommands() {
    static std::vector<WPARAM> commands;
    return commands;
}

INT_PTR RecordingDialogProc(HWND /*dialog*/, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        return TRUE;  // the first tab stop takes the focus
    }
    if (message == WM_COMMAND) {
        DialogCommands().push_back(wParam);
        return TRUE;
    }
    return FALSE;
}

void SendKey(QObject* receiver, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &release);
}

class QtKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        START_QT_OR_SKIP();
        ReceivedMessages().clear();
        DialogCommands().clear();
        frame_ = CreateTestFrame("keyboard test", 200, 200);
        ASSERT_NE(frame_, nullptr);
        ShowWindow(frame_, SW_SHOWNORMAL);
        UpdateWindow(frame_);
    }
    void TearDown() override {
        if (frame_ != nullptr) {
            DestroyWindow(frame_);
        }
    }

    void OpenDialog() {
        dialog_ = CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(TestDialogId), frame_,
                                     RecordingDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
        top_ = TopWidgetOf(dialog_);
        ASSERT_NE(top_, nullptr);
        for (QPushButton* button : top_->findChildren<QPushButton*>()) {
            if (button->text() == "OK") {
                ok_ = button;
            }
        }
        check_ = top_->findChild<QCheckBox*>();
        ASSERT_NE(ok_, nullptr);
        ASSERT_NE(check_, nullptr);
    }

    HWND frame_ = nullptr;
    HWND dialog_ = nullptr;
    QWidget* top_ = nullptr;
    QPushButton* ok_ = nullptr;
    QCheckBox* check_ = nullptr;
};

struct FrameKeyCase {
    const char* name = nullptr;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    const char* text = nullptr;
    UINT downMessage = 0;
    WPARAM vk = 0;
    UINT charMessage = 0;  // 0: the key gives no character
    WPARAM character = 0;
};

// clang-format off
const FrameKeyCase FrameKeyCases[] = {
    // name              key               modifiers                                    text  down            vk              char         code
    {"left arrow",       Qt::Key_Left,     Qt::NoModifier,                              "",   WM_KEYDOWN,     VK_LEFT,        0,           0},
    {"page up",          Qt::Key_PageUp,   Qt::NoModifier,                              "",   WM_KEYDOWN,     VK_PRIOR,       0,           0},
    {"home",             Qt::Key_Home,     Qt::NoModifier,                              "",   WM_KEYDOWN,     VK_HOME,        0,           0},
    {"h",                Qt::Key_H,        Qt::NoModifier,                              "h",  WM_KEYDOWN,     'H',            WM_CHAR,     'h'},
    {"Shift+H",          Qt::Key_H,        Qt::ShiftModifier,                           "H",  WM_KEYDOWN,     'H',            WM_CHAR,     'H'},
    {"main-row 7",       Qt::Key_7,        Qt::NoModifier,                              "7",  WM_KEYDOWN,     '7',            WM_CHAR,     '7'},
    {"keypad 7",         Qt::Key_7,        Qt::KeypadModifier,                          "7",  WM_KEYDOWN,     VK_NUMPAD0 + 7, WM_CHAR,     '7'},
    {"Alt+Shift+/ ",     Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier,         "?",  WM_SYSKEYDOWN,  VK_OEM_2,       WM_SYSCHAR,  '?'},
    {"Alt+/",            Qt::Key_Slash,    Qt::AltModifier,                             "/",  WM_SYSKEYDOWN,  VK_OEM_2,       WM_SYSCHAR,  '/'},
};
// clang-format on

TEST_F(QtKeyboardTest, KeysReachTheFocusWindowAsKeyMessagesWithTheirCharacters) {
    SetFocus(frame_);
    GLClientWindow* gl = GLWindowOf(frame_);
    for (const FrameKeyCase& c : FrameKeyCases) {
        ReceivedMessages().clear();
        SendKey(gl, c.key, c.modifiers, QString::fromUtf8(c.text));
        PumpQueued(frame_);
        EXPECT_EQ(CountReceived(frame_, c.downMessage, c.vk), 1) << c.name;
        const UINT upMessage = c.downMessage == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP;
        EXPECT_EQ(CountReceived(frame_, upMessage, c.vk), 1) << c.name;
        if (c.charMessage != 0) {
            EXPECT_EQ(CountReceived(frame_, c.charMessage, c.character), 1) << c.name;
        } else {
            EXPECT_EQ(CountReceived(frame_, WM_CHAR), 0) << c.name;
        }
    }
}

TEST_F(QtKeyboardTest, HeldKeyGivesOneKeyDownPerRepeatAndOneKeyUp) {
    SetFocus(frame_);
    GLClientWindow* gl = GLWindowOf(frame_);
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(gl, &first);
    for (int i = 0; i < 3; ++i) {
        // X sends a release and a press for every repeat.
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(gl, &repeatUp);
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(gl, &repeatDown);
    }
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(gl, &last);
    PumpQueued(frame_);
    EXPECT_EQ(CountReceived(frame_, WM_KEYDOWN, VK_DOWN), 4);
    EXPECT_EQ(CountReceived(frame_, WM_KEYUP, VK_DOWN), 1);
}

TEST_F(QtKeyboardTest, KeysGoToTheCoresFocusWhicheverWidgetQtDeliversThemTo) {
    OpenDialog();
    SetFocus(frame_);
    // Qt hands the key to the dialog's button; the core's focus is the frame.
    SendKey(ok_, Qt::Key_Right, Qt::NoModifier, QString());
    PumpQueued(frame_, dialog_);
    EXPECT_EQ(CountReceived(frame_, WM_KEYDOWN, VK_RIGHT), 1);
    EXPECT_TRUE(DialogCommands().empty());
    DestroyWindow(dialog_);
}

TEST_F(QtKeyboardTest, TabMovesTheFocusAmongTabStopsAndQtShowsIt) {
    OpenDialog();
    const HWND okHandle = GetDlgItem(dialog_, IDOK);
    const HWND checkHandle = GetDlgItem(dialog_, ControlCheck);
    const HWND presetHandle = GetDlgItem(dialog_, ControlPreset);
    ASSERT_EQ(GetFocus(), okHandle);
    EXPECT_EQ(top_->focusWidget(), ok_);

    SendKey(ok_, Qt::Key_Tab, Qt::NoModifier, "\t");
    PumpQueued(frame_, dialog_);
    EXPECT_EQ(GetFocus(), checkHandle);
    EXPECT_EQ(top_->focusWidget(), check_);

    SendKey(check_, Qt::Key_Tab, Qt::NoModifier, "\t");
    PumpQueued(frame_, dialog_);
    EXPECT_EQ(GetFocus(), presetHandle);

    SendKey(check_, Qt::Key_Backtab, Qt::ShiftModifier, QString());
    PumpQueued(frame_, dialog_);
    EXPECT_EQ(GetFocus(), checkHandle);
    EXPECT_EQ(top_->focusWidget(), check_);
    EXPECT_TRUE(DialogCommands().empty());
    DestroyWindow(dialog_);
}

TEST_F(QtKeyboardTest, EnterAndEscapeSendTheirCommandsOnceThroughTheDialogManager) {
    const struct {
        const char* name;
        int key;
        const char* text;
        WORD command;
    } cases[] = {{"Enter", Qt::Key_Return, "\r", IDOK},
                 {"keypad Enter", Qt::Key_Enter, "\r", IDOK},
                 {"Esc", Qt::Key_Escape, "\x1b", IDCANCEL}};
    OpenDialog();
    // The focus on a plain button: Enter still means the default button.
    SetFocus(GetDlgItem(dialog_, ControlPreset));
    for (const auto& c : cases) {
        DialogCommands().clear();
        SendKey(ok_, c.key, Qt::NoModifier, QString::fromUtf8(c.text));
        PumpQueued(frame_, dialog_);
        ASSERT_EQ(DialogCommands().size(), 1u) << c.name;
        EXPECT_EQ(LOWORD(DialogCommands()[0]), c.command) << c.name;
    }
    DestroyWindow(dialog_);
}

TEST_F(QtKeyboardTest, SpacePressesTheFocusedButtonOrTogglesTheCheckBoxOnce) {
    OpenDialog();
    SetFocus(GetDlgItem(dialog_, ControlCheck));
    SendKey(check_, Qt::Key_Space, Qt::NoModifier, " ");
    PumpQueued(frame_, dialog_);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog_, ControlCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(check_->isChecked());

    DialogCommands().clear();
    SetFocus(GetDlgItem(dialog_, ControlPreset));
    QPushButton* preset = nullptr;
    for (QPushButton* button : top_->findChildren<QPushButton*>()) {
        if (button->text() == "24: De1f1") {
            preset = button;
        }
    }
    ASSERT_NE(preset, nullptr);
    // Qt would click a focused button on Space by itself; only one command may come.
    QTest::keyClick(preset, Qt::Key_Space);
    PumpQueued(frame_, dialog_);
    ASSERT_EQ(DialogCommands().size(), 1u);
    EXPECT_EQ(LOWORD(DialogCommands()[0]), ControlPreset);
    DestroyWindow(dialog_);
}

}  // namespace
