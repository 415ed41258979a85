// What a static control shows for a resource text: mnemonic marks removed
// unless the style says the text has none.
#include <gtest/gtest.h>

#include "platform/qt/qt_window.h"

namespace {

struct TextCase {
    const char* text;
    DWORD style;
    const char* shown;
};

// clang-format off
const TextCase TextCases[] = {
    // text                       style          shown
    {"&File",                     SS_LEFT,       "File"},
    {"a&&b",                      SS_LEFT,       "a&b"},
    {"end&",                      SS_LEFT,       "end"},
    {"a&b",                       SS_NOPREFIX,   "a&b"},
    {"morvat Version 1.2",        SS_NOPREFIX,   "morvat Version 1.2"},
    {"[Home] 初期位置",           SS_LEFT,       "[Home] 初期位置"},
    {"ﾊﾞｰｼﾞｮﾝ情報(&A)",          SS_LEFT,       "ﾊﾞｰｼﾞｮﾝ情報(A)"},
    {"",                          SS_CENTER,     ""},
};
// clang-format on

TEST(QtStaticText, MnemonicMarksAreNotShown) {
    for (const TextCase& c : TextCases) {
        EXPECT_EQ(StaticTextForDisplay(c.text, c.style), QString::fromUtf8(c.shown)) << c.text;
    }
    EXPECT_TRUE(StaticTextForDisplay(nullptr, SS_LEFT).isEmpty());
}

}  // namespace
