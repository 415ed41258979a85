// The resource tables row by row: a wrong text, number, place or order in any
// row shows up here, before any window is made from it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "geometry/selection.h"
#include "resources/ids.h"
#include "resources/resources.h"

namespace {

std::string Text(const char* s) { return s == nullptr ? std::string("(null)") : std::string(s); }

TEST(Resources, StringTableHoldsTitleAndClassNameOnly) {
    ASSERT_EQ(MorvatResources.strings.size(), 2u);
    EXPECT_EQ(MorvatResources.strings[0].id, 103u);
    EXPECT_STREQ(MorvatResources.strings[0].text, "morvat");
    EXPECT_EQ(MorvatResources.strings[1].id, 109u);
    EXPECT_STREQ(MorvatResources.strings[1].text, "MORVAT");
}

TEST(Resources, MenuBarHasEveryItemInOrder) {
    using enum MenuEntryKind;
    struct Row {
        int depth;
        MenuEntryKind kind;
        unsigned id;
        const char* text;
    };
    // clang-format off
    const Row expected[] = {
        {0, Popup,     0,     "ﾌｧｲﾙ(&F)"},
        {1, Item,      105,   "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        {0, Popup,     0,     "表示(&V)"},
        {1, Item,      32771, "タイルセレクタ(&S)"},
        {1, Separator, 0,     nullptr},
        {1, Popup,     0,     "背景色"},
        {2, Item,      32776, "黒"},
        {2, Item,      32777, "25%灰"},
        {2, Item,      32778, "75%灰"},
        {0, Popup,     0,     "加速(&A)"},
        {1, Item,      32773, "x1 (&1)"},
        {1, Item,      32774, "x2 (&2)"},
        {1, Item,      32775, "x5 (&5)"},
        {0, Popup,     0,     "ﾍﾙﾌﾟ(&H)"},
        {1, Item,      104,   "ﾊﾞｰｼﾞｮﾝ情報(&A) ..."},
    };
    // clang-format on
    ASSERT_EQ(MorvatResources.menus.size(), 1u);
    const MenuResource& menu = MorvatResources.menus[0];
    EXPECT_EQ(menu.id, 109u);
    ASSERT_EQ(menu.entries.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE("menu row " + std::to_string(i));
        EXPECT_EQ(menu.entries[i].depth, expected[i].depth);
        EXPECT_EQ(menu.entries[i].kind, expected[i].kind);
        EXPECT_EQ(menu.entries[i].id, expected[i].id);
        EXPECT_EQ(Text(menu.entries[i].text), Text(expected[i].text));
    }
}

TEST(Resources, AcceleratorsMatchAltQuestionMarkAndAltSlashAsCharacters) {
    ASSERT_EQ(MorvatResources.accelerators.size(), 1u);
    const AcceleratorResource& table = MorvatResources.accelerators[0];
    EXPECT_EQ(table.id, 109u);
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[0].fVirt, 0x10);  // FALT, a character: no FVIRTKEY
    EXPECT_EQ(table.entries[0].key, '?');
    EXPECT_EQ(table.entries[0].cmd, 104);
    EXPECT_EQ(table.entries[1].fVirt, 0x90);  // FALT and the table's end mark
    EXPECT_EQ(table.entries[1].key, '/');
    EXPECT_EQ(table.entries[1].cmd, 104);
}

const DialogTemplate* FindDialog(unsigned id) {
    for (const DialogTemplate& d : MorvatResources.dialogs) {
        if (d.id == id) return &d;
    }
    return nullptr;
}

struct ControlRow {
    const char* className;
    int id;
    const char* text;
    short x, y, cx, cy;
    DWORD style;
};

void ExpectControl(const DialogControlTemplate& actual, const ControlRow& expected) {
    EXPECT_EQ(Text(actual.className), Text(expected.className));
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(Text(actual.text), Text(expected.text));
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.cx, expected.cx);
    EXPECT_EQ(actual.cy, expected.cy);
    EXPECT_EQ(actual.style, expected.style) << std::hex << actual.style;
}

constexpr DWORD Shown = WS_CHILD | WS_VISIBLE;

