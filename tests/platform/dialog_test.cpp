// Dialogs: keyboard navigation, clicks, close box, the modal loop, initial
// focus, and dialog units turned into pixels.
#include <functional>

#include "platform_fixture.h"

namespace fixture {
namespace {

using Dialogs = Platform;

TEST_F(Dialogs, KeysInADialogMoveFocusPressButtonsAndSendOkOrCancel) {
    struct Case {
        const char* name;
        int startControl;
        WORD vk;
        const char* text;
        unsigned modifiers;
        int focusAfter;               // control id
        std::vector<WORD> commands;   // WM_COMMAND ids the dialog gets
    };
    const std::vector<Case> cases = {
        {"tab", IDOK, VK_TAB, "\t", NoModifier, CheckA, {}},
        {"tab skips group box and static", CheckB, VK_TAB, "\t", NoModifier, PresetButton, {}},
        {"tab wraps", PresetButton, VK_TAB, "\t", NoModifier, IDOK, {}},
        {"shift+tab wraps back", IDOK, VK_TAB, "\t", ShiftKey, PresetButton, {}},
        {"shift+tab", CheckB, VK_TAB, "\t", ShiftKey, CheckA, {}},
        {"space on a check box", CheckA, VK_SPACE, " ", NoModifier, CheckA, {static_cast<WORD>(CheckA)}},
        {"space on a button", PresetButton, VK_SPACE, " ", NoModifier, PresetButton,
         {static_cast<WORD>(PresetButton)}},
        {"enter", CheckB, VK_RETURN, "\r", NoModifier, CheckB, {IDOK}},
        {"escape", CheckB, VK_ESCAPE, "\x1b", NoModifier, CheckB, {IDCANCEL}},
    };
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    ASSERT_NE(selector, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool checkedBefore = HeadlessDialogItemChecked(selector, CheckA);
        ASSERT_NE(SetFocus(GetDlgItem(selector, c.startControl)), nullptr);
        Events.clear();
        HeadlessPressKey(c.vk, c.text, c.modifiers);
        HWND loopSelector = selector;
        RunLoop(&loopSelector, nullptr);
        EXPECT_EQ(HeadlessFocus(), GetDlgItem(selector, c.focusAfter));
        EXPECT_EQ(CommandsTo(selector), c.commands);
        EXPECT_EQ(CountOf(frame, WM_KEYDOWN) + CountOf(frame, WM_CHAR), 0) << "dialog keys stay in the dialog";
        bool toggled = c.vk == VK_SPACE && c.startControl == CheckA;
        EXPECT_EQ(HeadlessDialogItemChecked(selector, CheckA), toggled ? !checkedBefore : checkedBefore);
    }
}

TEST_F(Dialogs, ClicksToggleCheckBoxesThenNotifyAndStaticsRefuse) {
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    Events.clear();
    ASSERT_TRUE(HeadlessClickDialogItem(selector, CheckB));
    EXPECT_FALSE(HeadlessDialogItemChecked(selector, CheckB)) << "the click waits in the queue like any input";
    EXPECT_FALSE(HeadlessClickDialogItem(selector, StatusField));
    EXPECT_FALSE(HeadlessClickDialogItem(selector, 4242));
    HWND loopSelector = selector;
    RunLoop(&loopSelector, nullptr);
    EXPECT_TRUE(HeadlessDialogItemChecked(selector, CheckB));
    EXPECT_EQ(SendMessageA(GetDlgItem(selector, CheckB), BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    ASSERT_EQ(CommandsTo(selector), std::vector<WORD>{CheckB});
    for (const Event& event : Events) {
        if (event.message != WM_COMMAND) continue;
        EXPECT_EQ(HIWORD(event.wParam), BN_CLICKED);
        EXPECT_EQ(event.lParam, reinterpret_cast<LPARAM>(GetDlgItem(selector, CheckB)));
    }
    EXPECT_EQ(HeadlessFocus(), GetDlgItem(selector, CheckB)) << "a clicked button takes the focus";
    // The program's own BM_CLICK is handled at once.
    SendMessageA(GetDlgItem(selector, CheckB), BM_CLICK, 0, 0);
    EXPECT_FALSE(HeadlessDialogItemChecked(selector, CheckB));
}

TEST_F(Dialogs, CloseBoxOfADialogSendsCancel) {
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    Events.clear();
    ASSERT_TRUE(HeadlessClickCloseBox(selector));
    HWND loopSelector = selector;
    RunLoop(&loopSelector, nullptr);
    EXPECT_EQ(CommandsTo(selector), std::vector<WORD>{IDCANCEL});
    EXPECT_TRUE(IsWindow(selector)) << "closing is the dialog procedure's decision";
}

TEST_F(Dialogs, InitDialogResultDecidesTheFirstFocus) {
    HWND frame = CreateFrame();
    ASSERT_EQ(GetFocus(), frame);
    InitDialogResult = FALSE;
    HWND quiet = CreateSelector(frame);
    EXPECT_EQ(GetFocus(), frame);
    DestroyWindow(quiet);
    InitDialogResult = TRUE;
    HWND focused = CreateSelector(frame);
    EXPECT_EQ(GetFocus(), GetDlgItem(focused, IDOK)) << "the first tab stop in template order";
}

TEST_F(Dialogs, ModalBoxDisablesItsOwnerAndReturnsTheEndDialogValue) {
    struct Case {
        const char* name;
        std::function<void(HWND box)> act;
        INT_PTR result;
    };
    const std::vector<Case> cases = {
        {"OK clicked", [](HWND box) { HeadlessClickDialogItem(box, IDOK); }, IDOK},
        {"Enter", [](HWND) { HeadlessPressKey(VK_RETURN, "\r"); }, IDOK},
        {"Escape", [](HWND) { HeadlessPressKey(VK_ESCAPE, "\x1b"); }, IDCANCEL},
        {"close box", [](HWND box) { HeadlessClickCloseBox(box); }, IDCANCEL},
    };
    HWND frame = CreateFrame();
    EndDialogOnCommand = true;
    InitDialogResult = TRUE;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool ownerEnabledInside = true;
        bool clientClickAccepted = true;
        HWND focusInside = nullptr;
        HWND okButton = nullptr;
        HWND box = nullptr;
        HeadlessScript({
            [&] {
                box = HeadlessFindTopLevel("ﾊﾞｰｼﾞｮﾝ情報");
                ownerEnabledInside = IsWindowEnabled(frame) != FALSE;
                clientClickAccepted = HeadlessClickClient(frame);
                focusInside = HeadlessFocus();
                okButton = GetDlgItem(box, IDOK);
                HeadlessPressKey(VK_LEFT);  // to the box, which has the focus
                c.act(box);
            },
        });
        Events.clear();
        INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(AboutDialog), frame, RecordingDialogProc, 0);
        EXPECT_EQ(result, c.result);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(ownerEnabledInside);
        EXPECT_FALSE(clientClickAccepted);
        ASSERT_NE(okButton, nullptr);
        EXPECT_EQ(focusInside, okButton) << "WM_INITDIALOG returned TRUE";
        EXPECT_FALSE(IsWindow(box));
        EXPECT_TRUE(IsWindowEnabled(frame));
        EXPECT_EQ(GetFocus(), frame);
        EXPECT_EQ(CountOf(frame, WM_KEYDOWN), 0);
        EXPECT_FALSE(HeadlessRanOutOfInput());
    }
}

TEST_F(Dialogs, ModalBoxWithoutInputEndsAsAQuit) {
    HWND frame = CreateFrame();
    EXPECT_EQ(DialogBoxParamA(instance, MAKEINTRESOURCEA(AboutDialog), frame, RecordingDialogProc, 0), -1);
    EXPECT_TRUE(HeadlessRanOutOfInput());
    EXPECT_TRUE(IsWindowEnabled(frame));
    MSG msg{};
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0)) << "the quit request is handed to the outer loop";
    EXPECT_EQ(static_cast<LPARAM>(msg.wParam), -1);
}

