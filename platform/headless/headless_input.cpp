// What the test person does: keys, clicks, closing and resizing, each
// reported through the same core input functions a real backend uses.
#include <cctype>
#include <cstring>

#include "platform/headless/headless_internal.h"
#include "platform/internal.h"

namespace headless {

namespace {

// US layout: the key of each punctuation character, unshifted and shifted.
struct PunctuationKey {
    char plain;
    char shifted;
    WORD vk;
};
// clang-format off
constexpr PunctuationKey PunctuationKeys[] = {
    {';', ':', 0xBA},   // VK_OEM_1
    {'=', '+', 0xBB},   // VK_OEM_PLUS
    {',', '<', 0xBC},   // VK_OEM_COMMA
    {'-', '_', 0xBD},   // VK_OEM_MINUS
    {'.', '>', 0xBE},   // VK_OEM_PERIOD
    {'/', '?', 0xBF},   // VK_OEM_2
    {'`', '~', 0xC0},   // VK_OEM_3
    {'[', '{', 0xDB},   // VK_OEM_4
    {'\\', '|', 0xDC},  // VK_OEM_5
    {']', '}', 0xDD},   // VK_OEM_6
    {'\'', '"', 0xDE},  // VK_OEM_7
};
// clang-format on
constexpr char ShiftedDigits[] = ")!@#$%^&*(";  // Shift with '0' .. '9'

// The key and Shift state that type c; false for a character no key gives.
bool KeyOf(char c, WORD* vk, bool* shift) {
    *shift = false;
    if (c >= 'a' && c <= 'z') {
        *vk = static_cast<WORD>('A' + (c - 'a'));
        return true;
    }
    if (c >= 'A' && c <= 'Z') {
        *vk = static_cast<WORD>(static_cast<unsigned char>(c));
        *shift = true;
        return true;
    }
    if (c >= '0' && c <= '9') {
        *vk = static_cast<WORD>(static_cast<unsigned char>(c));
        return true;
    }
    for (int digit = 0; digit < 10; ++digit) {
        if (ShiftedDigits[digit] == c) {
            *vk = static_cast<WORD>('0' + digit);
            *shift = true;
            return true;
        }
    }
    for (const PunctuationKey& key : PunctuationKeys) {
        if (key.plain == c || key.shifted == c) {
            *vk = key.vk;
            *shift = key.shifted == c;
            return true;
        }
    }
    switch (c) {
        case ' ': *vk = VK_SPACE; return true;
        case '\t': *vk = VK_TAB; return true;
        case '\r':
        case '\n': *vk = VK_RETURN; return true;
        case '\b': *vk = VK_BACK; return true;
        case '\x1b': *vk = VK_ESCAPE; return true;
        default: return false;
    }
}

}  // namespace

}  // namespace headless

void HeadlessKeyDown(WORD vk, const char* text, unsigned modifiers) {
    headless::State* state = headless::Headless();
    if (state == nullptr) return;
    // A key that is already down goes down again as the keyboard repeats it.
    bool repeat = !state->keysDown.insert(vk).second;
    PlatformKey(vk, true, text != nullptr ? text : "", modifiers, repeat);
}

void HeadlessKeyUp(WORD vk, unsigned modifiers) {
    headless::State* state = headless::Headless();
    if (state == nullptr) return;
    state->keysDown.erase(vk);
    PlatformKey(vk, false, "", modifiers, false);
}

void HeadlessPressKey(WORD vk, const char* text, unsigned modifiers, int repeats) {
    HeadlessKeyDown(vk, text, modifiers);
    for (int i = 0; i < repeats; ++i) HeadlessKeyDown(vk, text, modifiers);
    HeadlessKeyUp(vk, modifiers);
}

void HeadlessTypeChar(char c, unsigned modifiers) {
    WORD vk = 0;
    bool shift = false;
    if (!headless::KeyOf(c, &vk, &shift)) return;
    if (shift) modifiers |= ShiftKey;
    char text[2] = {c, '\0'};
    if (c == '\n') text[0] = '\r';
    // With Control a letter types its control character.
    if ((modifiers & ControlKey) != 0 && std::isalpha(static_cast<unsigned char>(c)))
        text[0] = static_cast<char>(c & 0x1F);
    HeadlessPressKey(vk, text, modifiers);
}

bool HeadlessClick(HWND control) { return headless::Headless() != nullptr && PlatformControlClicked(control); }

bool HeadlessClickDialogItem(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control != nullptr && HeadlessClick(control);
}

bool HeadlessClickMenuItem(HWND window, UINT command) {
    return headless::Headless() != nullptr && PlatformMenuItemChosen(window, command);
}

void HeadlessCloseMenuPopup(HWND window) {
    if (headless::Headless() != nullptr) PlatformMenuClosed(window);
}

bool HeadlessClickCloseBox(HWND window) {
    return headless::Headless() != nullptr && PlatformCloseBoxPressed(window);
}

bool HeadlessClickClient(HWND window) { return headless::Headless() != nullptr && PlatformClientClicked(window); }

bool HeadlessResizeClient(HWND window, int width, int height) {
    headless::Window* own = headless::FindWindow(window);
    core::Window* shared = core::FindWindowObject(window);
    if (own == nullptr || shared == nullptr || width < 0 || height < 0 || !shared->visible) return false;
    headless::ResizeSurface(*own, width, height);
    PlatformClientResized(window, width, height);
    return true;
}
