// The controls of the About box: the icon, the version, one line on what the
// viewer shows, "OK", and the only help text on the keys.
#include "resources/ids.h"
#include "resources/resources.h"

namespace {
constexpr DWORD Shown = WS_CHILD | WS_VISIBLE;
}  // namespace

// clang-format off
// class        id                 text                                   x    y    cx   cy  style
const DialogControlTemplate AboutControls[AboutControlCount] = {
    {StaticClass, AboutIconControl, "107",                                14,  9,   20,  20, Shown | SS_ICON},
    {StaticClass, -1,               "morvat Version 1.2",                 49,  10,  119, 8,  Shown | WS_GROUP | SS_LEFT | SS_NOPREFIX},
    {StaticClass, -1,               "正二十面体の59種の星型",             49,  20,  119, 8,  Shown | WS_GROUP | SS_LEFT},
    {ButtonClass, IDOK,             "OK",                                 195, 6,   30,  11, Shown | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {StaticClass, -1,               "↑↓ 緯度、←→ 経度、PgUp/PgDn 遠近", 15,  35,  205, 10, Shown | WS_GROUP | SS_LEFT},
    {StaticClass, -1,               "[Home] 初期位置",                    15,  50,  205, 10, Shown | WS_GROUP | SS_LEFT},
};
// clang-format on
