// Dialogs on the Qt backend: the template's texts, font and layout, and
// clicks reported to the dialog procedure.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_style.h"
#include "tests/qt/qt_test_resources.h"
#include "tests/qt/qt_test_session.h"

namespace {

struct DialogCommand {
    HWND dialog;
    WPARAM wParam;
};

std::vector<DialogCommand>& Commands() {
    static std::vector<DialogCommand> commands;
    return commands;
}

INT_PTR RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_COMMAND) {
        Commands().push_back({dialog, wParam});
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR EndingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordingDialogProc(dialog, message, wParam, lParam);
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

template <typename Widget>
Widget* ChildWithText(QWidget* top, const char* text) {
    for (Widget* widget : top->findChildren<Widget*>()) {
        if (widget->text() == QString::fromUtf8(text)) {
            return widget;
        }
    }
    return nullptr;
}

class QtDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        START_QT_OR_SKIP();
        Commands().clear();
        frame_ = CreateTestFrame("dialog test", 200, 200);
        ASSERT_NE(frame_, nullptr);
        ShowWindow(frame_, SW_SHOWNORMAL);
        dialog_ = CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(TestDialogId), frame_,
                                     RecordingDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
        top_ = TopWidgetOf(dialog_);
        ASSERT_NE(top_, nullptr);
    }
    void TearDown() override {
        if (frame_ != nullptr) {
            DestroyWindow(frame_);  // the dialog goes with its owner
        }
    }

    HWND frame_ = nullptr;
    HWND dialog_ = nullptr;
    QWidget* top_ = nullptr;
};

TEST_F(QtDialogTest, ShowsTheTemplateTextsInItsFontAtItsDialogUnits) {
    EXPECT_EQ(top_->windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(QFontInfo(top_->font()).family(), QString("IPAPGothic"));
    const DialogBaseUnits units = MeasureDialogBaseUnits(TemplateFont("ＭＳ Ｐゴシック", 9));
    EXPECT_EQ(top_->size(), QSize(160 * units.x / 4, 120 * units.y / 8));

    QPushButton* ok = ChildWithText<QPushButton>(top_, "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(5 * units.x / 4, 100 * units.y / 8, 40 * units.x / 4, 14 * units.y / 8));
    ASSERT_NE(ChildWithText<QPushButton>(top_, "24: De1f1"), nullptr);
    EXPECT_FALSE(ChildWithText<QPushButton>(top_, "24: De1f1")->isDefault());
    ASSERT_NE(ChildWithText<QCheckBox>(top_, "2r"), nullptr);
    ASSERT_EQ(top_->findChildren<QGroupBox*>().size(), 1);
    EXPECT_EQ(top_->findChildren<QGroupBox*>()[0]->title(), "Tiles");

    QLabel* keys = ChildWithText<QLabel>(top_, "↑↓ 緯度、←→ 経度、PgUp/PgDn 遠近");
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->alignment().testFlag(Qt::AlignLeft));
    ASSERT_NE(ChildWithText<QLabel>(top_, "ﾊﾞｰｼﾞｮﾝ情報"), nullptr);
    QLabel* sunken = ChildWithText<QLabel>(top_, "59-icosahedra");
    ASSERT_NE(sunken, nullptr);
    EXPECT_EQ(sunken->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(sunken->frameShadow(), QFrame::Sunken);

    bool iconShown = false;
    for (QLabel* label : top_->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            iconShown = label->pixmap().size() == QSize(32, 32);
        }
    }
    EXPECT_TRUE(iconShown);
}

TEST_F(QtDialogTest, TextSetByTheProgramIsShown) {
    const HWND label = GetDlgItem(dialog_, ControlLabel);
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("34 e1f1r"));
    EXPECT_NE(ChildWithText<QLabel>(top_, "34 e1f1r"), nullptr);
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(ChildWithText<QLabel>(top_, "34 e1f1r"), nullptr);
}

TEST_F(QtDialogTest, ButtonClickSendsItsCommandToTheDialogProcedure) {
    QPushButton* preset = ChildWithText<QPushButton>(top_, "24: De1f1");
    ASSERT_NE(preset, nullptr);
    QTest::mouseClick(preset, Qt::LeftButton);
    PumpQueued(frame_, dialog_);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].dialog, dialog_);
    EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(ControlPreset, BN_CLICKED));
}

TEST_F(QtDialogTest, CheckBoxClickTogglesItOnceAndTellsTheProcedure) {
    QCheckBox* box = ChildWithText<QCheckBox>(top_, "2r");
    ASSERT_NE(box, nullptr);
    const HWND handle = GetDlgItem(dialog_, ControlCheck);
    for (const WPARAM expected : {BST_CHECKED, BST_UNCHECKED}) {
        Commands().clear();
        QTest::mouseClick(box, Qt::LeftButton);
        PumpQueued(frame_, dialog_);
        EXPECT_EQ(static_cast<WPARAM>(SendMessageA(handle, BM_GETCHECK, 0, 0)), expected);
        EXPECT_EQ(box->isChecked(), expected == BST_CHECKED);
        ASSERT_EQ(Commands().size(), 1u);
        EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(ControlCheck, BN_CLICKED));
    }
    // The program's own setting is shown too.
    SendMessageA(handle, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(QtDialogTest, CloseBoxIsTheCancelCommand) {
    top_->close();
    PumpQueued(frame_, dialog_);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(LOWORD(Commands()[0].wParam), IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog_));  // the procedure kept it
}

