// Start-up as a person sees it, closing, and the start-up failure paths.
#include "tests/shell/shell_session.h"

#include "resources/ids.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Yellow = 0xFFFF00;

TEST_F(ShellSession, StartsWithTheIcosahedronTheSelectorFilledAndTheFocusInTheMainWindow) {
    const int exitCode = Run({
        [] {
            ASSERT_NE(Viewer(), nullptr);
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(CheckedBoxes(), std::vector<int>{1001});
            EXPECT_EQ(Field(PresetLabelField), "59-icosahedra");
            EXPECT_EQ(Field(LongitudeField), "0");
            EXPECT_EQ(Field(LatitudeField), "0");
            EXPECT_EQ(Field(DistanceField), "80");
            for (int f : {YawField, PitchField, RollField, ClipField}) EXPECT_EQ(Field(f), "") << f;
            EXPECT_EQ(HeadlessFocus(), Viewer());

            EXPECT_EQ(HeadlessFrameWidth(Viewer()), 512);
            EXPECT_EQ(HeadlessFrameHeight(Viewer()), 512);
            EXPECT_GE(HeadlessSwapCount(Viewer()), 1);
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 256, 200), White));
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 256, 312), Yellow));
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 0, 0), Grey25));
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 511, 511), Grey25));
            EXPECT_TRUE(HeadlessMessageBoxes().empty());
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ShellSession, MenuBarShowsEveryCommandWithItsTextAndOnlyTheFirstStepMarked) {
    // clang-format off
    const struct { UINT command; const char* text; bool radio; bool checked; } items[] = {
        {105,   "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", false, false},
        {32771, "タイルセレクタ(&S)",   false, false},
        {32776, "黒",                   false, false},
        {32777, "25%灰",                false, false},
        {32778, "75%灰",                false, false},
        {32773, "x1 (&1)",              true,  true},
        {32774, "x2 (&2)",              true,  false},
        {32775, "x5 (&5)",              true,  false},
        {104,   "ﾊﾞｰｼﾞｮﾝ情報(&A) ...",  false, false},
    };
    // clang-format on
    const int exitCode = Run({
        [&] {
            for (const auto& item : items) {
                SCOPED_TRACE(item.text);
                const MenuItemView view = HeadlessMenuItem(Viewer(), item.command);
                EXPECT_TRUE(view.exists);
                EXPECT_EQ(view.text, item.text);
                EXPECT_EQ(view.radioForm, item.radio);
                EXPECT_EQ(view.checked, item.checked);
            }
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ShellSession, ResizingRepaintsTheWholePictureAtTheNewSize) {
    int swapsBefore = 0;
    const int exitCode = Run({
        [&] {
            swapsBefore = HeadlessSwapCount(Viewer());
            EXPECT_TRUE(HeadlessResizeClient(Viewer(), 800, 600));
        },
        [&] {
            EXPECT_GT(HeadlessSwapCount(Viewer()), swapsBefore);
            EXPECT_EQ(HeadlessFrameWidth(Viewer()), 800);
            EXPECT_EQ(HeadlessFrameHeight(Viewer()), 600);
            // The solid stays centred and upright: white above, yellow below.
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 400, 260), White));
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 400, 360), Yellow));
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 799, 599), Grey25));
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Closing, by the close box or by the menu, takes the selector with it and
// ends the program with exit code 0.
TEST_F(ShellSession, ClosingByCloseBoxEndsWithTheSelectorAndExitCodeZero) {
    const int exitCode = Run({CloseViewer});
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(Selector(), nullptr);
}

TEST_F(ShellSession, ClosingByTheExitCommandEndsWithTheSelectorAndExitCodeZero) {
    const int exitCode = Run({[] { ClickMenu(CommandExit); }});
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(Selector(), nullptr);
}

// No pixel format: one box, no owner, and the program ends on its own.
struct PixelFormatFault {
    const char* text;
    // cppcheck-suppress unusedStructMember ; called through GetParam()
    void (*inject)(bool);
};
void PrintTo(const PixelFormatFault& f, std::ostream* os) { *os << f.text; }

class PixelFormatFailure : public ShellSession,
                           public ::testing::WithParamInterface<PixelFormatFault> {};

TEST_P(PixelFormatFailure, ShowsItsBoxAndEndsWithExitCodeZero) {
    GetParam().inject(true);
    bool personActed = false;
    EXPECT_EQ(Run({[&] {
                  personActed = true;
                  CloseViewer();
              }}),
              0);
    EXPECT_FALSE(personActed) << "the program should end without the person closing it";
    ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
    const MessageBoxRecord& box = HeadlessMessageBoxes()[0];
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_EQ(box.owner, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Startup, PixelFormatFailure,
                         ::testing::Values(PixelFormatFault{"ChoosePixelFormat failed",
                                                            HeadlessFailChoosePixelFormat},
                                           PixelFormatFault{"SetPixelFormat failed",
                                                            HeadlessFailSetPixelFormat}));

// The selector missing at start-up ends the program at once, without a word
// and without a message loop.
TEST_F(ShellSession, SelectorNotCreatedAtStartEndsAtOnceWithoutAMessage) {
    HeadlessFailDialogCreation(TileSelectorDialog);
    bool personActed = false;
    EXPECT_EQ(Run({[&] { personActed = true; }}), 0);
    EXPECT_FALSE(personActed);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    EXPECT_EQ(Selector(), nullptr);
}

}  // namespace
