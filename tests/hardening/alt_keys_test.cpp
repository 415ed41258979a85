// Alt with a key names a menu pop-up only by the letter the key types. Key
// codes of the keypad and the F-keys share their numbers with lower-case
// letters ('a' is VK_NUMPAD1, 'v' is VK_F7), and must not open pop-ups.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless.h"
#include "tests/hardening/session_checks.h"
#include "tests/hardening/viewer_run.h"

namespace {

struct AltCase {
    const char* name;
    WORD vk;
    const char* text;
    const char* popup;  // empty: none opens
};
void PrintTo(const AltCase& c, std::ostream* os) { *os << c.name; }

// clang-format off
const AltCase AltCases[] = {
    {"F",             'F',  "f", "ﾌｧｲﾙ(&F)"},
    {"V",             'V',  "v", "表示(&V)"},
    {"A",             'A',  "a", "加速(&A)"},
    {"H",             'H',  "h", "ﾍﾙﾌﾟ(&H)"},
    {"Keypad1IsNotA", 0x61, "",  ""},
    {"Keypad6IsNotF", 0x66, "",  ""},
    {"Keypad8IsNotH", 0x68, "",  ""},
    {"F7IsNotV",      0x76, "",  ""},
    {"LetterWithoutMnemonic", 'Q', "q", ""},
};
// clang-format on

class AltKeyPopup : public ::testing::TestWithParam<AltCase> {};

TEST_P(AltKeyPopup, OpensOnlyTheMenuOfItsLetter) {
    const AltCase& c = GetParam();
    const ViewerRun run = RunViewerSteps({
        [&] { HeadlessPressKey(c.vk, c.text, AltKey); },
        [&] {
            EXPECT_EQ(HeadlessOpenMenuPopup(ViewerWindow()), c.popup);
            EXPECT_EQ(AboutWindow(), nullptr);
            EXPECT_TRUE(HeadlessClickCloseBox(ViewerWindow()));
        },
    });
    ASSERT_TRUE(run.started) << "no offscreen OpenGL";
    EXPECT_FALSE(run.ranOutOfInput);
    EXPECT_EQ(run.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, AltKeyPopup, ::testing::ValuesIn(AltCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
