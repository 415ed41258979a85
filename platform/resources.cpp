// Resource modules and what is loaded from them: strings, icons, cursors,
// and the look-up of menus and dialog templates by id.
#include <cstring>

#include "platform/internal.h"
#include "platform/platform.h"

namespace core {

namespace {
// The system's own icons (IDI_APPLICATION .. IDI_INFORMATION) share the
// range of the system cursors.
constexpr WORD FirstStockIcon = 32512;
constexpr WORD LastStockIcon = 32517;

bool IdOf(LPCSTR name, UINT* id) {
    if (name == nullptr || !IS_INTRESOURCE(name)) return false;
    *id = LOWORD(reinterpret_cast<std::uintptr_t>(name));
    return true;
}
}  // namespace

const ResourceModule* FindModule(HINSTANCE instance) {
    if (instance == nullptr) return nullptr;
    auto found = Core().modules.find(HandleValue(instance));
    return found == Core().modules.end() ? nullptr : found->second;
}

const IconResource* FindIconResource(HICON icon) {
    if (icon == nullptr) return nullptr;
    auto found = Core().icons.find(HandleValue(icon));
    return found == Core().icons.end() ? nullptr : found->second;
}

const DialogTemplate* FindDialogTemplate(HINSTANCE instance, LPCSTR name) {
    const ResourceModule* module = FindModule(instance);
    UINT id = 0;
    if (module == nullptr || !IdOf(name, &id)) return nullptr;
    for (const DialogTemplate& dialog : module->dialogs)
        if (dialog.id == id) return &dialog;
    return nullptr;
}

const MenuResource* FindMenuResource(HINSTANCE instance, UINT id) {
    const ResourceModule* module = FindModule(instance);
    if (module == nullptr) return nullptr;
    for (const MenuResource& menu : module->menus)
        if (menu.id == id) return &menu;
    return nullptr;
}

}  // namespace core

HINSTANCE RegisterResourceModule(const ResourceModule* module) {
    using namespace core;
    if (!Started() || module == nullptr) return nullptr;
    for (const auto& entry : Core().modules)
        if (entry.second == module) return MakeHandle<HINSTANCE>(entry.first);
    std::uintptr_t handle = NewHandleValue();
    Core().modules.emplace(handle, module);
    return MakeHandle<HINSTANCE>(handle);
}

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferSize) {
    const ResourceModule* module = core::FindModule(instance);
    if (module == nullptr || buffer == nullptr || bufferSize <= 0) return 0;
    for (const StringResource& string : module->strings) {
        if (string.id == id && string.text != nullptr) return core::CopyText(string.text, buffer, bufferSize);
    }
    buffer[0] = '\0';
    return 0;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR iconName) {
    using namespace core;
    UINT id = 0;
    if (!Started() || !IdOf(iconName, &id)) return nullptr;
    State& state = Core();
    if (instance == nullptr) {
        if (id < FirstStockIcon || id > LastStockIcon) return nullptr;
        WORD stock = static_cast<WORD>(id);
        auto found = state.stockIcons.find(stock);
        if (found != state.stockIcons.end()) return found->second;
        HICON handle = MakeHandle<HICON>(NewHandleValue());
        state.stockIcons.emplace(stock, handle);
        state.icons.emplace(HandleValue(handle), nullptr);
        return handle;
    }
    const ResourceModule* module = FindModule(instance);
    if (module == nullptr) return nullptr;
    for (const IconResource& icon : module->icons) {
        if (icon.id != id) continue;
        for (const auto& entry : state.icons)
            if (entry.second == &icon) return MakeHandle<HICON>(entry.first);
        std::uintptr_t handle = NewHandleValue();
        state.icons.emplace(handle, &icon);
        return MakeHandle<HICON>(handle);
    }
    return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
    if (!core::Started() || instance != nullptr || cursorName != IDC_ARROW) return nullptr;
    return core::Core().arrowCursor;
}
