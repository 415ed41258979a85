// The typed tables a program's resources are written in: strings, menus,
// accelerator tables, dialog templates and icons. resources/ fills one
// ResourceModule; the layer reads it through the instance handle it hands out
// for that module (RegisterResourceModule in platform.h). All texts are UTF-8.
#pragma once

#include <cstdint>
#include <span>

#include "win32.h"

struct StringResource {
    UINT id;
    const char* text;
};

// A menu is a flat list in display order; depth says how deep an entry sits
// (0 for the menu bar's pop-ups, 1 for their items, 2 for a nested pop-up's
// items). A pop-up owns the deeper entries that follow it.
enum class MenuEntryKind : std::uint8_t { Popup, Item, Separator };

struct MenuEntry {
    std::uint8_t depth;
    MenuEntryKind kind;
    UINT id;           // command number of an Item; 0 otherwise
    const char* text;  // "&" marks the mnemonic; nullptr for a separator
};

struct MenuResource {
    UINT id;
    std::span<const MenuEntry> entries;
};

struct AcceleratorResource {
    UINT id;
    std::span<const ACCEL> entries;  // the last entry carries ACCEL_END_MARK
};

// Control classes, as a dialog template names them.
inline constexpr const char* ButtonClass = "BUTTON";
inline constexpr const char* StaticClass = "STATIC";

struct DialogControlTemplate {
    const char* className;  // ButtonClass or StaticClass
    int id;                 // -1 for a control nobody addresses
    const char* text;       // for an SS_ICON static: the icon id as decimal text, e.g. "107"
    short x, y, cx, cy;     // dialog units
    DWORD style;
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    const char* fontName;
    int pointSize;
    short x, y, cx, cy;  // dialog units; x and y from the owner's client origin
    DWORD style;
    std::span<const DialogControlTemplate> controls;  // template order is tab order
};

// One image of an icon group: a 16-colour palette (0xAARRGGBB, alpha 0 is
// transparent) and one row string per pixel row, one hexadecimal digit per
// pixel naming a palette entry.
struct IconImage {
    int size;  // width and height in pixels
    const std::uint32_t* palette;
    const char* const* rows;
};

struct IconResource {
    UINT id;
    std::span<const IconImage> images;
};

struct ResourceModule {
    std::span<const StringResource> strings;
    std::span<const MenuResource> menus;
    std::span<const AcceleratorResource> accelerators;
    std::span<const DialogTemplate> dialogs;
    std::span<const IconResource> icons;
};
