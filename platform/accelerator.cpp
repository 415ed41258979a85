// Accelerator tables: character entries match WM_CHAR / WM_SYSCHAR, virtual
// key entries match WM_KEYDOWN / WM_SYSKEYDOWN with their modifiers.
#include "platform/internal.h"

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR tableName) {
    using namespace core;
    const ResourceModule* module = FindModule(instance);
    if (module == nullptr || tableName == nullptr || !IS_INTRESOURCE(tableName)) return nullptr;
    UINT id = LOWORD(reinterpret_cast<std::uintptr_t>(tableName));
    for (const AcceleratorResource& table : module->accelerators) {
        if (table.id != id) continue;
        // The end mark closes the table; a table without one ends with its span.
        std::size_t count = 0;
        while (count < table.entries.size()) {
            ++count;
            if ((table.entries[count - 1].fVirt & ACCEL_END_MARK) != 0) break;
        }
        for (const auto& entry : Core().accelerators)
            if (entry.second.first == table.entries.data()) return MakeHandle<HACCEL>(entry.first);
        std::uintptr_t handle = NewHandleValue();
        Core().accelerators.emplace(handle, std::make_pair(table.entries.data(), count));
        return MakeHandle<HACCEL>(handle);
    }
    return nullptr;
}

int TranslateAcceleratorA(HWND window, HACCEL table, MSG* msg) {
    using namespace core;
    if (FindWindowObject(window) == nullptr || msg == nullptr || table == nullptr) return 0;
    auto found = Core().accelerators.find(HandleValue(table));
    if (found == Core().accelerators.end()) return 0;
    UINT message = msg->message;
    bool character = message == WM_CHAR || message == WM_SYSCHAR;
    bool key = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (!character && !key) return 0;
    bool alt = message == WM_SYSCHAR || message == WM_SYSKEYDOWN;
    const KeyRecord* record = key ? FindKeyRecord(msg->time) : nullptr;
    unsigned modifiers = record != nullptr ? record->modifiers : Core().keyModifiers;

    const ACCEL* entries = found->second.first;
    for (std::size_t i = 0; i < found->second.second; ++i) {
        const ACCEL& entry = entries[i];
        bool wantsAlt = (entry.fVirt & FALT) != 0;
        if (wantsAlt != alt) continue;
        if ((entry.fVirt & FVIRTKEY) != 0) {
            if (!key || entry.key != msg->wParam) continue;
            if (((entry.fVirt & FSHIFT) != 0) != ((modifiers & InputShift) != 0)) continue;
            if (((entry.fVirt & FCONTROL) != 0) != ((modifiers & InputControl) != 0)) continue;
        } else {
            if (!character || entry.key != msg->wParam) continue;
        }
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
        return 1;
    }
    return 0;
}
