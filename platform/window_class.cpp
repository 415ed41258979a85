// Window classes: registration and look-up by name or atom.
#include <cctype>

#include "platform/internal.h"

namespace core {

namespace {
bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == '\0') return false;
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return b[i] == '\0';
}
}  // namespace

const WindowClass* FindClass(LPCSTR name) {
    if (name == nullptr) return nullptr;
    for (const WindowClass& windowClass : Core().classes) {
        if (IS_INTRESOURCE(name) ? windowClass.atom == LOWORD(reinterpret_cast<std::uintptr_t>(name))
                                 : SameName(windowClass.name, name))
            return &windowClass;
    }
    return nullptr;
}

}  // namespace core

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
    using namespace core;
    if (!Started() || windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA)) return 0;
    LPCSTR name = windowClass->lpszClassName;
    if (name == nullptr || IS_INTRESOURCE(name) || name[0] == '\0' || windowClass->lpfnWndProc == nullptr)
        return 0;
    if (FindClass(name) != nullptr) return 0;
    WindowClass entry;
    entry.name = name;
    entry.atom = Core().nextAtom++;
    entry.style = windowClass->style;
    entry.proc = windowClass->lpfnWndProc;
    entry.instance = windowClass->hInstance;
    entry.icon = windowClass->hIcon;
    // A class menu named by text is not offered: resources are numbered.
    if (windowClass->lpszMenuName != nullptr && IS_INTRESOURCE(windowClass->lpszMenuName))
        entry.menuId = LOWORD(reinterpret_cast<std::uintptr_t>(windowClass->lpszMenuName));
    Core().classes.push_back(entry);
    return entry.atom;
}
