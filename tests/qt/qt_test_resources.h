// A small resource module for the Qt backend's tests: a menu bar with
// pop-ups, a nested pop-up, a separator and three radio-form candidates; a
// dialog in the Japanese gothic font with every control kind; an icon.
#pragma once

#include "platform/resource.h"

inline constexpr UINT TestMenuId = 200;
inline constexpr UINT TestDialogId = 300;
inline constexpr UINT TestIconId = 400;

inline constexpr UINT CommandExit = 501;
inline constexpr UINT CommandShow = 502;
inline constexpr UINT CommandBlack = 503;
inline constexpr UINT CommandStep1 = 511;
inline constexpr UINT CommandStep2 = 512;
inline constexpr UINT CommandStep5 = 513;

inline constexpr int ControlCheck = 1001;
inline constexpr int ControlPreset = 1024;
inline constexpr int ControlLabel = 1084;

// Menu entry indexes, as the backend names them.
inline constexpr int FilePopupEntry = 0;

extern const ResourceModule QtTestResources;

// Gives the three step items of a frame's menu their radio form, as the
// viewer does at start; false when a call fails.
bool GiveStepItemsRadioForm(HWND frame);
// Marks one step item and clears the other two; false when a call fails.
bool MarkStepItem(HWND frame, UINT chosen);
