// The frame on the Qt backend: its client area under the menu bar, menu
// clicks, radio marks and the Alt mnemonic.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "platform/qt/qt_gl.h"
#include "tests/qt/qt_test_resources.h"
#include "tests/qt/qt_test_session.h"

namespace {

class QtFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        START_QT_OR_SKIP();
        ReceivedMessages().clear();
    }
    void TearDown() override {
        if (frame_ != nullptr) {
            DestroyWindow(frame_);
        }
    }

    void OpenFrame(WNDPROC procedure = nullptr) {
        frame_ = CreateTestFrame("frame test", 512, 512, procedure);
        ASSERT_NE(frame_, nullptr);
        ShowWindow(frame_, SW_SHOWNORMAL);
        UpdateWindow(frame_);
        ASSERT_TRUE(PumpUntil([this] { return GLWindowOf(frame_)->isExposed(); }));
        menuBar_ = TopWidgetOf(frame_)->findChild<QMenuBar*>();
        ASSERT_NE(menuBar_, nullptr);
    }

    QAction* ActionTitled(const char* text) const {
        for (QAction* action : menuBar_->findChildren<QAction*>()) {
            if (action->text() == QString::fromUtf8(text)) {
                return action;
            }
        }
        return nullptr;
    }

    void MakeStepItemsRadio() { ASSERT_TRUE(GiveStepItemsRadioForm(frame_)); }

    void MarkStep(UINT chosen) { ASSERT_TRUE(MarkStepItem(frame_, chosen)); }

    HWND frame_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
};

TEST_F(QtFrameTest, ClientAreaIsTheSizeAskedForRightUnderTheMenuBar) {
    OpenFrame();
    RECT client{};
    ASSERT_TRUE(GetClientRect(frame_, &client));
    EXPECT_EQ(client.right - client.left, 512);
    EXPECT_EQ(client.bottom - client.top, 512);

    GLClientWindow* gl = GLWindowOf(frame_);
    EXPECT_EQ(gl->width(), 512);
    EXPECT_EQ(gl->height(), 512);
    EXPECT_TRUE(menuBar_->isVisible());
    EXPECT_EQ(menuBar_->height(), GetSystemMetrics(SM_CYMENU));
    EXPECT_GT(GetSystemMetrics(SM_CYMENU), 0);
    // The GL area starts where the bar ends, in the frame's own coordinates.
    const QPoint glOrigin = gl->mapToGlobal(QPoint(0, 0)) - TopWidgetOf(frame_)->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(glOrigin, QPoint(0, menuBar_->height()));
    // A size the core was told about, if any, is the same 512 x 512.
    for (const Received& r : ReceivedMessages()) {
        if (r.window == frame_ && r.message == WM_SIZE) {
            EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(r.lParam)), 512);
            EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(r.lParam)), 512);
        }
    }
}

TEST_F(QtFrameTest, ResizeReachesTheProgramAsWMSizeAndARepaint) {
    OpenFrame();
    ReceivedMessages().clear();
    QWidget* top = TopWidgetOf(frame_);
    top->resize(600, 400 + menuBar_->height());
    ASSERT_TRUE(PumpUntil([this] { return CountReceived(frame_, WM_PAINT) > 0; }));
    ASSERT_GE(CountReceived(frame_, WM_SIZE), 1);
    const Received* last = nullptr;
    for (const Received& r : ReceivedMessages()) {
        if (r.window == frame_ && r.message == WM_SIZE) {
            last = &r;
        }
    }
    EXPECT_EQ(last->wParam, SIZE_RESTORED);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(last->lParam)), 600);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(last->lParam)), 400);
    RECT client{};
    GetClientRect(frame_, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
}

