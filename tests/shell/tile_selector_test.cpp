// The tile selector as a person uses it: presets, boxes by hand, "OK",
// closing without "OK", and keys while it has the focus.
#include "tests/shell/shell_session.h"

#include "geometry/selection.h"
#include "resources/ids.h"

namespace {

constexpr int Preset24 = 1047;  // "24: De1f1"
constexpr int Preset34 = 1057;  // "34 e1f1r"
std::vector<int> Preset24Boxes() { return {1006, 1007, 1010, 1011, 1014, 1015, 1016, 1017}; }

bool OnlyBackground(const std::vector<std::uint32_t>& picture) {
    for (std::uint32_t p : picture) {
        if (!ColoursClose(p, Grey25)) return false;
    }
    return true;
}

// The preset sets the boxes, the label and the focus at once; the picture
// waits for "OK".
TEST_F(ShellSession, PresetChecksItsBoxesAndThePictureChangesOnlyOnOk) {
    std::vector<std::uint32_t> icosahedron;
    int swapsBefore = 0;
    const int exitCode = Run({
        [&] {
            icosahedron = SamplePicture(Viewer());
            swapsBefore = HeadlessSwapCount(Viewer());
            ClickSelector(Preset24);
        },
        [&] {
            EXPECT_EQ(CheckedBoxes(), Preset24Boxes());
            EXPECT_EQ(Field(PresetLabelField), "24: De1f1");
            EXPECT_EQ(HeadlessFocus(), GetDlgItem(Selector(), IDOK));
            EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBefore);
            EXPECT_EQ(SamplePicture(Viewer()), icosahedron);
            ClickSelector(IDOK);
        },
        [&] {
            const std::vector<std::uint32_t> stellation = SamplePicture(Viewer());
            EXPECT_NE(stellation, icosahedron);
            EXPECT_FALSE(OnlyBackground(stellation));
            EXPECT_EQ(HeadlessFocus(), Viewer());
            EXPECT_NE(Selector(), nullptr);
            EXPECT_EQ(CheckedBoxes(), Preset24Boxes());
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Boxes toggled by hand are drawn exactly as checked: the same solid as the
// preset with those tiles, while the label keeps naming the last preset.
TEST_F(ShellSession, BoxesToggledByHandAreDrawnAsChecked) {
    std::vector<std::uint32_t> byPreset;
    const int exitCode = Run({
        [] { ClickSelector(Preset24); },
        [] { ClickSelector(IDOK); },
        [&] {
            byPreset = SamplePicture(Viewer());
            ClickSelector(1001 + 0);  // back to the icosahedron by hand
            for (int box : Preset24Boxes()) ClickSelector(box);
        },
        [&] {
            EXPECT_EQ(CheckedBoxes(), std::vector<int>{1001});
            ClickSelector(IDOK);
        },
        [&] {
            EXPECT_TRUE(ColoursClose(HeadlessPixel(Viewer(), 256, 200), 0xFFFFFF));
            EXPECT_NE(SamplePicture(Viewer()), byPreset);
            EXPECT_EQ(Field(PresetLabelField), "24: De1f1");
            // And back by hand to the preset's tiles: the preset's picture.
            ClickSelector(1001);
            for (int box : Preset24Boxes()) ClickSelector(box);
            ClickSelector(IDOK);
        },
        [&] { EXPECT_EQ(SamplePicture(Viewer()), byPreset); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ShellSession, OkWithNoBoxCheckedShowsOnlyTheBackground) {
    const int exitCode = Run({
        [] {
            EXPECT_FALSE(OnlyBackground(SamplePicture(Viewer())));
            ClickSelector(1001);
        },
        [] {
            EXPECT_TRUE(CheckedBoxes().empty());
            ClickSelector(IDOK);
        },
        [] { EXPECT_TRUE(OnlyBackground(SamplePicture(Viewer()))); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Closed without "OK", a preset stays chosen but undrawn; the reopened
// selector shows it, and "OK" then draws it.
TEST_F(ShellSession, PresetClosedWithoutOkReopensChosenButUndrawn) {
    std::vector<std::uint32_t> icosahedron;
    const int exitCode = Run({
        [&] {
            icosahedron = SamplePicture(Viewer());
            ClickSelector(Preset24);
        },
        [] { EXPECT_TRUE(HeadlessClickCloseBox(Selector())); },
        [&] {
            EXPECT_EQ(Selector(), nullptr);
            EXPECT_EQ(SamplePicture(Viewer()), icosahedron);
            ClickMenu(CommandTileSelector);
        },
        [&] {
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(CheckedBoxes(), Preset24Boxes());
            EXPECT_EQ(Field(PresetLabelField), "24: De1f1");
            EXPECT_EQ(SamplePicture(Viewer()), icosahedron);
            ClickSelector(IDOK);
        },
        [&] { EXPECT_NE(SamplePicture(Viewer()), icosahedron); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Toggles by hand live only in the boxes: closing throws them away.
TEST_F(ShellSession, HandTogglesClosedWithoutOkAreLost) {
    const int exitCode = Run({
        [] {
            ClickSelector(1001);
            ClickSelector(1023);
        },
        [] { EXPECT_TRUE(HeadlessClickCloseBox(Selector())); },
        [] { ClickMenu(CommandTileSelector); },
        [] {
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(CheckedBoxes(), std::vector<int>{1001});
            EXPECT_EQ(Field(PresetLabelField), "59-icosahedra");
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Labels are copied as the buttons show them; the longest fits whole.
TEST_F(ShellSession, PresetLabelIsTheButtonCaptionAsShown) {
    const struct { int button; const char* label; } cases[] = {
        {Preset34, "34 e1f1r"},
        {1078, "55: De2f1rf2g1"},
        {1083, "47l: Ef1l"},
        {1024, "1: A"},
    };
    std::vector<Step> steps;
    for (const auto& c : cases) {
        steps.push_back([&c] { ClickSelector(c.button); });
        steps.push_back([&c] { EXPECT_EQ(Field(PresetLabelField), c.label); });
    }
    steps.push_back(CloseViewer);
    EXPECT_EQ(Run(std::move(steps)), 0);
}

// With the focus in the selector, keys work its controls and not the view,
// and the accelerators stay quiet; Enter on "OK" confirms and gives the keys
// back to the main window.
TEST_F(ShellSession, KeysInTheSelectorLeaveTheViewAloneUntilEnterConfirms) {
    std::vector<std::uint32_t> icosahedron;
    const int exitCode = Run({
        [&] {
            icosahedron = SamplePicture(Viewer());
            ClickSelector(Preset24);
        },
        [] {
            for (WORD key : {VK_LEFT, VK_UP, VK_PRIOR, WORD('Y'), WORD('L')}) Press(key);
            HeadlessTypeChar('?', AltKey);
        },
        [&] {
            EXPECT_EQ(CurrentView(), StartView);
            EXPECT_EQ(AboutBox(), nullptr);
            EXPECT_EQ(Field(LongitudeField), "0");
            EXPECT_EQ(SamplePicture(Viewer()), icosahedron);
            EXPECT_EQ(HeadlessFocus(), GetDlgItem(Selector(), IDOK));
            Press(VK_RETURN);
        },
        [&] {
            EXPECT_NE(SamplePicture(Viewer()), icosahedron);
            EXPECT_EQ(HeadlessFocus(), Viewer());
            Press(VK_LEFT);
        },
        [] { EXPECT_EQ(Field(LongitudeField), "1"); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// Escape in the selector closes it like its close box.
TEST_F(ShellSession, EscapeInTheSelectorClosesIt) {
    const int exitCode = Run({
        [] { ClickSelector(Preset24); },
        [] { Press(VK_ESCAPE); },
        [] {
            EXPECT_EQ(Selector(), nullptr);
            EXPECT_NE(Viewer(), nullptr);
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// A reopened selector shows the view as it is now: gaze numbers once the
// gaze was turned, and no clip number at clip 1 whatever the old one showed.
TEST_F(ShellSession, ReopenedSelectorShowsTheCurrentView) {
    const int exitCode = Run({
        [] {
            Press('L');
            Press('Y');
            Press('H');
        },
        [] {
            EXPECT_EQ(Field(ClipField), "1");
            EXPECT_TRUE(HeadlessClickCloseBox(Selector()));
        },
        [] {
            Press('L');
            ClickMenu(CommandTileSelector);
        },
        [] {
            ASSERT_NE(Selector(), nullptr);
            EXPECT_EQ(Field(YawField), "2");
            EXPECT_EQ(Field(PitchField), "0");
            EXPECT_EQ(Field(RollField), "");
            EXPECT_EQ(Field(ClipField), "");
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

}  // namespace
