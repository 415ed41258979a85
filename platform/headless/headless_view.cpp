// What the test person sees: windows, texts, checks, focus, menu marks,
// message boxes and the pictures of the last buffer swaps.
#include "platform/headless/headless_internal.h"
#include "platform/internal.h"

std::vector<HWND> HeadlessTopLevelWindows() {
    std::vector<HWND> windows;
    if (headless::Headless() == nullptr) return windows;
    for (auto& entry : core::Core().windows)
        if (entry.second->type != core::WindowType::Control) windows.push_back(entry.second->handle);
    return windows;
}

std::string HeadlessWindowText(HWND window) {
    core::Window* found = core::FindWindowObject(window);
    return found != nullptr ? found->text : std::string();
}

HWND HeadlessFindTopLevel(const char* caption) {
    if (caption == nullptr) return nullptr;
    for (HWND window : HeadlessTopLevelWindows())
        if (HeadlessWindowText(window) == caption) return window;
    return nullptr;
}

bool HeadlessIsVisible(HWND window) {
    core::Window* found = core::FindWindowObject(window);
    return found != nullptr && found->visible;
}

std::string HeadlessDialogItemText(HWND dialog, int controlId) {
    return HeadlessWindowText(GetDlgItem(dialog, controlId));
}

bool HeadlessDialogItemChecked(HWND dialog, int controlId) {
    core::Window* control = core::FindWindowObject(GetDlgItem(dialog, controlId));
    return control != nullptr && control->checked;
}

HWND HeadlessFocus() { return GetFocus(); }

MenuItemView HeadlessMenuItem(HWND window, UINT command) {
    core::Window* found = core::FindWindowObject(window);
    core::Menu* menu = found != nullptr ? core::FindMenu(found->menu) : nullptr;
    int index = menu != nullptr ? core::FindMenuCommand(*menu, command) : -1;
    if (index < 0) return MenuItemView{false, "", false, false};
    const core::MenuItem& item = menu->items[static_cast<std::size_t>(index)];
    return MenuItemView{true, item.text, (item.type & MFT_RADIOCHECK) != 0, (item.state & MFS_CHECKED) != 0};
}

std::string HeadlessOpenMenuPopup(HWND window) {
    core::State& state = core::Core();
    core::Window* found = core::FindWindowObject(window);
    core::Menu* menu = found != nullptr ? core::FindMenu(found->menu) : nullptr;
    if (menu == nullptr || state.openMenuWindow != window || state.openMenuEntry < 0) return std::string();
    return menu->items[static_cast<std::size_t>(state.openMenuEntry)].text;
}

const std::vector<MessageBoxRecord>& HeadlessMessageBoxes() {
    static const std::vector<MessageBoxRecord> none;
    return headless::Headless() != nullptr ? headless::Headless()->messageBoxes : none;
}

std::uint32_t HeadlessPixel(HWND window, int x, int y) {
    headless::Window* found = headless::FindWindow(window);
    if (found == nullptr || x < 0 || y < 0 || x >= found->pictureWidth || y >= found->pictureHeight) return 0;
    std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(found->pictureWidth) +
                      static_cast<std::size_t>(x)) * 3;
    return (std::uint32_t{found->picture[at]} << 16) | (std::uint32_t{found->picture[at + 1]} << 8) |
           std::uint32_t{found->picture[at + 2]};
}

int HeadlessFrameWidth(HWND window) {
    headless::Window* found = headless::FindWindow(window);
    return found != nullptr ? found->pictureWidth : 0;
}

int HeadlessFrameHeight(HWND window) {
    headless::Window* found = headless::FindWindow(window);
    return found != nullptr ? found->pictureHeight : 0;
}

int HeadlessSwapCount(HWND window) {
    headless::Window* found = headless::FindWindow(window);
    return found != nullptr ? found->swapCount : 0;
}

int HeadlessPaintCount(HWND window) {
    core::Window* found = core::FindWindowObject(window);
    return found != nullptr ? found->paintCount : 0;
}