TEST_F(QtFrameTest, WaitingWithNoWindowLeftEndsTheLoopInsteadOfHanging) {
    MSG msg{};
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(QtFrameTest, MenuShowsTheResourceTextsInOrder) {
    OpenFrame();
    const QList<QAction*> bar = menuBar_->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(bar[1]->text(), QString::fromUtf8("表示(&V)"));
    EXPECT_EQ(bar[2]->text(), QString::fromUtf8("加速(&A)"));
    const QList<QAction*> view = bar[1]->menu()->actions();
    ASSERT_EQ(view.size(), 3);
    EXPECT_EQ(view[0]->text(), QString::fromUtf8("タイルセレクタ(&S)"));
    EXPECT_TRUE(view[1]->isSeparator());
    ASSERT_NE(view[2]->menu(), nullptr);
    EXPECT_EQ(view[2]->text(), QString::fromUtf8("背景色"));
    ASSERT_EQ(view[2]->menu()->actions().size(), 1);
    EXPECT_EQ(view[2]->menu()->actions()[0]->text(), QString::fromUtf8("黒"));
}

TEST_F(QtFrameTest, ChosenMenuItemPostsItsCommandToTheWindow) {
    OpenFrame();
    const struct {
        const char* text;
        UINT command;
    } cases[] = {{"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", CommandExit}, {"黒", CommandBlack}, {"x2 (&2)", CommandStep2}};
    for (const auto& c : cases) {
        ReceivedMessages().clear();
        QAction* action = ActionTitled(c.text);
        ASSERT_NE(action, nullptr) << c.text;
        action->trigger();
        PumpQueued(frame_);
        EXPECT_EQ(CountReceived(frame_, WM_COMMAND, c.command), 1) << c.text;
    }
}

TEST_F(QtFrameTest, RadioMarksFollowSetMenuItemInfo) {
    OpenFrame();
    MakeStepItemsRadio();
    MarkStep(CommandStep1);
    QAction* step1 = ActionTitled("x1 (&1)");
    QAction* step2 = ActionTitled("x2 (&2)");
    QAction* step5 = ActionTitled("x5 (&5)");
    ASSERT_NE(step1, nullptr);
    ASSERT_NE(step2, nullptr);
    ASSERT_NE(step5, nullptr);
    for (QAction* action : {step1, step2, step5}) {
        // A checkable action in an exclusive group is drawn with a radio mark.
        EXPECT_TRUE(action->isCheckable());
        ASSERT_NE(action->actionGroup(), nullptr);
        EXPECT_TRUE(action->actionGroup()->isExclusive());
    }
    EXPECT_TRUE(step1->isChecked());
    EXPECT_FALSE(step2->isChecked());
    EXPECT_FALSE(step5->isChecked());

    MarkStep(CommandStep5);
    EXPECT_FALSE(step1->isChecked());
    EXPECT_FALSE(step2->isChecked());
    EXPECT_TRUE(step5->isChecked());

    // A click asks the program; the mark moves only when the program moves it.
    step2->trigger();
    PumpQueued(frame_);
    EXPECT_EQ(CountReceived(frame_, WM_COMMAND, CommandStep2), 1);
    EXPECT_FALSE(step2->isChecked());
    EXPECT_TRUE(step5->isChecked());
}

LRESULT SwallowSystemKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSKEYDOWN || message == WM_SYSCHAR) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(QtFrameTest, AltWithMnemonicOpensThePopupOnlyThroughTheDefaultProcedure) {
    const struct {
        const char* name;
        WNDPROC procedure;
        bool opens;
    } cases[] = {{"passed to DefWindowProcA", nullptr, true},
                 {"kept by the program", SwallowSystemKeys, false}};
    for (const auto& c : cases) {
        ReceivedMessages().clear();
        OpenFrame(c.procedure);
        SetFocus(frame_);
        QWidget* top = TopWidgetOf(frame_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(top)) << c.name;
        QMenu* fileMenu = menuBar_->actions()[FilePopupEntry]->menu();
        ASSERT_FALSE(fileMenu->isVisible()) << c.name;

        QTest::keyClick(top, Qt::Key_F, Qt::AltModifier);
        PumpQueued(frame_);
        EXPECT_EQ(CountReceived(frame_, WM_SYSKEYDOWN, 'F'), 1) << c.name;
        LetQtCatchUp();
        EXPECT_EQ(fileMenu->isVisible(), c.opens) << c.name;
        fileMenu->hide();
        DestroyWindow(frame_);
        frame_ = nullptr;
    }
}

// A pop-up closed without a choice (Esc) leaves the bar idle: the same
// mnemonic opens it again.
TEST_F(QtFrameTest, PopupClosedWithEscOpensAgainWithItsMnemonic) {
    OpenFrame();
    SetFocus(frame_);
    QWidget* top = TopWidgetOf(frame_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QMenu* fileMenu = menuBar_->actions()[FilePopupEntry]->menu();
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(top, Qt::Key_F, Qt::AltModifier);
        PumpQueued(frame_);
        LetQtCatchUp();
        ASSERT_TRUE(fileMenu->isVisible()) << "round " << round;
        QTest::keyClick(fileMenu, Qt::Key_Escape);
        LetQtCatchUp();
        ASSERT_FALSE(fileMenu->isVisible()) << "round " << round;
    }
}

TEST_F(QtFrameTest, CloseBoxAsksTheProgramAndTheWindowGoesWhenItSaysSo) {
    OpenFrame();
    TopWidgetOf(frame_)->close();
    PumpQueued(frame_);
    EXPECT_EQ(CountReceived(frame_, WM_CLOSE), 1);
    // DefWindowProcA destroyed it on WM_CLOSE.
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(TopWidgetOf(frame_), nullptr);
    frame_ = nullptr;
}

}  // namespace
