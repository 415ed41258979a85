// Menu bars made from menu resources, item states, and the menu bar's part
// of keyboard and mouse input.
#include <cctype>

#include "platform/internal.h"

namespace core {

namespace {

// The character after "&" in a menu text, upper-cased; 0 when none.
unsigned Mnemonic(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

// The entry index of an item named by position: the position-th entry at
// the menu bar's own level.
int FindMenuPosition(const Menu& menu, UINT position) {
    UINT seen = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        if (menu.items[i].depth != 0) continue;
        if (seen == position) return static_cast<int>(i);
        ++seen;
    }
    return -1;
}

}  // namespace

HMENU CreateMenuFromResource(const MenuResource& resource) {
    Menu menu;
    for (const MenuEntry& entry : resource.entries) {
        MenuItem item{entry.kind, entry.depth, entry.id, entry.text != nullptr ? entry.text : ""};
        if (entry.kind == MenuEntryKind::Separator) item.type = MFT_SEPARATOR;
        menu.items.push_back(item);
    }
    HMENU handle = MakeHandle<HMENU>(NewHandleValue());
    Core().menus.emplace(HandleValue(handle), std::move(menu));
    return handle;
}

std::vector<MenuEntry> MenuEntriesForBackend(const Menu& menu) {
    std::vector<MenuEntry> entries;
    for (const MenuItem& item : menu.items)
        entries.push_back(MenuEntry{item.depth, item.kind, item.id,
                                    item.kind == MenuEntryKind::Separator ? nullptr : item.text.c_str()});
    return entries;
}

Menu* FindMenu(HMENU handle) {
    if (handle == nullptr) return nullptr;
    auto found = Core().menus.find(HandleValue(handle));
    return found == Core().menus.end() ? nullptr : &found->second;
}

void DestroyMenuOf(Window& window) {
    if (window.menu != nullptr) Core().menus.erase(HandleValue(window.menu));
    window.menu = nullptr;
}

int FindMenuCommand(const Menu& menu, UINT command) {
    for (std::size_t i = 0; i < menu.items.size(); ++i)
        if (menu.items[i].kind == MenuEntryKind::Item && menu.items[i].id == command) return static_cast<int>(i);
    return -1;
}

void OpenMenuByMnemonic(Window& window, unsigned character) {
    Menu* menu = FindMenu(window.menu);
    if (menu == nullptr || !AcceptsInput(&window)) return;
    unsigned wanted = static_cast<unsigned>(std::toupper(static_cast<int>(character)));
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.depth != 0 || item.kind != MenuEntryKind::Popup || Mnemonic(item.text) != wanted) continue;
        State& state = Core();
        if (state.openMenuWindow == window.handle && state.openMenuEntry == static_cast<int>(i)) return;
        state.openMenuWindow = window.handle;
        state.openMenuEntry = static_cast<int>(i);
        state.backend->OpenMenuPopup(window.backend, static_cast<int>(i));
        return;
    }
}

}  // namespace core

HMENU GetMenu(HWND handle) {
    core::Window* window = core::FindWindowObject(handle);
    return window != nullptr ? window->menu : nullptr;
}

BOOL SetMenuItemInfoA(HMENU handle, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    using namespace core;
    Menu* menu = FindMenu(handle);
    if (menu == nullptr || info == nullptr || info->cbSize != sizeof(MENUITEMINFOA)) return FALSE;
    int index = byPosition ? FindMenuPosition(*menu, item) : FindMenuCommand(*menu, item);
    if (index < 0) return FALSE;
    MenuItem& entry = menu->items[static_cast<std::size_t>(index)];
    if ((info->fMask & MIIM_TYPE) != 0) {
        entry.type = info->fType;
        // A null text leaves the item's text as it was.
        if ((info->fType & MFT_SEPARATOR) == 0 && info->dwTypeData != nullptr) entry.text = info->dwTypeData;
    }
    if ((info->fMask & MIIM_STATE) != 0) entry.state = info->fState;
    Window* window = FindWindowObject(menu->window);
    if (window != nullptr)
        Core().backend->SetMenuItemLook(window->backend, index, entry.text.c_str(), (entry.type & MFT_RADIOCHECK) != 0,
                                        (entry.state & MFS_CHECKED) != 0);
    return TRUE;
}
