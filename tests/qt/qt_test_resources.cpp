#include "tests/qt/qt_test_resources.h"

#include <array>
#include <cstdint>

namespace {

// clang-format off
const MenuEntry MenuEntries[] = {
    // depth kind                   id             text
    {0, MenuEntryKind::Popup,     0,             "ﾌｧｲﾙ(&F)"},
    {1, MenuEntryKind::Item,      CommandExit,   "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    {0, MenuEntryKind::Popup,     0,             "表示(&V)"},
    {1, MenuEntryKind::Item,      CommandShow,   "タイルセレクタ(&S)"},
    {1, MenuEntryKind::Separator, 0,             nullptr},
    {1, MenuEntryKind::Popup,     0,             "背景色"},
    {2, MenuEntryKind::Item,      CommandBlack,  "黒"},
    {0, MenuEntryKind::Popup,     0,             "加速(&A)"},
    {1, MenuEntryKind::Item,      CommandStep1,  "x1 (&1)"},
    {1, MenuEntryKind::Item,      CommandStep2,  "x2 (&2)"},
    {1, MenuEntryKind::Item,      CommandStep5,  "x5 (&5)"},
};

const MenuResource Menus[] = {{TestMenuId, MenuEntries}};

const DialogControlTemplate DialogControls[] = {
    // class        id             text              x    y    cx   cy  style
    {ButtonClass, IDOK,          "OK",              5, 100,  40,  14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {ButtonClass, -1,            "Tiles",           5,  25,  60,  40, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {ButtonClass, ControlCheck,  "2r",             15,  40,  22,  10, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX},
    {ButtonClass, ControlPreset, "24: De1f1",      80,  40,  44,  14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {StaticClass, ControlLabel,  "59-icosahedra",   5,   5,  60,  15, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN},
    {StaticClass, -1,            "↑↓ 緯度、←→ 経度、PgUp/PgDn 遠近", 5, 70, 150, 10, WS_CHILD | WS_VISIBLE | WS_GROUP},
    {StaticClass, -1,            "ﾊﾞｰｼﾞｮﾝ情報",       5,  82, 100,  10, WS_CHILD | WS_VISIBLE | WS_GROUP},
    {StaticClass, 2,             "400",           130,   5,  20,  20, WS_CHILD | WS_VISIBLE | SS_ICON},
};
// clang-format on

const DialogTemplate Dialogs[] = {
    {TestDialogId, "ﾊﾞｰｼﾞｮﾝ情報", "ＭＳ Ｐゴシック", 9, 40, 10, 160, 120,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, DialogControls},
};

// Four colours in two-by-two blocks, a transparent surround.
const std::uint32_t IconPalette[16] = {0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                       0xFFFFFFFF};

const char* const IconRows16[] = {
    "0000000000000000", "0111111122222220", "0111111122222220", "0111111122222220",
    "0111111122222220", "0111111122222220", "0111111122222220", "0111111122222220",
    "0333333344444440", "0333333344444440", "0333333344444440", "0333333344444440",
    "0333333344444440", "0333333344444440", "0333333344444440", "0000000000000000",
};

struct Icon32Rows {
    std::array<std::array<char, 33>, 32> text{};
    std::array<const char*, 32> rows{};
    Icon32Rows() noexcept {
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                text[y][x] = IconRows16[y / 2][x / 2];
            }
            text[y][32] = '\0';
            rows[y] = text[y].data();
        }
    }
};
const Icon32Rows Icon32;

const IconImage IconImages[] = {{32, IconPalette, Icon32.rows.data()},
                                {16, IconPalette, IconRows16}};
const IconResource Icons[] = {{TestIconId, IconImages}};

}  // namespace

const ResourceModule QtTestResources{{}, Menus, {}, Dialogs, Icons};

namespace {

const UINT StepCommands[] = {CommandStep1, CommandStep2, CommandStep5};
const char* const StepTexts[] = {"x1 (&1)", "x2 (&2)", "x5 (&5)"};

}  // namespace

bool GiveStepItemsRadioForm(HWND frame) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    info.fType = MFT_RADIOCHECK;
    bool all = true;
    for (int i = 0; i < 3; ++i) {
        info.dwTypeData = const_cast<LPSTR>(StepTexts[i]);
        all = SetMenuItemInfoA(GetMenu(frame), StepCommands[i], FALSE, &info) != FALSE && all;
    }
    return all;
}

bool MarkStepItem(HWND frame, UINT chosen) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    bool all = true;
    for (const UINT command : StepCommands) {
        info.fState = command == chosen ? MFS_CHECKED : MFS_UNCHECKED;
        all = SetMenuItemInfoA(GetMenu(frame), command, FALSE, &info) != FALSE && all;
    }
    return all;
}
