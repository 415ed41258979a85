// The numbers that tie the resources to the code: resource ids, command
// numbers of the menu and accelerators, and control numbers of the dialogs.
#pragma once

// clang-format off
// Resources
inline constexpr unsigned StringWindowTitle     = 103;  // "morvat"
inline constexpr unsigned StringWindowClass     = 109;  // "MORVAT"
inline constexpr unsigned IconLarge             = 107;  // 32x32 and 16x16
inline constexpr unsigned IconSmall             = 108;  // 16x16
inline constexpr unsigned MainMenu              = 109;
inline constexpr unsigned MainAccelerators      = 109;
inline constexpr unsigned AboutDialog           = 103;
inline constexpr unsigned TileSelectorDialog    = 129;

// Commands of menu 109 and accelerator table 109
inline constexpr unsigned CommandAbout          = 104;
inline constexpr unsigned CommandExit           = 105;
inline constexpr unsigned CommandTileSelector   = 32771;
inline constexpr unsigned CommandStep1          = 32773;
inline constexpr unsigned CommandStep2          = 32774;
inline constexpr unsigned CommandStep5          = 32775;
inline constexpr unsigned CommandBackBlack      = 32776;
inline constexpr unsigned CommandBackGrey25     = 32777;
inline constexpr unsigned CommandBackGrey75     = 32778;

// Controls of the tile selector
inline constexpr int FirstTileBox               = 1001;  // box 1001 + i is tile i
inline constexpr int FirstPresetButton          = 1024;  // button 1024 + k is preset row k
inline constexpr int PresetLabelField           = 1084;
inline constexpr int LongitudeField             = 1085;
inline constexpr int LatitudeField              = 1086;
inline constexpr int DistanceField              = 1087;
inline constexpr int YawField                   = 1088;
inline constexpr int PitchField                 = 1089;
inline constexpr int RollField                  = 1090;
inline constexpr int ClipField                  = 1091;

// Controls of the About box
inline constexpr int AboutIconControl           = 2;
// clang-format on
