#include "geometry/selection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<int> SelectedTiles() {
    std::vector<int> tiles;
    for (int i = 0; i < TileCount; ++i) {
        if (TileFlags[i] != 0) {
            EXPECT_EQ(TileFlags[i], 1) << "tile " << i;
            tiles.push_back(i);
        }
    }
    return tiles;
}

const Preset* FindPreset(const char* caption) {
    for (const Preset& preset : PresetTable) {
        if (std::strcmp(preset.caption, caption) == 0) {
            return &preset;
        }
    }
    return nullptr;
}

// Must stay the first test of this file: it looks at the state the program starts in.
TEST(Selection, StartsWithTheIcosahedronAlone) {
    EXPECT_EQ(SelectedTiles(), std::vector<int>{0});
    EXPECT_STREQ(PresetLabel, "59-icosahedra");
}

TEST(Selection, TileLabels) {
    const char* const expected[TileCount] = {"0",  "1",   "2r",  "2l",  "3",   "4r",  "4l",  "5r",
                                             "5l", "6r",  "6l",  "7",   "8",   "9r",  "9l",  "10r",
                                             "10l", "11r", "11l", "12", "13r", "13l", "14"};
    for (int i = 0; i < TileCount; ++i) {
        EXPECT_STREQ(TileLabels[i], expected[i]) << i;
    }
}

