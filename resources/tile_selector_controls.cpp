// The controls of the tile selector, in template order (which is also the
// order of the Tab key). The 60 preset buttons are laid out from the preset
// table by the column rule, so their captions can never drift from it.
#include "geometry/selection.h"
#include <iterator>

#include "resources/ids.h"
#include "resources/resources.h"

namespace {

constexpr DWORD Shown = WS_CHILD | WS_VISIBLE;
constexpr DWORD TileBoxStyle = Shown | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP;
constexpr DWORD FieldStyle = Shown | SS_CENTER | SS_CENTERIMAGE | WS_GROUP;

// One row per tile number (y = 40 + 15 * number); "r" tiles and tiles without
// a letter at x 15, "l" tiles at x 40.
// clang-format off
// class        id    text   x   y    cx  cy  style
const DialogControlTemplate TileBoxes[TileCount] = {
    {ButtonClass, 1001, "0",   15, 40,  20, 10, TileBoxStyle},
    {ButtonClass, 1002, "1",   15, 55,  19, 10, TileBoxStyle},
    {ButtonClass, 1003, "2r",  15, 70,  22, 10, TileBoxStyle},
    {ButtonClass, 1004, "2l",  40, 70,  21, 10, TileBoxStyle},
    {ButtonClass, 1005, "3",   15, 85,  19, 10, TileBoxStyle},
    {ButtonClass, 1006, "4r",  15, 100, 22, 10, TileBoxStyle},
    {ButtonClass, 1007, "4l",  40, 100, 22, 10, TileBoxStyle},
    {ButtonClass, 1008, "5r",  15, 115, 21, 10, TileBoxStyle},
    {ButtonClass, 1009, "5l",  40, 115, 21, 10, TileBoxStyle},
    {ButtonClass, 1010, "6r",  15, 130, 22, 10, TileBoxStyle},
    {ButtonClass, 1011, "6l",  40, 130, 22, 10, TileBoxStyle},
    {ButtonClass, 1012, "7",   15, 145, 20, 10, TileBoxStyle},
    {ButtonClass, 1013, "8",   15, 160, 22, 10, TileBoxStyle},
    {ButtonClass, 1014, "9r",  15, 175, 22, 10, TileBoxStyle},
    {ButtonClass, 1015, "9l",  40, 175, 22, 10, TileBoxStyle},
    {ButtonClass, 1016, "10r", 15, 190, 22, 10, TileBoxStyle},
    {ButtonClass, 1017, "10l", 40, 190, 22, 10, TileBoxStyle},
    {ButtonClass, 1018, "11r", 15, 205, 22, 10, TileBoxStyle},
    {ButtonClass, 1019, "11l", 40, 205, 22, 10, TileBoxStyle},
    {ButtonClass, 1020, "12",  15, 220, 22, 10, TileBoxStyle},
    {ButtonClass, 1021, "13r", 15, 235, 22, 10, TileBoxStyle},
    {ButtonClass, 1022, "13l", 40, 235, 22, 10, TileBoxStyle},
    {ButtonClass, 1023, "14",  15, 250, 22, 10, TileBoxStyle},
};

// class        id                text             x  y    cx  cy  style
const DialogControlTemplate OkButton =
    {ButtonClass, IDOK,             "OK",            5,  270, 60, 15, Shown | BS_DEFPUSHBUTTON | WS_TABSTOP};
const DialogControlTemplate TilesGroup =
    {ButtonClass, -1,               "Tiles",         5,  30,  60, 235, Shown | BS_GROUPBOX};
const DialogControlTemplate PresetsGroup =
    {ButtonClass, -1,               "Icosahedra",    70, 5,   152, 316, Shown | BS_GROUPBOX};
const DialogControlTemplate StatusControls[] = {
    {StaticClass, PresetLabelField, "59-icosahedra", 5,  10,  60, 15, FieldStyle | SS_SUNKEN},
    {StaticClass, LongitudeField,   "0",             5,  290, 20, 10, FieldStyle},
    {StaticClass, LatitudeField,    "0",             25, 290, 20, 10, FieldStyle},
    {StaticClass, DistanceField,    "0",             45, 290, 20, 10, FieldStyle},
    {StaticClass, YawField,         "",              5,  300, 20, 10, FieldStyle},
    {StaticClass, PitchField,       "",              25, 300, 20, 10, FieldStyle},
    {StaticClass, RollField,        "",              5,  310, 20, 10, FieldStyle},
    {StaticClass, ClipField,        "",              45, 300, 20, 10, FieldStyle},
};

// Three columns of 20 buttons; the third column is a little wider.
constexpr int PresetRows = 20;
constexpr short PresetColumnX[3]     = {80, 125, 170};
constexpr short PresetColumnWidth[3] = {44, 44,  46};
// clang-format on
constexpr short PresetTopY = 15;
constexpr short PresetPitchY = 15;
constexpr short PresetHeight = 14;
constexpr DWORD PresetStyle = Shown | BS_PUSHBUTTON | WS_TABSTOP;

static_assert(PresetCount == 3 * PresetRows);
static_assert(TileSelectorControlCount ==
              1 + 1 + TileCount + 1 + PresetCount + int(std::size(StatusControls)));

// Runs during static initialisation; PresetTable is constant-initialised, so
// its captions are already in place.
std::array<DialogControlTemplate, TileSelectorControlCount> LayOutTileSelector() noexcept {
    std::array<DialogControlTemplate, TileSelectorControlCount> controls{};
    int n = 0;
    controls[n++] = OkButton;
    controls[n++] = TilesGroup;
    for (const DialogControlTemplate& box : TileBoxes) controls[n++] = box;
    controls[n++] = PresetsGroup;
    for (int k = 0; k < PresetCount; ++k) {
        const int column = k / PresetRows;
        const int row = k % PresetRows;
        controls[n++] = {ButtonClass,
                         FirstPresetButton + k,
                         PresetTable[k].caption,
                         PresetColumnX[column],
                         static_cast<short>(PresetTopY + PresetPitchY * row),
                         PresetColumnWidth[column],
                         PresetHeight,
                         PresetStyle};
    }
    for (const DialogControlTemplate& field : StatusControls) controls[n++] = field;
    return controls;
}

}  // namespace

const std::array<DialogControlTemplate, TileSelectorControlCount> TileSelectorControls =
    LayOutTileSelector();
