#include "geometry/selection.h"

unsigned char TileFlags[TileCount] = {1};

// clang-format off
const char* const TileLabels[TileCount] = {
    "0",  "1",   "2r",  "2l",  "3",   "4r",  "4l",  "5r",  "5l",  "6r",  "6l", "7",
    "8",  "9r",  "9l",  "10r", "10l", "11r", "11l", "12",  "13r", "13l", "14",
};
// clang-format on

char PresetLabel[PresetLabelSize] = "59-icosahedra";

// clang-format off
const Preset PresetTable[PresetCount] = {
    // button, caption,            letters
    {1024, "1: A",               "A"},
    {1025, "2: B",               "B"},
    {1026, "3: C",               "CD"},
    {1027, "4: D",               "EFG"},
    {1028, "5: E",               "HIJKL"},
    {1029, "6: F",               "MNOPQ"},
    {1030, "7: G",               "RST"},
    {1031, "8: H",               "UVW"},
    {1032, "9: e1",              "EHI"},
    {1033, "10: f1",             "HIJKNOPQ"},
    {1034, "11: g1",             "PQT"},
    {1035, "12: e1f1",           "EJKNOPQ"},
    {1036, "13: e1f1g1",         "EJKNOT"},
    {1037, "14: f1g1",           "HIJKNOT"},
    {1038, "15: e2",             "FGJKL"},
    {1039, "16: f2",             "LM"},
    {1040, "17: g2",             "MNORS"},
    {1041, "18: e2f2",           "FGJKM"},
    {1042, "19: e2f2g2",         "FGJKNORS"},
    {1043, "20: f2g2",           "LNORS"},
    {1044, "21: De1",            "FGHI"},
    {1045, "22: Ef1",            "LNOPQ"},
    {1046, "23: Fg1",            "MNOT"},
    {1047, "24: De1f1",          "FGJKNOPQ"},
    {1048, "25: De1f1g1",        "FGJKNOT"},
    {1049, "26: Ef1g1",          "LNOT"},
    {1050, "27: De2",            "EJKL"},
    {1051, "28: Ef2",            "HIJKM"},
    {1052, "29: Fg2",            "PQRS"},
    {1053, "30: De2f2",          "EJKM"},
    {1054, "31: De2f2g2",        "EJKNORS"},
    {1055, "32: Ef2g2",          "HIJKNORS"},
    {1056, "33: f1r",            "IKNP"},
    {1057, "34 e1f1r",           "EHKNP"},
    {1058, "35: De1f1r",         "FGHKNP"},
    {1059, "36: f1rg1",          "IKNQT"},
    {1060, "37: e1f1rg1",        "EHKNQT"},
    {1061, "38: De1f1rg1",       "FGHKNQT"},
    {1062, "39: f1rg2",          "IKMOPRS"},
    {1063, "40: e1f1rg2",        "EHKMOPRS"},
    {1064, "41: De1f1rg2",       "FGHKMOPRS"},
    {1065, "42: f1rf2g2",        "IKLOPRS"},
    {1066, "43: e1f1rf2g2",      "EHKLOPRS"},
    {1067, "44: De1f1rf2g2",     "FGHKLOPRS"},
    {1068, "45: e2f1r",          "FGIJLNP"},
    {1069, "46: De2f1r",         "EIJLNP"},
    {1070, "47: Ef1r",           "HJLNP"},
    {1071, "48: e2f1rg1",        "FGIJLNQT"},
    {1072, "49: De2f1rg1",       "EIJLNQT"},
    {1073, "50: Ef1rg1",         "HJLNQT"},
    {1074, "51: e2f1rf2",        "FGIJMNP"},
    {1075, "52: De2f1rf2",       "EIJMNP"},
    {1076, "53: Ef1rf2",         "HJMNP"},
    {1077, "54: e2f1rf2g1",      "FGIJMNQT"},
    {1078, "55: De2f1rf2g1",     "EIJMNQT"},
    {1079, "56: Ef1rf2g1",       "HJMNQT"},
    {1080, "57: e2f1rf2g2",      "FGIJOPRS"},
    {1081, "58: De2f1rf2g2",     "EIJOPRS"},
    {1082, "59: Ef1rf2g2",       "HJOPRS"},
    {1083, "47l: Ef1l",          "IKLOQ"},
};
// clang-format on

void ApplyPreset(const char* letters) {
    for (int i = 0; i < TileCount; ++i) {
        TileFlags[i] = 0;
    }
    if (letters == nullptr) {
        return;
    }
    // Characters that name no tile are passed over instead of being written
    // outside the flags.
    for (const char* c = letters; *c != '\0'; ++c) {
        const int tile = *c - 'A';
        if (tile >= 0 && tile < TileCount) {
            TileFlags[tile] = 1;
        }
    }
}