TEST(PresetTable, RowsAreWellFormed) {
    std::set<std::string> letter_sets;
    for (int i = 0; i < PresetCount; ++i) {
        const Preset& preset = PresetTable[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(preset.button, 1024 + i);
        ASSERT_NE(preset.caption, nullptr);
        ASSERT_NE(preset.letters, nullptr);
        // The caption is the preset number, then ": " and the name, and fits the label.
        const std::string number = i < 59 ? std::to_string(i + 1) : "47l";
        const std::string caption = preset.caption;
        EXPECT_LT(caption.size(), static_cast<std::size_t>(PresetLabelSize));
        const std::string separator = i == 33 ? " " : ": ";
        EXPECT_EQ(caption.substr(0, number.size() + separator.size()), number + separator);
        // Letters name tiles in ascending order, none twice.
        const std::string letters = preset.letters;
        ASSERT_FALSE(letters.empty());
        for (std::size_t c = 0; c < letters.size(); ++c) {
            EXPECT_GE(letters[c], 'A');
            EXPECT_LE(letters[c], 'W');
            if (c > 0) {
                EXPECT_LT(letters[c - 1], letters[c]);
            }
        }
        EXPECT_TRUE(letter_sets.insert(letters).second) << "letters repeated: " << letters;
    }
}

TEST(PresetTable, KnownRows) {
    const struct {
        int button;
        const char* caption;
        const char* letters;
    } rows[] = {
        {1024, "1: A", "A"},           {1031, "8: H", "UVW"},
        {1045, "22: Ef1", "LNOPQ"},    {1047, "24: De1f1", "FGJKNOPQ"},
        {1057, "34 e1f1r", "EHKNP"},   {1067, "44: De1f1rf2g2", "FGHKLOPRS"},
        {1070, "47: Ef1r", "HJLNP"},   {1082, "59: Ef1rf2g2", "HJOPRS"},
        {1083, "47l: Ef1l", "IKLOQ"},
    };
    for (const auto& row : rows) {
        const Preset* preset = FindPreset(row.caption);
        ASSERT_NE(preset, nullptr) << row.caption;
        EXPECT_EQ(preset->button, row.button) << row.caption;
        EXPECT_STREQ(preset->letters, row.letters) << row.caption;
    }
}

// Every row again, this time by tile labels as a reader of the stellation
// list would write them, in button order. Two transcriptions of one table
// catch a letter slipped in either.
TEST(PresetTable, EveryRowSelectsTheNamedTiles) {
    // clang-format off
    const struct {
        const char* caption;
        const char* labels;
    } rows[] = {
        {"1: A", "0"},
        {"2: B", "1"},
        {"3: C", "2r, 2l"},
        {"4: D", "3, 4r, 4l"},
        {"5: E", "5r, 5l, 6r, 6l, 7"},
        {"6: F", "8, 9r, 9l, 10r, 10l"},
        {"7: G", "11r, 11l, 12"},
        {"8: H", "13r, 13l, 14"},
        {"9: e1", "3, 5r, 5l"},
        {"10: f1", "5r, 5l, 6r, 6l, 9r, 9l, 10r, 10l"},
        {"11: g1", "10r, 10l, 12"},
        {"12: e1f1", "3, 6r, 6l, 9r, 9l, 10r, 10l"},
        {"13: e1f1g1", "3, 6r, 6l, 9r, 9l, 12"},
        {"14: f1g1", "5r, 5l, 6r, 6l, 9r, 9l, 12"},
        {"15: e2", "4r, 4l, 6r, 6l, 7"},
        {"16: f2", "7, 8"},
        {"17: g2", "8, 9r, 9l, 11r, 11l"},
        {"18: e2f2", "4r, 4l, 6r, 6l, 8"},
        {"19: e2f2g2", "4r, 4l, 6r, 6l, 9r, 9l, 11r, 11l"},
        {"20: f2g2", "7, 9r, 9l, 11r, 11l"},
        {"21: De1", "4r, 4l, 5r, 5l"},
        {"22: Ef1", "7, 9r, 9l, 10r, 10l"},
        {"23: Fg1", "8, 9r, 9l, 12"},
        {"24: De1f1", "4r, 4l, 6r, 6l, 9r, 9l, 10r, 10l"},
        {"25: De1f1g1", "4r, 4l, 6r, 6l, 9r, 9l, 12"},
        {"26: Ef1g1", "7, 9r, 9l, 12"},
        {"27: De2", "3, 6r, 6l, 7"},
        {"28: Ef2", "5r, 5l, 6r, 6l, 8"},
        {"29: Fg2", "10r, 10l, 11r, 11l"},
        {"30: De2f2", "3, 6r, 6l, 8"},
        {"31: De2f2g2", "3, 6r, 6l, 9r, 9l, 11r, 11l"},
        {"32: Ef2g2", "5r, 5l, 6r, 6l, 9r, 9l, 11r, 11l"},
        {"33: f1r", "5l, 6l, 9r, 10r"},
        {"34 e1f1r", "3, 5r, 6l, 9r, 10r"},
        {"35: De1f1r", "4r, 4l, 5r, 6l, 9r, 10r"},
        {"36: f1rg1", "5l, 6l, 9r, 10l, 12"},
        {"37: e1f1rg1", "3, 5r, 6l, 9r, 10l, 12"},
        {"38: De1f1rg1", "4r, 4l, 5r, 6l, 9r, 10l, 12"},
        {"39: f1rg2", "5l, 6l, 8, 9l, 10r, 11r, 11l"},
        {"40: e1f1rg2", "3, 5r, 6l, 8, 9l, 10r, 11r, 11l"},
        {"41: De1f1rg2", "4r, 4l, 5r, 6l, 8, 9l, 10r, 11r, 11l"},
        {"42: f1rf2g2", "5l, 6l, 7, 9l, 10r, 11r, 11l"},
        {"43: e1f1rf2g2", "3, 5r, 6l, 7, 9l, 10r, 11r, 11l"},
        {"44: De1f1rf2g2", "4r, 4l, 5r, 6l, 7, 9l, 10r, 11r, 11l"},
        {"45: e2f1r", "4r, 4l, 5l, 6r, 7, 9r, 10r"},
        {"46: De2f1r", "3, 5l, 6r, 7, 9r, 10r"},
        {"47: Ef1r", "5r, 6r, 7, 9r, 10r"},
        {"48: e2f1rg1", "4r, 4l, 5l, 6r, 7, 9r, 10l, 12"},
        {"49: De2f1rg1", "3, 5l, 6r, 7, 9r, 10l, 12"},
        {"50: Ef1rg1", "5r, 6r, 7, 9r, 10l, 12"},
        {"51: e2f1rf2", "4r, 4l, 5l, 6r, 8, 9r, 10r"},
        {"52: De2f1rf2", "3, 5l, 6r, 8, 9r, 10r"},
        {"53: Ef1rf2", "5r, 6r, 8, 9r, 10r"},
        {"54: e2f1rf2g1", "4r, 4l, 5l, 6r, 8, 9r, 10l, 12"},
        {"55: De2f1rf2g1", "3, 5l, 6r, 8, 9r, 10l, 12"},
        {"56: Ef1rf2g1", "5r, 6r, 8, 9r, 10l, 12"},
        {"57: e2f1rf2g2", "4r, 4l, 5l, 6r, 9l, 10r, 11r, 11l"},
        {"58: De2f1rf2g2", "3, 5l, 6r, 9l, 10r, 11r, 11l"},
        {"59: Ef1rf2g2", "5r, 6r, 9l, 10r, 11r, 11l"},
        {"47l: Ef1l", "5l, 6l, 7, 9l, 10l"},
    };
    // clang-format on
    static_assert(std::size(rows) == PresetCount);
    for (int i = 0; i < PresetCount; ++i) {
        EXPECT_EQ(PresetTable[i].button, 1024 + i);
        EXPECT_STREQ(PresetTable[i].caption, rows[i].caption);
        ApplyPreset(PresetTable[i].letters);
        std::string labels;
        for (int tile : SelectedTiles()) {
            labels += (labels.empty() ? "" : ", ") + std::string(TileLabels[tile]);
        }
        EXPECT_EQ(labels, rows[i].labels) << rows[i].caption;
    }
}

TEST(ApplyPreset, ReplacesTheWholeSelection) {
    const struct {
        const char* name;
        const char* before;  // applied first, to show nothing survives
        const char* letters;
        std::vector<int> expected;
    } rows[] = {
        {"1: A", "UVW", "A", {0}},
        {"8: H", "A", "UVW", {20, 21, 22}},
        {"3: C after 4: D", "EFG", "CD", {2, 3}},
        {"every tile", "A", "ABCDEFGHIJKLMNOPQRSTUVW",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {"empty string", "HJLNP", "", {}},
        {"characters naming no tile are passed over", "B", "@A[aXZ\x7f\x80W", {0, 22}},
        {"null string", "B", nullptr, {}},
    };
    for (const auto& row : rows) {
        ApplyPreset(row.before);
        ApplyPreset(row.letters);
        EXPECT_EQ(SelectedTiles(), row.expected) << row.name;
    }
}

TEST(ApplyPreset, FortySevenAndItsLeftFormSelectMirrorTiles) {
    const Preset* right = FindPreset("47: Ef1r");
    const Preset* left = FindPreset("47l: Ef1l");
    ASSERT_NE(right, nullptr);
    ASSERT_NE(left, nullptr);
    auto labels_of = [](const char* letters, bool swap_hands) {
        ApplyPreset(letters);
        std::set<std::string> labels;
        for (int tile : SelectedTiles()) {
            std::string label = TileLabels[tile];
            if (swap_hands && !label.empty() && (label.back() == 'r' || label.back() == 'l')) {
                label.back() = label.back() == 'r' ? 'l' : 'r';
            }
            labels.insert(label);
        }
        return labels;
    };
    const std::set<std::string> right_labels = labels_of(right->letters, false);
    EXPECT_EQ(right_labels, (std::set<std::string>{"5r", "6r", "7", "9r", "10r"}));
    EXPECT_EQ(labels_of(left->letters, true), right_labels);
}

}  // namespace
