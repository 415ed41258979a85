// The keys of the main window, one row per case: the view before, the key,
// the view after, what the gaze and clip fields show after the frame that
// follows, and whether a frame follows at all.
#include "tests/shell/shell_session.h"

#include <climits>

#include "resources/ids.h"

namespace {

struct KeyCase {
    const char* name;
    WORD key;
    ViewNumbers before;
    ViewNumbers after;
    const char* gazeAndClipFields[4];  // 1088, 1089, 1090, 1091
    bool repaints;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

// A view with the gaze turned and the clip plane pushed in, so that every
// field the frame writes shows something a reset must take away.
//                                   dist step clip lat lon yaw pitch roll look
constexpr ViewNumbers Turned       = {50,  1,   30,  10, 20, 5,  6,    7,   1};
constexpr ViewNumbers TurnedStep5  = {50,  5,   30,  10, 20, 5,  6,    7,   1};
constexpr ViewNumbers Start        = StartView;

// The copy is the result: one member of it is changed through the pointer.
// cppcheck-suppress passedByValue
constexpr ViewNumbers With(ViewNumbers v, int ViewNumbers::*member, int value) {
    v.*member = value;
    return v;
}
constexpr ViewNumbers WithStep(const ViewNumbers& v, int s) { return With(v, &ViewNumbers::step, s); }
using V = ViewNumbers;

// clang-format off
constexpr KeyCase KeyCases[] = {
    // name                          key          before                                                    after                                                                fields 1088..1091      repaints
    {"PageUpNearer",                 VK_PRIOR,    Start,                                                    With(Start, &V::distance, 79),                                      {"", "", "", ""},       true},
    {"PageDownFartherByStep",        VK_NEXT,     WithStep(Start, 5),                                       With(WithStep(Start, 5), &V::distance, 85),                         {"", "", "", ""},       true},
    {"PageUpStopsAtIntMin",          VK_PRIOR,    With(WithStep(Start, 5), &V::distance, INT_MIN + 2),      With(WithStep(Start, 5), &V::distance, INT_MIN),                    {"", "", "", ""},       true},
    {"PageDownStopsAtIntMax",        VK_NEXT,     With(WithStep(Start, 5), &V::distance, INT_MAX - 1),      With(WithStep(Start, 5), &V::distance, INT_MAX),                    {"", "", "", ""},       true},
    {"HomeResetsAllButStep",         VK_HOME,     TurnedStep5,                                              WithStep(Start, 5),                                                 {"", "", "", ""},       true},
    {"DeleteResetsPositionOnly",     VK_DELETE,   Turned,                                                   {50, 1, 30, 0, 0, 5, 6, 7, 1},                                      {"5", "6", "7", "30"},  true},
    {"SixResetsClipAndBlanksIt",     '6',         Turned,                                                   With(Turned, &V::clip, 1),                                          {"5", "6", "7", ""},    true},
    {"SevenResetsGazeAndBlanksIt",   '7',         Turned,                                                   {50, 1, 30, 10, 20, 0, 0, 0, 0},                                    {"", "", "", "30"},     true},
    {"EightKeepsYawAndLookAround",   '8',         Turned,                                                   {50, 1, 30, 10, 20, 5, 0, 0, 1},                                    {"5", "0", "", "30"},   true},
    {"NineResetsRollOnly",           '9',         Turned,                                                   With(Turned, &V::roll, 0),                                          {"5", "6", "", "30"},   true},
    {"LeftWrapsPast180",             VK_LEFT,     With(Start, &V::longitude, 180),                          With(Start, &V::longitude, -179),                                   {"", "", "", ""},       true},
    {"LeftWrapsByStep5",             VK_LEFT,     With(WithStep(Start, 5), &V::longitude, 178),             With(WithStep(Start, 5), &V::longitude, -177),                      {"", "", "", ""},       true},
    {"RightWrapsTo180",              VK_RIGHT,    With(Start, &V::longitude, -179),                         With(Start, &V::longitude, 180),                                    {"", "", "", ""},       true},
    {"UpDecreasesLatitude",          VK_UP,       With(WithStep(Start, 5), &V::latitude, 88),               With(WithStep(Start, 5), &V::latitude, 83),                         {"", "", "", ""},       true},
    {"DownRefusedPast90",            VK_DOWN,     With(WithStep(Start, 5), &V::latitude, 88),               With(WithStep(Start, 5), &V::latitude, 88),                         {"", "", "", ""},       true},
    {"UpRefusedPastMinus90",         VK_UP,       With(Start, &V::latitude, -90),                           With(Start, &V::latitude, -90),                                     {"", "", "", ""},       true},
    {"DownIncreasesByStep2",         VK_DOWN,     WithStep(Start, 2),                                       With(WithStep(Start, 2), &V::latitude, 2),                          {"", "", "", ""},       true},
    {"HLowersClip",                  'H',         With(Start, &V::clip, 5),                                 With(Start, &V::clip, 4),                                           {"", "", "", "4"},      true},
    {"HAtOneWritesOne",              'H',         Start,                                                    Start,                                                              {"", "", "", "1"},      true},
    {"YRaisesClipByOneWhateverStep", 'Y',         With(WithStep(Start, 5), &V::clip, 998),                  With(WithStep(Start, 5), &V::clip, 999),                            {"", "", "", "999"},    true},
    {"YAt999Writes999",              'Y',         With(Start, &V::clip, 999),                               With(Start, &V::clip, 999),                                         {"", "", "", "999"},    true},
    {"IRefusedAt90StillLooksAround", 'I',         With(Start, &V::pitch, 90),                               {80, 1, 1, 0, 0, 0, 90, 0, 1},                                      {"0", "90", "", ""},    true},
    {"IRaisesPitchByStep",           'I',         WithStep(Start, 2),                                       {80, 2, 1, 0, 0, 0, 2, 0, 1},                                       {"0", "2", "", ""},     true},
    {"KRefusedPastMinus90",          'K',         With(WithStep(Start, 2), &V::pitch, -89),                 {80, 2, 1, 0, 0, 0, -89, 0, 1},                                     {"0", "-89", "", ""},   true},
    {"JWrapsYawTo180",               'J',         With(WithStep(Start, 2), &V::yaw, -178),                  {80, 2, 1, 0, 0, 180, 0, 0, 1},                                     {"180", "0", "", ""},   true},
    {"LWrapsYawPast180",             'L',         With(Start, &V::yaw, 180),                                {80, 1, 1, 0, 0, -179, 0, 0, 1},                                    {"-179", "0", "", ""},  true},
    {"OWrapsRollPast180",            'O',         With(WithStep(Start, 5), &V::roll, 178),                  {80, 5, 1, 0, 0, 0, 0, -177, 1},                                    {"0", "0", "-177", ""}, true},
    {"UWrapsRollTo180",              'U',         With(WithStep(Start, 2), &V::roll, -178),                 {80, 2, 1, 0, 0, 0, 0, 180, 1},                                     {"0", "0", "180", ""},  true},
    // Keys outside the table change nothing and draw nothing.
    {"EndDoesNothing",               VK_END,      Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"InsertDoesNothing",            VK_INSERT,   Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"Keypad6DoesNothing",           0x66,        Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"Keypad7DoesNothing",           0x67,        Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"Keypad8DoesNothing",           0x68,        Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"Keypad9DoesNothing",           0x69,        Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"LetterOutsideTheTable",        'A',         Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
    {"CodeAboveTheTable",            'Z',         Turned,                                                   Turned,                                                             {"5", "6", "7", "30"},  false},
};
// clang-format on

class KeyTable : public ShellSession, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTable, ChangesTheViewAndFieldsAndRepaints) {
    const KeyCase& c = GetParam();
    int swapsBeforeKey = 0;
    const int exitCode = Run({
        [&] {
            // Reach the case's view, and let one frame show it.
            SetView(c.before);
            InvalidateRect(Viewer(), nullptr, FALSE);
        },
        [&] {
            swapsBeforeKey = HeadlessSwapCount(Viewer());
            Press(c.key);
        },
        [&] {
            EXPECT_EQ(CurrentView(), c.after);
            const int fields[4] = {YawField, PitchField, RollField, ClipField};
            for (int i = 0; i < 4; ++i) EXPECT_EQ(Field(fields[i]), c.gazeAndClipFields[i]) << fields[i];
            if (c.repaints) {
                EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBeforeKey + 1);
                EXPECT_EQ(Field(LongitudeField), std::to_string(c.after.longitude));
                EXPECT_EQ(Field(LatitudeField), std::to_string(c.after.latitude));
                EXPECT_EQ(Field(DistanceField), std::to_string(c.after.distance));
            } else {
                EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBeforeKey);
            }
            EXPECT_EQ(HeadlessFocus(), Viewer());
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTable, ::testing::ValuesIn(KeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Auto-repeat applies one step per repeat, nothing stops the distance at the
// centre, and a burst of keys costs one frame.
TEST_F(ShellSession, PageUpEightyOneTimesPassesTheCentreInOneFrame) {
    int swapsBefore = 0;
    const int exitCode = Run({
        [&] {
            swapsBefore = HeadlessSwapCount(Viewer());
            HeadlessPressKey(VK_PRIOR, "", NoModifier, 80);
        },
        [&] {
            EXPECT_EQ(CurrentView().distance, -1);
            EXPECT_EQ(Field(DistanceField), "-1");
            EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBefore + 1);
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// A key pressed with Alt is a system key: it does not reach the key table.
TEST_F(ShellSession, KeysWithAltDoNotMoveTheView) {
    const int exitCode = Run({
        [] {
            for (WORD key : {VK_LEFT, VK_UP, VK_PRIOR, VK_HOME, WORD('Y')}) Press(key, AltKey);
        },
        [] {
            EXPECT_EQ(CurrentView(), StartView);
            EXPECT_EQ(Field(ClipField), "");
            EXPECT_EQ(AboutBox(), nullptr);
            // The same keys without Alt do move it.
            Press(VK_LEFT);
        },
        [] { EXPECT_EQ(CurrentView().longitude, 1); },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

// "?" typed without Alt is neither a key of the table nor an accelerator.
TEST_F(ShellSession, QuestionMarkWithoutAltDoesNothing) {
    int swapsBefore = 0;
    const int exitCode = Run({
        [&] {
            swapsBefore = HeadlessSwapCount(Viewer());
            HeadlessTypeChar('?');
            HeadlessTypeChar('/');
        },
        [&] {
            EXPECT_EQ(AboutBox(), nullptr);
            EXPECT_EQ(CurrentView(), StartView);
            EXPECT_EQ(HeadlessSwapCount(Viewer()), swapsBefore);
        },
        CloseViewer,
    });
    EXPECT_EQ(exitCode, 0);
}

}  // namespace
