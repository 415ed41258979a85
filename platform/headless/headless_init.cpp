// The headless backend's table of functions, its start and stop, and the
// person at the screen: idle handler and script.
#include <cstring>

#include "platform/headless/headless_internal.h"
#include "platform/platform.h"

namespace headless {

namespace {

State* TheState = nullptr;

// Frame, caption and menu-bar sizes; with them a 512 + 2 * 4 by
// 512 + 2 * 4 + 20 + 20 window has a 512 x 512 client area.
constexpr int FrameSize = 4;
constexpr int CaptionHeight = 20;
constexpr int MenuBarHeight = 20;

// Dialog base units of the fonts templates name; any other font is
// measured from its point size in the same proportion as the first row.
struct FontUnits {
    const char* name;
    DialogBaseUnits units;
};
constexpr FontUnits KnownFonts[] = {
    {"\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF", {6, 12}},  // MS P Gothic, 9 pt
    {"System", {8, 16}},
};

Window* Own(BackendWindow* window) { return reinterpret_cast<Window*>(window); }
Context* Own(BackendContext* context) { return reinterpret_cast<Context*>(context); }

struct Backend final : PlatformBackend {
    BackendWindow* CreateWindow(const WindowDescription& description) override {
        State& state = *Headless();
        if (description.kind == WindowKind::Dialog && state.failDialogTemplate != 0 &&
            description.templateId == state.failDialogTemplate)
            return nullptr;
        auto window = std::make_unique<Window>();
        window->handle = description.handle;
        window->kind = description.kind;
        window->templateId = description.templateId;
        window->width = description.clientWidth;
        window->height = description.clientHeight;
        Window* made = window.get();
        state.windows[description.handle] = std::move(window);
        return reinterpret_cast<BackendWindow*>(made);
    }
    void DestroyWindow(BackendWindow* window) override {
        Window* own = Own(window);
        DestroySurface(*own);
        Headless()->windows.erase(own->handle);
    }
    void ShowWindow(BackendWindow* window, bool visible) override { Own(window)->visible = visible; }
    void EnableWindow(BackendWindow*, bool) override {}
    void SetWindowTitle(BackendWindow*, const char*) override {}
    void SetControlText(BackendWindow*, int, const char*) override {}
    void SetControlChecked(BackendWindow*, int, bool) override {}
    void SetFocus(BackendWindow*, int) override {}
    void SetMenuItemLook(BackendWindow*, int, const char*, bool, bool) override {}
    void OpenMenuPopup(BackendWindow*, int) override {}

    bool Wait() override {
        State& state = *Headless();
        if (!state.script.empty()) {
            std::function<void()> step = std::move(state.script.front());
            state.script.pop_front();
            step();
            return true;
        }
        if (state.idle && state.idle()) return true;
        state.ranOutOfInput = true;
        return false;
    }
    void Wake() override {}

    int SystemMetric(int index) override {
        switch (index) {
            case SM_CXFRAME:
            case SM_CYFRAME: return FrameSize;
            case SM_CYCAPTION: return CaptionHeight;
            case SM_CYMENU: return MenuBarHeight;
            default: return 0;
        }
    }
    DialogBaseUnits DialogUnits(const char* fontName, int pointSize) override {
        for (const FontUnits& font : KnownFonts)
            if (fontName != nullptr && std::strcmp(font.name, fontName) == 0) return font.units;
        int size = pointSize > 0 ? pointSize : 9;
        return DialogBaseUnits{size * 2 / 3 > 0 ? size * 2 / 3 : 1, size * 4 / 3 > 0 ? size * 4 / 3 : 1};
    }

    int MessageBox(BackendWindow* owner, const char* text, const char* caption, UINT type) override {
        Headless()->messageBoxes.push_back(
            MessageBoxRecord{owner != nullptr ? Own(owner)->handle : nullptr, text, caption, type});
        return IDOK;
    }

    int ChoosePixelFormat(const PIXELFORMATDESCRIPTOR& request) override { return ChooseFormat(request); }
    bool SetPixelFormat(BackendWindow* window, int format) override { return SetFormat(*Own(window), format); }
    BackendContext* CreateContext(BackendWindow* window) override {
        return reinterpret_cast<BackendContext*>(headless::CreateContext(*Own(window)));
    }
    bool MakeCurrent(BackendWindow* window, BackendContext* context) override {
        return headless::MakeCurrent(Own(window), Own(context));
    }
    void DeleteContext(BackendContext* context) override { headless::DeleteContext(Own(context)); }
    bool SwapBuffers(BackendWindow* window) override { return Swap(*Own(window)); }
};

Backend TheBackend;

}  // namespace

State* Headless() { return TheState; }

Window* FindWindow(HWND handle) {
    if (TheState == nullptr) return nullptr;
    auto found = TheState->windows.find(handle);
    return found == TheState->windows.end() ? nullptr : found->second.get();
}

}  // namespace headless

bool HeadlessStart() {
    using namespace headless;
    if (TheState != nullptr) return false;
    auto state = std::make_unique<State>();
    if (!OpenDisplay(*state)) return false;
    TheState = state.release();
    if (!PlatformStart(&TheBackend)) {
        CloseDisplay(*TheState);
        delete TheState;
        TheState = nullptr;
        return false;
    }
    return true;
}

void HeadlessStop() {
    using namespace headless;
    if (TheState == nullptr) return;
    PlatformStop();
    CloseDisplay(*TheState);
    delete TheState;
    TheState = nullptr;
}

void HeadlessSetIdleHandler(IdleHandler handler) {
    if (headless::Headless() != nullptr) headless::Headless()->idle = std::move(handler);
}

bool HeadlessRanOutOfInput() { return headless::Headless() != nullptr && headless::Headless()->ranOutOfInput; }

void HeadlessScript(std::vector<std::function<void()>> steps) {
    if (headless::Headless() == nullptr) return;
    for (auto& step : steps) headless::Headless()->script.push_back(std::move(step));
}

void HeadlessFailChoosePixelFormat(bool fail) {
    if (headless::Headless() != nullptr) headless::Headless()->failChoosePixelFormat = fail;
}

void HeadlessFailSetPixelFormat(bool fail) {
    if (headless::Headless() != nullptr) headless::Headless()->failSetPixelFormat = fail;
}

void HeadlessFailDialogCreation(UINT templateId) {
    if (headless::Headless() != nullptr) headless::Headless()->failDialogTemplate = templateId;
}
