#include "platform/qt/qt_keys.h"

#include <Qt>
#include <iterator>

namespace {

struct KeyRow {
    int qtKey;
    WORD vk;
};

// Keys whose code does not follow from a range. The shifted digit-row symbols
// are those of a US layout: Qt reports the symbol, the program wants the key.
// clang-format off
const KeyRow FixedKeys[] = {
    // qtKey               vk
    {Qt::Key_Backspace,    VK_BACK},
    {Qt::Key_Tab,          VK_TAB},
    {Qt::Key_Backtab,      VK_TAB},      // Shift+Tab
    {Qt::Key_Return,       VK_RETURN},
    {Qt::Key_Enter,        VK_RETURN},   // the keypad's Enter
    {Qt::Key_Shift,        VK_SHIFT},
    {Qt::Key_Control,      VK_CONTROL},
    {Qt::Key_Alt,          VK_MENU},
    {Qt::Key_Escape,       VK_ESCAPE},
    {Qt::Key_Space,        VK_SPACE},
    {Qt::Key_PageUp,       VK_PRIOR},
    {Qt::Key_PageDown,     VK_NEXT},
    {Qt::Key_End,          VK_END},
    {Qt::Key_Home,         VK_HOME},
    {Qt::Key_Left,         VK_LEFT},
    {Qt::Key_Up,           VK_UP},
    {Qt::Key_Right,        VK_RIGHT},
    {Qt::Key_Down,         VK_DOWN},
    {Qt::Key_Insert,       VK_INSERT},
    {Qt::Key_Delete,       VK_DELETE},
    {Qt::Key_Slash,        VK_OEM_2},
    {Qt::Key_Question,     VK_OEM_2},
    {Qt::Key_ParenRight,   '0'},
    {Qt::Key_Exclam,       '1'},
    {Qt::Key_At,           '2'},
    {Qt::Key_NumberSign,   '3'},
    {Qt::Key_Dollar,       '4'},
    {Qt::Key_Percent,      '5'},
    {Qt::Key_AsciiCircum,  '6'},
    {Qt::Key_Ampersand,    '7'},
    {Qt::Key_Asterisk,     '8'},
    {Qt::Key_ParenLeft,    '9'},
};
// clang-format on

// The keypad's operator keys have codes of their own, apart from the main
// row's '/' and '8'.
// clang-format off
const KeyRow KeypadOperatorKeys[] = {
    // qtKey               vk
    {Qt::Key_Asterisk,     0x6A},  // multiply
    {Qt::Key_Plus,         0x6B},  // add
    {Qt::Key_Minus,        0x6D},  // subtract
    {Qt::Key_Period,       0x6E},  // decimal point
    {Qt::Key_Comma,        0x6E},  // decimal point on layouts that use a comma
    {Qt::Key_Slash,        0x6F},  // divide
};
// clang-format on

WORD FindKey(const KeyRow* first, const KeyRow* last, int qtKey) {
    for (const KeyRow* row = first; row != last; ++row) {
        if (row->qtKey == qtKey) {
            return row->vk;
        }
    }
    return 0;
}

}  // namespace

WORD VirtualKeyFromQtKey(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return static_cast<WORD>(keypad ? VK_NUMPAD0 + digit : '0' + digit);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<WORD>('A' + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return static_cast<WORD>(VK_F1 + (qtKey - Qt::Key_F1));
    }
    if (keypad) {
        const WORD op = FindKey(std::begin(KeypadOperatorKeys), std::end(KeypadOperatorKeys), qtKey);
        if (op != 0) {
            return op;
        }
    }
    return FindKey(std::begin(FixedKeys), std::end(FixedKeys), qtKey);
}