TEST(Resources, TileSelectorTemplateHeader) {
    const DialogTemplate* selector = FindDialog(129);
    ASSERT_NE(selector, nullptr);
    EXPECT_STREQ(selector->caption, "morvat tile selector");
    EXPECT_STREQ(selector->fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(selector->pointSize, 9);
    EXPECT_EQ(selector->x, 300);
    EXPECT_EQ(selector->y, 0);
    EXPECT_EQ(selector->cx, 229);
    EXPECT_EQ(selector->cy, 328);
    EXPECT_EQ(selector->style,
              WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(selector->controls.size(), 94u);
}

// OK, the two group boxes and the eight static fields, at their places in
// template order: before the boxes, between boxes and buttons, at the end.
TEST(Resources, TileSelectorFixedControlsStandInTemplateOrder) {
    const DialogTemplate* selector = FindDialog(129);
    ASSERT_NE(selector, nullptr);
    ASSERT_EQ(selector->controls.size(), 94u);
    const DWORD field = Shown | SS_CENTER | SS_CENTERIMAGE | WS_GROUP;
    // clang-format off
    const struct { std::size_t index; ControlRow row; } expected[] = {
        {0,  {"BUTTON", 1,    "OK",            5,  270, 60,  15,  Shown | BS_DEFPUSHBUTTON | WS_TABSTOP}},
        {1,  {"BUTTON", -1,   "Tiles",         5,  30,  60,  235, Shown | BS_GROUPBOX}},
        {25, {"BUTTON", -1,   "Icosahedra",    70, 5,   152, 316, Shown | BS_GROUPBOX}},
        {86, {"STATIC", 1084, "59-icosahedra", 5,  10,  60,  15,  field | SS_SUNKEN}},
        {87, {"STATIC", 1085, "0",             5,  290, 20,  10,  field}},
        {88, {"STATIC", 1086, "0",             25, 290, 20,  10,  field}},
        {89, {"STATIC", 1087, "0",             45, 290, 20,  10,  field}},
        {90, {"STATIC", 1088, "",              5,  300, 20,  10,  field}},
        {91, {"STATIC", 1089, "",              25, 300, 20,  10,  field}},
        {92, {"STATIC", 1090, "",              5,  310, 20,  10,  field}},
        {93, {"STATIC", 1091, "",              45, 300, 20,  10,  field}},
    };
    // clang-format on
    for (const auto& e : expected) {
        SCOPED_TRACE("control " + std::to_string(e.index));
        ExpectControl(selector->controls[e.index], e.row);
    }
}

// Box 1001 + i is tile i, labelled as the tile, in the row of the label's
// number, "l" tiles in the right-hand column.
TEST(Resources, TileBoxesFollowTheRowRuleAndCarryTheTileLabels) {
    const DialogTemplate* selector = FindDialog(129);
    ASSERT_NE(selector, nullptr);
    ASSERT_EQ(selector->controls.size(), 94u);
    const short widths[TileCount] = {20, 19, 22, 21, 19, 22, 22, 21, 21, 22, 22, 20,
                                     22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22};
    for (int i = 0; i < TileCount; ++i) {
        SCOPED_TRACE(std::string("tile ") + TileLabels[i]);
        const std::string label = TileLabels[i];
        const int number = static_cast<int>(std::strtol(label.c_str(), nullptr, 10));
        const short x = label.back() == 'l' ? 40 : 15;
        ExpectControl(selector->controls[2 + i],
                      {"BUTTON", 1001 + i, TileLabels[i], x, static_cast<short>(40 + 15 * number),
                       widths[i], 10, Shown | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP});
    }
}

TEST(Resources, PresetButtonsFollowTheColumnRuleAndCarryThePresetCaptions) {
    const DialogTemplate* selector = FindDialog(129);
    ASSERT_NE(selector, nullptr);
    ASSERT_EQ(selector->controls.size(), 94u);
    const short columnX[3] = {80, 125, 170};
    const short columnWidth[3] = {44, 44, 46};
    for (int k = 0; k < PresetCount; ++k) {
        SCOPED_TRACE("preset row " + std::to_string(k));
        EXPECT_EQ(PresetTable[k].button, 1024 + k);
        const int column = k / 20, row = k % 20;
        ExpectControl(selector->controls[26 + k],
                      {"BUTTON", 1024 + k, PresetTable[k].caption, columnX[column],
                       static_cast<short>(15 + 15 * row), columnWidth[column], 14,
                       Shown | BS_PUSHBUTTON | WS_TABSTOP});
    }
    // The corners of the three columns, as a person reads them.
    // clang-format off
    const struct { int index; const char* caption; short x, y; } corners[] = {
        {26 + 0,  "1: A",          80,  15},
        {26 + 19, "20: f2g2",      80,  300},
        {26 + 20, "21: De1",       125, 15},
        {26 + 40, "41: De1f1rg2",  170, 15},
        {26 + 33, "34 e1f1r",      125, 210},
        {26 + 59, "47l: Ef1l",     170, 300},
    };
    // clang-format on
    for (const auto& c : corners) {
        SCOPED_TRACE(c.caption);
        EXPECT_STREQ(selector->controls[c.index].text, c.caption);
        EXPECT_EQ(selector->controls[c.index].x, c.x);
        EXPECT_EQ(selector->controls[c.index].y, c.y);
    }
}

TEST(Resources, AboutBoxTemplate) {
    const DialogTemplate* about = FindDialog(103);
    ASSERT_NE(about, nullptr);
    EXPECT_STREQ(about->caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_STREQ(about->fontName, "System");
    EXPECT_EQ(about->pointSize, 8);
    EXPECT_EQ(about->x, 22);
    EXPECT_EQ(about->y, 17);
    EXPECT_EQ(about->cx, 230);
    EXPECT_EQ(about->cy, 75);
    EXPECT_EQ(about->style, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    ASSERT_EQ(about->controls.size(), 6u);
    // clang-format off
    const ControlRow expected[] = {
        {"STATIC", 2,  "107",                                14,  9,  20,  20, Shown | SS_ICON},
        {"STATIC", -1, "morvat Version 1.2",                 49,  10, 119, 8,  Shown | WS_GROUP | SS_NOPREFIX},
        {"STATIC", -1, nullptr,                              49,  20, 119, 8,  Shown | WS_GROUP},
        {"BUTTON", 1,  "OK",                                 195, 6,  30,  11, Shown | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"STATIC", -1, "↑↓ 緯度、←→ 経度、PgUp/PgDn 遠近", 15,  35, 205, 10, Shown | WS_GROUP},
        {"STATIC", -1, "[Home] 初期位置",                    15,  50, 205, 10, Shown | WS_GROUP},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE("About control " + std::to_string(i));
        ControlRow row = expected[i];
        if (row.text == nullptr) {
            // Our own wording: any short, non-empty line.
            ASSERT_NE(about->controls[i].text, nullptr);
            EXPECT_GT(std::strlen(about->controls[i].text), 0u);
            row.text = about->controls[i].text;
        }
        ExpectControl(about->controls[i], row);
    }
}

const IconResource* FindIcon(unsigned id) {
    for (const IconResource& icon : MorvatResources.icons) {
        if (icon.id == id) return &icon;
    }
    return nullptr;
}

// Every image: square rows of palette digits, a transparent surround, one
// convex opaque shape (a single run per row), a white centre, and all six
// face colours of the design present.
TEST(Resources, IconsShowTheIcosahedronOnATransparentSurround) {
    const struct { unsigned id; std::set<int> sizes; } groups[] = {{107, {32, 16}}, {108, {16}}};
    const std::uint32_t faceColours[] = {0xFF00FFFF, 0xFFFF00FF, 0xFFFFFF00,   // cyan magenta yellow
                                         0xFF008080, 0xFF800080, 0xFF808000};  // teal purple olive
    for (const auto& group : groups) {
        const IconResource* icon = FindIcon(group.id);
        ASSERT_NE(icon, nullptr) << group.id;
        std::set<int> sizes;
        for (const IconImage& image : icon->images) {
            SCOPED_TRACE("icon " + std::to_string(group.id) + " size " + std::to_string(image.size));
            sizes.insert(image.size);
            std::set<std::uint32_t> used;
            const int n = image.size;
            auto colour = [&](int x, int y) {
                const char c = image.rows[y][x];
                const int index = c <= '9' ? c - '0' : c - 'A' + 10;
                return image.palette[index];
            };
            for (int y = 0; y < n; ++y) {
                const std::string row = image.rows[y];
                ASSERT_EQ(row.size(), static_cast<std::size_t>(n)) << "row " << y;
                ASSERT_EQ(row.find_first_not_of("0123456789ABCDEF"), std::string::npos);
                int runs = 0;
                bool opaque = false;
                for (int x = 0; x < n; ++x) {
                    const bool now = (colour(x, y) >> 24) != 0;
                    if (now && !opaque) ++runs;
                    opaque = now;
                    used.insert(colour(x, y));
                }
                EXPECT_LE(runs, 1) << "row " << y;
            }
            for (int corner : {0, n - 1}) {
                EXPECT_EQ(colour(corner, 0) >> 24, 0u);
                EXPECT_EQ(colour(corner, n - 1) >> 24, 0u);
                EXPECT_EQ(colour(0, corner) >> 24, 0u);
            }
            EXPECT_EQ(colour(n / 2, n / 2), 0xFFFFFFFFu);
            for (std::uint32_t face : faceColours) EXPECT_TRUE(used.count(face)) << std::hex << face;
        }
        EXPECT_EQ(sizes, group.sizes);
    }
}

}  // namespace
