// The menu and accelerator commands: step marks, backgrounds, the About box,
// reopening the selector, and numbers outside the command table.
#include "tests/shell/shell_session.h"

#include "resources/ids.h"
#include "shell/shell.h"

namespace {

struct StepCase {
    UINT command;
    int step;
    UINT chosenBefore;  // a different step, so the mark has to move
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.command; }

class StepCommand : public ShellSession, public ::testing::WithParamInterface<StepCase> {};

// The chosen item alone carries the radio mark; nothing is redrawn until the
// next key, which moves by the new step.
TEST_P(StepCommand, MarksItsItemAloneAndSetsTheNextKeysStep) {
    const StepCase& c = GetParam();
    int swapsBefore = 0;
    const int exitCode = Run({
        [&] { ClickMenu(c.chosenBefore); },
        [&] {
            swapsBefore = HeadlessSwapCount(Viewer());
            ClickMenu(c.command);
        },
        [&] {
            EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBefore);
            for (UINT item : {CommandStep1, CommandStep2, CommandStep5}) {
                const MenuItemView view = HeadlessMenuItem(Viewer(), item);
                EXPECT_TRUE(view.radioForm) << item;
                EXPECT_EQ(view.checked, item == c.command) << item;
            }
            Press(VK_LEFT);
        },
        [&] {
            EXPECT_EQ(CurrentView().longitude, c.step);
            EXPECT_EQ(Field(LongitudeField), std::to_string(c.step));
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, StepCommand,
                         ::testing::Values(StepCase{CommandStep1, 1, CommandStep5},
                                           StepCase{CommandStep2, 2, CommandStep5},
                                           StepCase{CommandStep5, 5, CommandStep2}));

TEST_F(ShellSession, BackgroundCommandsRepaintWithTheirGrey) {
    // clang-format off
    const struct { UINT command; std::uint32_t colour; } backgrounds[] = {
        {CommandBackBlack,  0x000000},
        {CommandBackGrey75, 0xBFBFBF},
        {CommandBackGrey25, Grey25},
    };
    // clang-format on
    std::vector<Step> steps;
    for (const auto& b : backgrounds) {
        steps.push_back([&b] { ClickMenu(b.command); });
        steps.push_back([&b] {
            SCOPED_TRACE(b.command);
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 0, 0), b.colour))
                << std::hex << HeadlessPixel(Viewer(), 0, 0);
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 511, 0), b.colour));
            for (UINT item : {CommandBackBlack, CommandBackGrey25, CommandBackGrey75}) {
                EXPECT_FALSE(HeadlessMenuItem(Viewer(), item).checked) << item;
            }
        });
    }
    steps.push_back(CloseViewer);
    EXPECT_EQ(Run(std::move(steps)), 0);
}

struct AboutCase {
    const char* name;
    void (*open)();
    void (*close)();
};
void PrintTo(const AboutCase& c, std::ostream* os) { *os << c.name; }

class AboutBoxSession : public ShellSession, public ::testing::WithParamInterface<AboutCase> {};

