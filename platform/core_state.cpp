// The layer's one state record, its start and stop, and handle look-up.
#include <atomic>

#include "platform/internal.h"
#include "platform/platform.h"

namespace core {

namespace {
State* TheState = nullptr;
// Never reset, not even by PlatformStop: a handle kept from an earlier start
// must not name an object of a later one.
std::uintptr_t HandleCounter = 0x1000;
}  // namespace

State& Core() {
    // Calls made before PlatformStart find an empty state and a null
    // backend, so they fail instead of crashing.
    static State idle{};
    return TheState ? *TheState : idle;
}

bool Started() { return TheState != nullptr && TheState->backend != nullptr; }

std::uintptr_t NewHandleValue() {
    HandleCounter += 4;
    return HandleCounter;
}

Window* FindWindowObject(HWND handle) {
    if (handle == nullptr) return nullptr;
    const auto& windows = Core().windows;
    auto found = windows.find(HandleValue(handle));
    return found == windows.end() ? nullptr : found->second.get();
}

Window* TopLevelOf(Window* window) {
    if (window != nullptr && window->type == WindowType::Control) return FindWindowObject(window->owner);
    return window;
}

bool AcceptsInput(Window* window) {
    if (window == nullptr || !window->enabled) return false;
    Window* top = TopLevelOf(window);
    return top != nullptr && top->enabled;
}

}  // namespace core

bool PlatformStart(PlatformBackend* backend) {
    if (backend == nullptr || core::TheState != nullptr) return false;
    core::TheState = new core::State();
    core::TheState->backend = backend;
    core::TheState->arrowCursor = core::MakeHandle<HCURSOR>(core::NewHandleValue());
    return true;
}

void PlatformStop() {
    if (core::TheState == nullptr) return;
    core::DestroyEverything();
    delete core::TheState;
    core::TheState = nullptr;
}
