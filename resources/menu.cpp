// Menu 109, the main window's menu bar. No item starts marked or greyed; the
// step items get their radio form and mark from the program at start-up.
#include "resources/ids.h"
#include "resources/resources.h"

namespace {

using enum MenuEntryKind;

// clang-format off
// depth kind       command              text
const MenuEntry MainMenuEntries[] = {
    {0, Popup,     0,                   "ﾌｧｲﾙ(&F)"},
    {1, Item,      CommandExit,         "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    {0, Popup,     0,                   "表示(&V)"},
    {1, Item,      CommandTileSelector, "タイルセレクタ(&S)"},
    {1, Separator, 0,                   nullptr},
    {1, Popup,     0,                   "背景色"},
    {2, Item,      CommandBackBlack,    "黒"},
    {2, Item,      CommandBackGrey25,   "25%灰"},
    {2, Item,      CommandBackGrey75,   "75%灰"},
    {0, Popup,     0,                   "加速(&A)"},
    {1, Item,      CommandStep1,        "x1 (&1)"},
    {1, Item,      CommandStep2,        "x2 (&2)"},
    {1, Item,      CommandStep5,        "x5 (&5)"},
    {0, Popup,     0,                   "ﾍﾙﾌﾟ(&H)"},
    {1, Item,      CommandAbout,        "ﾊﾞｰｼﾞｮﾝ情報(&A) ..."},
};
// clang-format on

}  // namespace

const MenuResource MorvatMenu = {MainMenu, MainMenuEntries};