// Modal: while it is open the main window is disabled and keys do not reach
// it; once closed, the main window takes keys again.
TEST_P(AboutBoxSession, OpensModallyAndCloses) {
    const AboutCase& c = GetParam();
    const int exitCode = Run({
        c.open,
        [&] {
            ASSERT_NE(AboutBox(), nullptr);
            EXPECT_FALSE(IsWindowEnabled(Viewer()));
            EXPECT_EQ(HeadlessFocus(), GetDlgItem(AboutBox(), IDOK));
            EXPECT_EQ(HeadlessDialogItemText(AboutBox(), IDOK), "OK");
            Press(VK_LEFT);
        },
        [&] {
            EXPECT_NE(AboutBox(), nullptr);
            EXPECT_EQ(CurrentView(), StartView);
            c.close();
        },
        [&] {
            EXPECT_EQ(AboutBox(), nullptr);
            EXPECT_TRUE(IsWindowEnabled(Viewer()));
            HeadlessClickClient(Viewer());
            Press(VK_LEFT);
        },
        [&] { EXPECT_EQ(CurrentView().longitude, 1); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AboutBoxSession,
    ::testing::Values(
        AboutCase{"MenuThenOk", [] { ClickMenu(CommandAbout); },
                  [] { EXPECT_TRUE(HeadlessClickDialogItem(AboutBox(), IDOK)); }},
        AboutCase{"AltQuestionMarkThenEnter", [] { HeadlessTypeChar('?', AltKey); },
                  [] { Press(VK_RETURN); }},
        AboutCase{"AltSlashThenEscape", [] { HeadlessTypeChar('/', AltKey); },
                  [] { Press(VK_ESCAPE); }},
        AboutCase{"MenuThenCloseBox", [] { ClickMenu(CommandAbout); },
                  [] { EXPECT_TRUE(HeadlessClickCloseBox(AboutBox())); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Closed, the selector comes back filled from the current state, and the
// focus returns to the main window; open, the command only focuses "OK".
TEST_F(ShellSession, TileSelectorCommandReopensOnceAndNeverDuplicates) {
    const int exitCode = Run({
        [] { EXPECT_TRUE(HeadlessClickCloseBox(Selector())); },
        [] {
            EXPECT_EQ(Selector(), nullptr);
            Press(VK_RIGHT);  // the view goes on changing with the selector closed
        },
        [] { ClickMenu(CommandTileSelector); },
        [] {
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(CheckedBoxes(), std::vector<int>{1001});
            EXPECT_EQ(Field(PresetLabelField), "59-icosahedra");
            EXPECT_EQ(Field(LongitudeField), "-1");
            EXPECT_EQ(HeadlessFocus(), Viewer());
            ClickMenu(CommandTileSelector);
        },
        [] {
            EXPECT_EQ(CountTopLevel("morvat tile selector"), 1);
            EXPECT_EQ(HeadlessFocus(), GetDlgItem(Selector(), IDOK));
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// A selector that cannot be made leaves the main window with the keyboard;
// the next command tries again.
TEST_F(ShellSession, TileSelectorCommandThatCannotCreateKeepsTheFocusAndRetries) {
    const int exitCode = Run({
        [] { EXPECT_TRUE(HeadlessClickCloseBox(Selector())); },
        [] {
            HeadlessFailDialogCreation(TileSelectorDialog);
            ClickMenu(CommandTileSelector);
        },
        [] {
            EXPECT_EQ(Selector(), nullptr);
            EXPECT_EQ(HeadlessFocus(), Viewer());
            Press(VK_LEFT);
        },
        [] {
            EXPECT_EQ(CurrentView().longitude, 1);
            HeadlessFailDialogCreation(0);
            ClickMenu(CommandTileSelector);
        },
        [] {
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(Field(LongitudeField), "1");
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Only the low 16 bits name the command; numbers outside the table go to the
// default procedure and change nothing.
TEST_F(ShellSession, CommandNumbersOutsideTheTableGoToTheDefaultProcedure) {
    const int exitCode = Run({
        [] {
            const int swapsBefore = HeadlessSwapCount(Viewer());
            for (WPARAM unknown : {WPARAM(0), WPARAM(106), WPARAM(32772), WPARAM(40000)}) {
                const LRESULT expected = DefWindowProcA(Viewer(), WM_COMMAND, unknown, 0);
                EXPECT_EQ(SendMessageA(Viewer(), WM_COMMAND, unknown, 0), expected) << unknown;
            }
            EXPECT_EQ(CurrentView(), StartView);
            EXPECT_NE(Viewer(), nullptr);
            EXPECT_NE(Selector(), nullptr);
            EXPECT_EQ(AboutBox(), nullptr);
            EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBefore);
            // An accelerator's high word makes no difference.
            EXPECT_EQ(SendMessageA(Viewer(), WM_COMMAND, MAKEWPARAM(CommandStep5, 1), 0), 0);
            EXPECT_EQ(CurrentView().step, 5);
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

}  // namespace
