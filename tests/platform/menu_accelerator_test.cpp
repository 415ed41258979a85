// Menu item states, menu clicks, Alt with a mnemonic, and accelerators in
// the program's loop order.
#include <cstring>

#include "platform_fixture.h"

namespace fixture {
namespace {

using Menus = Platform;

MENUITEMINFOA Info(UINT mask) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(MENUITEMINFOA);
    info.fMask = mask;
    return info;
}

TEST_F(Menus, ItemInfoSetsRadioFormTextAndCheckMark) {
    HWND frame = CreateFrame();
    HMENU menu = GetMenu(frame);
    ASSERT_NE(menu, nullptr);
    char texts[3][16] = {"x1 (&1)", "x2 (&2)", "x5 (&5)"};
    const WORD items[3] = {StepOne, StepTwo, StepFive};
    MENUITEMINFOA info = Info(MIIM_TYPE);
    info.fType = MFT_RADIOCHECK;
    for (int i = 0; i < 3; ++i) {
        info.dwTypeData = texts[i];
        EXPECT_TRUE(SetMenuItemInfoA(menu, items[i], FALSE, &info));
    }
    info.fMask = MIIM_STATE;
    info.fState = MFS_CHECKED;
    EXPECT_TRUE(SetMenuItemInfoA(menu, StepOne, FALSE, &info));
    for (int i = 0; i < 3; ++i) {
        MenuItemView view = HeadlessMenuItem(frame, items[i]);
        EXPECT_TRUE(view.exists);
        EXPECT_EQ(view.text, texts[i]);
        EXPECT_TRUE(view.radioForm);
        EXPECT_EQ(view.checked, i == 0);
    }
    // Moving the mark, as a step command does.
    info.fState = MFS_CHECKED;
    SetMenuItemInfoA(GetMenu(frame), StepFive, FALSE, &info);
    info.fState = MFS_UNCHECKED;
    SetMenuItemInfoA(GetMenu(frame), StepOne, FALSE, &info);
    EXPECT_FALSE(HeadlessMenuItem(frame, StepOne).checked);
    EXPECT_TRUE(HeadlessMenuItem(frame, StepFive).checked);
    EXPECT_TRUE(HeadlessMenuItem(frame, StepOne).radioForm) << "state changes keep the type";

    // By position: the menu bar's own entries.
    char renamed[] = "File";
    MENUITEMINFOA byPosition = Info(MIIM_TYPE);
    byPosition.dwTypeData = renamed;
    EXPECT_TRUE(SetMenuItemInfoA(menu, 0, TRUE, &byPosition));
    EXPECT_FALSE(SetMenuItemInfoA(menu, 4, TRUE, &byPosition)) << "only four pop-ups";
    EXPECT_FALSE(HeadlessMenuItem(frame, 4242).exists);
}

TEST_F(Menus, MenuClickPostsTheCommandToTheMenusWindow) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    EXPECT_FALSE(HeadlessClickMenuItem(frame, 4242));
    ASSERT_TRUE(HeadlessClickMenuItem(frame, BlackCommand));
    EXPECT_TRUE(CommandsTo(frame).empty()) << "posted, not sent";
    RunLoop(&noSelector, nullptr);
    EXPECT_EQ(CommandsTo(frame), std::vector<WORD>{BlackCommand});

    ASSERT_TRUE(HeadlessClickMenuItem(frame, ExitCommand));
    EXPECT_EQ(RunLoop(&noSelector, nullptr), 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(HeadlessClickMenuItem(frame, BlackCommand));
}

TEST_F(Menus, AltWithAMnemonicOpensThatPopup) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "");
    HeadlessPressKey(static_cast<WORD>(VK_NUMPAD0 + 1), "", AltKey);  // 0x61, not the letter 'a'
    RunLoop(&noSelector, nullptr);
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "");
    HeadlessTypeChar('v', AltKey);
    RunLoop(&noSelector, nullptr);
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "表示(&V)");
    HeadlessTypeChar('a', AltKey);
    RunLoop(&noSelector, nullptr);
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "加速(&A)");
}

// Esc closes the pop-up on screen; the same mnemonic must open it again.
TEST_F(Menus, APopupClosedWithoutAChoiceOpensAgain) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    HeadlessTypeChar('a', AltKey);
    RunLoop(&noSelector, nullptr);
    ASSERT_EQ(HeadlessOpenMenuPopup(frame), "加速(&A)");
    HeadlessCloseMenuPopup(frame);
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "");
    HeadlessTypeChar('a', AltKey);
    RunLoop(&noSelector, nullptr);
    EXPECT_EQ(HeadlessOpenMenuPopup(frame), "加速(&A)");
}

TEST_F(Menus, AcceleratorsFireOnlyForKeysThatReachAWindowOutsideTheDialog) {
    struct Case {
        const char* name;
        bool focusInSelector;
        UINT table;
        char typed;
        unsigned modifiers;
        std::vector<WORD> frameCommands;
    };
    const std::vector<Case> cases = {
        {"Alt+?", false, CharAccelerators, '?', AltKey, {AboutCommand}},
        {"Alt+/", false, CharAccelerators, '/', AltKey, {AboutCommand}},
        {"? without Alt", false, CharAccelerators, '?', NoModifier, {}},
        {"Alt+x after the end mark", false, CharAccelerators, 'x', AltKey, {}},
        {"Alt+? in the dialog", true, CharAccelerators, '?', AltKey, {}},
        {"Ctrl+Q by key", false, KeyAccelerators, 'q', ControlKey, {QuitCommand}},
        {"Q without Ctrl", false, KeyAccelerators, 'q', NoModifier, {}},
        {"Ctrl+Shift+Q", false, KeyAccelerators, 'Q', ControlKey, {}},
    };
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(static_cast<WORD>(c.table)));
        ASSERT_NE(table, nullptr);
        SetFocus(c.focusInSelector ? GetDlgItem(selector, IDOK) : frame);
        Events.clear();
        HeadlessTypeChar(c.typed, c.modifiers);
        HWND loopSelector = selector;
        RunLoop(&loopSelector, table);
        EXPECT_EQ(CommandsTo(frame), c.frameCommands);
        for (const Event& event : Events) {
            if (event.window == frame && event.message == WM_COMMAND) {
                EXPECT_EQ(HIWORD(event.wParam), 1);
            }
        }
        EXPECT_TRUE(CommandsTo(selector).empty());
    }
}

}  // namespace
}  // namespace fixture