TEST_F(QtDialogTest, ModalBoxDisablesItsOwnerButNotTheOwnersOtherDialogs) {
    bool ownerWasEnabled = true;
    bool modelessWasEnabled = false;
    QTimer person;
    person.setInterval(20);
    QObject::connect(&person, &QTimer::timeout, [&] {
        QWidget* modal = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget != top_ && widget->windowTitle() == top_->windowTitle()) {
                modal = widget;
            }
        }
        if (modal == nullptr) {
            return;
        }
        person.stop();
        ownerWasEnabled = TopWidgetOf(frame_)->isEnabled();
        modelessWasEnabled = top_->isEnabled();
        QTest::mouseClick(ChildWithText<QPushButton>(top_, "24: De1f1"), Qt::LeftButton);
        QTest::mouseClick(ChildWithText<QPushButton>(modal, "OK"), Qt::LeftButton);
    });
    person.start();
    const INT_PTR result =
        DialogBoxParamA(TestInstance(), MAKEINTRESOURCEA(TestDialogId), frame_, EndingDialogProc, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(ownerWasEnabled);
    EXPECT_TRUE(modelessWasEnabled);
    EXPECT_TRUE(TopWidgetOf(frame_)->isEnabled());
    PumpQueued(frame_, dialog_);
    int presetClicks = 0;
    for (const DialogCommand& command : Commands()) {
        presetClicks += command.dialog == dialog_ && LOWORD(command.wParam) == ControlPreset;
    }
    EXPECT_EQ(presetClicks, 1);
}

TEST_F(QtDialogTest, MessageBoxIsModalShowsItsTextsAndAnswersOK) {
    QString shownText;
    QString shownCaption;
    bool ownerEnabled = true;
    QTimer person;
    person.setInterval(20);
    QObject::connect(&person, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        person.stop();
        shownCaption = modal->windowTitle();
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                shownText = label->text();
            }
        }
        ownerEnabled = TopWidgetOf(frame_)->isEnabled();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    person.start();
    EXPECT_EQ(MessageBoxA(frame_, "ChoosePixelFormat failed", "Error", MB_OK), IDOK);
    EXPECT_EQ(shownText, "ChoosePixelFormat failed");
    EXPECT_EQ(shownCaption, "Error");
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(TopWidgetOf(frame_)->isEnabled());
}

// The stand-in font is a little wider than the one the templates were laid
// out for; a caption too wide for its button is narrowed to fit, at its own
// height, and one that fits is left alone.
TEST_F(QtDialogTest, CaptionTooWideForItsButtonIsNarrowedToFit) {
    const QFont font = TemplateFont("ＭＳ Ｐゴシック", 9);
    const QString caption = QString::fromUtf8("44: De1f1rf2g2");
    const int natural = QFontMetrics(font).horizontalAdvance(caption);
    const struct {
        int width;
        bool narrowed;
    } cases[] = {{natural + 10, false}, {natural, false}, {natural * 9 / 10, true}, {natural * 3 / 4, true}};
    for (const auto& c : cases) {
        const QFont fitted = FittedCaptionFont(font, caption, c.width);
        const QFontMetrics metrics(fitted);
        EXPECT_EQ(fitted.stretch() != font.stretch(), c.narrowed) << c.width;
        EXPECT_LE(metrics.horizontalAdvance(caption), c.width + 1) << c.width;
        EXPECT_GE(metrics.horizontalAdvance(caption), c.width * 8 / 10) << "narrowed far more than needed";
        EXPECT_EQ(metrics.height(), QFontMetrics(font).height());
    }
}

TEST_F(QtDialogTest, TemplateFontsMapToInstalledFontsOfTheirKind) {
    const struct {
        const char* name;
        int points;
        const char* family;
        int pointsGiven;
    } cases[] = {{"ＭＳ Ｐゴシック", 9, "IPAPGothic", 9},
                 {"ＭＳ ゴシック", 9, "IPAGothic", 9},
                 {"System", 8, "DejaVu Sans", 8},
                 {nullptr, 0, "DejaVu Sans", 9},
                 {"System", -3, "DejaVu Sans", 9}};
    for (const auto& c : cases) {
        const QFont font = TemplateFont(c.name, c.points);
        EXPECT_EQ(QFontInfo(font).family(), QString(c.family)) << (c.name ? c.name : "(none)");
        EXPECT_EQ(font.pointSize(), c.pointsGiven) << (c.name ? c.name : "(none)");
        const DialogBaseUnits units = MeasureDialogBaseUnits(font);
        EXPECT_GT(units.x, 0);
        EXPECT_GT(units.y, units.x) << "characters are taller than wide";
    }
}

}  // namespace