TEST_F(Dialogs, TemplateUnitsBecomePixelsThroughTheFontsBaseUnits) {
    struct Case {
        UINT dialog;
        int control;
        int dialogWidth, dialogHeight, controlWidth, controlHeight;
    };
    // MS P Gothic 9 pt has base units 6 x 12, System 8 x 16.
    const Case cases[] = {
        {SelectorDialog, IDOK, 229 * 6 / 4, 328 * 12 / 8, 60 * 6 / 4, 15 * 12 / 8},
        {AboutDialog, IDOK, 230 * 8 / 4, 75 * 16 / 8, 30 * 8 / 4, 11 * 16 / 8},
    };
    HWND frame = CreateFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(static_cast<WORD>(c.dialog)), frame,
                                         RecordingDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        RECT rect{};
        ASSERT_TRUE(GetClientRect(dialog, &rect));
        EXPECT_EQ(rect.right, c.dialogWidth);
        EXPECT_EQ(rect.bottom, c.dialogHeight);
        ASSERT_TRUE(GetClientRect(GetDlgItem(dialog, c.control), &rect));
        EXPECT_EQ(rect.right, c.controlWidth);
        EXPECT_EQ(rect.bottom, c.controlHeight);
        EXPECT_EQ(GetParent(GetDlgItem(dialog, c.control)), dialog);
        EXPECT_EQ(GetParent(dialog), frame);
    }
    HWND selector = HeadlessFindTopLevel("morvat tile selector");
    EXPECT_TRUE(HeadlessIsVisible(selector)) << "a WS_VISIBLE template shows itself";
    EXPECT_FALSE(HeadlessIsVisible(HeadlessFindTopLevel("ﾊﾞｰｼﾞｮﾝ情報")));
}

TEST_F(Dialogs, InjectedCreationFailureGivesNull) {
    HWND frame = CreateFrame();
    HeadlessFailDialogCreation(SelectorDialog);
    EXPECT_EQ(CreateSelector(frame), nullptr);
    EXPECT_EQ(CountOf(nullptr, WM_INITDIALOG), 0);
    EXPECT_EQ(HeadlessTopLevelWindows(), std::vector<HWND>{frame});
    HeadlessFailDialogCreation(0);
    EXPECT_NE(CreateSelector(frame), nullptr);
}

}  // namespace
}  // namespace fixture
