// The two dialog templates: the About box (103) and the tile selector (129),
// which stands beside the main window at x 300 of its client area.
#include "resources/ids.h"
#include "resources/resources.h"

// clang-format off
// id                  caption                 font              pt  x    y   cx   cy   style                                                                        controls
constinit const DialogTemplate MorvatDialogs[2] = {
    {AboutDialog,        "ﾊﾞｰｼﾞｮﾝ情報",          "System",         8,  22,  17, 230, 75,  WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,                        AboutControls},
    {TileSelectorDialog, "morvat tile selector", "ＭＳ Ｐゴシック", 9,  300, 0,  229, 328, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, TileSelectorControls},
};
// clang-format on
