// Qt key codes to virtual-key codes: the keys the program reads and the ones
// it must be able to tell apart.
#include <gtest/gtest.h>

#include <Qt>

#include "platform/qt/qt_keys.h"

namespace {

struct KeyCase {
    const char* name;
    int qtKey;
    bool keypad;
    WORD vk;
};

// clang-format off
const KeyCase KeyCases[] = {
    // name                       qtKey                 keypad  vk
    {"page up",                   Qt::Key_PageUp,       false,  VK_PRIOR},
    {"page down",                 Qt::Key_PageDown,     false,  VK_NEXT},
    {"end",                       Qt::Key_End,          false,  VK_END},
    {"home",                      Qt::Key_Home,         false,  VK_HOME},
    {"left",                      Qt::Key_Left,         false,  VK_LEFT},
    {"up",                        Qt::Key_Up,           false,  VK_UP},
    {"right",                     Qt::Key_Right,        false,  VK_RIGHT},
    {"down",                      Qt::Key_Down,         false,  VK_DOWN},
    {"insert",                    Qt::Key_Insert,       false,  VK_INSERT},
    {"delete",                    Qt::Key_Delete,       false,  VK_DELETE},
    {"main-row 0",                Qt::Key_0,            false,  '0'},
    {"main-row 6",                Qt::Key_6,            false,  '6'},
    {"main-row 9",                Qt::Key_9,            false,  '9'},
    {"keypad 0",                  Qt::Key_0,            true,   VK_NUMPAD0},
    {"keypad 6",                  Qt::Key_6,            true,   VK_NUMPAD0 + 6},
    {"keypad 9",                  Qt::Key_9,            true,   VK_NUMPAD9},
    {"Shift+6 on the main row",   Qt::Key_AsciiCircum,  false,  '6'},
    {"Shift+9 on the main row",   Qt::Key_ParenLeft,    false,  '9'},
    {"Shift+0 on the main row",   Qt::Key_ParenRight,   false,  '0'},
    {"letter A",                  Qt::Key_A,            false,  'A'},
    {"letter H",                  Qt::Key_H,            false,  'H'},
    {"letter Y",                  Qt::Key_Y,            false,  'Y'},
    {"letter Z",                  Qt::Key_Z,            false,  'Z'},
    {"slash",                     Qt::Key_Slash,        false,  VK_OEM_2},
    {"question mark",             Qt::Key_Question,     false,  VK_OEM_2},
    {"keypad slash is not OEM_2", Qt::Key_Slash,        true,   0x6F},
    {"keypad asterisk is not 8",  Qt::Key_Asterisk,     true,   0x6A},
    {"main-row asterisk is 8",    Qt::Key_Asterisk,     false,  '8'},
    {"keypad 7 without Num Lock", Qt::Key_Home,         true,   VK_HOME},
    {"tab",                       Qt::Key_Tab,          false,  VK_TAB},
    {"shift+tab",                 Qt::Key_Backtab,      false,  VK_TAB},
    {"return",                    Qt::Key_Return,       false,  VK_RETURN},
    {"keypad enter",              Qt::Key_Enter,        true,   VK_RETURN},
    {"escape",                    Qt::Key_Escape,       false,  VK_ESCAPE},
    {"space",                     Qt::Key_Space,        false,  VK_SPACE},
    {"alt",                       Qt::Key_Alt,          false,  VK_MENU},
    {"F1",                        Qt::Key_F1,           false,  VK_F1},
    {"F12",                       Qt::Key_F12,          false,  VK_F12},
    {"unknown key",               Qt::Key_Semicolon,    false,  0},
    {"media key",                 Qt::Key_VolumeUp,     false,  0},
};
// clang-format on

TEST(QtKeys, MapsEachKeyToItsVirtualKeyCode) {
    for (const KeyCase& c : KeyCases) {
        EXPECT_EQ(VirtualKeyFromQtKey(c.qtKey, c.keypad), c.vk) << c.name;
    }
}

TEST(QtKeys, LettersAndDigitRowCoverTheirWholeRanges) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_A + i, false), 'A' + i);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0 + i, false), '0' + i);
        EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0 + i, true), VK_NUMPAD0 + i);
    }
}

}  // namespace
