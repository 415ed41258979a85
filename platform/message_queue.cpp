// Sent and posted messages, the queue, paint and quit as GetMessageA hands
// them out, key translation and the default window procedure.
#include <algorithm>
#include <climits>

#include "platform/internal.h"

namespace core {

namespace {
// Key texts are looked up by TranslateMessage soon after the key was posted;
// older ones are forgotten.
constexpr std::size_t KeyRecordsKept = 256;

bool MatchesFilter(const MSG& msg, HWND filter, UINT filterMin, UINT filterMax) {
    if (filterMin != 0 || filterMax != 0) {
        if (msg.message < filterMin || msg.message > filterMax) return false;
    }
    if (filter == nullptr) return true;
    if (msg.hwnd == filter) return true;
    Window* window = FindWindowObject(msg.hwnd);
    return window != nullptr && window->type == WindowType::Control && window->owner == filter;
}

// A key-down names its key by virtual-key code, where letters are 'A'..'Z'
// whatever the case and 0x61..0x7A are the keypad and F-keys; only a
// character message carries lower-case letters.
bool NamesLetterOrDigit(UINT message, WPARAM code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return true;
    return message == WM_SYSCHAR && code >= 'a' && code <= 'z';
}
}  // namespace

DWORD NextClock() { return ++Core().clock; }

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool atFront) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = NextClock();
    if (atFront)
        Core().queue.push_front(msg);
    else
        Core().queue.push_back(msg);
}

void RememberKey(DWORD time, const char* text, unsigned modifiers) {
    auto& records = Core().keyRecords;
    records.push_back(KeyRecord{time, text != nullptr ? text : "", modifiers});
    while (records.size() > KeyRecordsKept) records.pop_front();
}

const KeyRecord* FindKeyRecord(DWORD time) {
    for (const KeyRecord& record : Core().keyRecords)
        if (record.time == time) return &record;
    return nullptr;
}

bool TakeMessage(MSG* msg, HWND filter, UINT filterMin, UINT filterMax) {
    while (true) {
        State& state = Core();
        if (!Started()) {
            *msg = MSG{};
            msg->message = WM_QUIT;
            return false;
        }
        for (auto it = state.queue.begin(); it != state.queue.end(); ++it) {
            if (MatchesFilter(*it, filter, filterMin, filterMax)) {
                *msg = *it;
                state.queue.erase(it);
                return true;
            }
        }
        if (state.quitPosted) {
            state.quitPosted = false;
            *msg = MSG{};
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(static_cast<LPARAM>(state.quitCode));
            msg->time = NextClock();
            return false;
        }
        for (const auto& entry : state.windows) {
            const Window& window = *entry.second;
            if (window.type != WindowType::Frame || !window.needsPaint || !window.visible) continue;
            MSG paint{};
            paint.hwnd = window.handle;
            paint.message = WM_PAINT;
            paint.time = NextClock();
            if (!MatchesFilter(paint, filter, filterMin, filterMax)) continue;
            *msg = paint;
            return true;
        }
        if (!state.backend->Wait()) {
            // No input will ever come: end the loop rather than wait forever.
            *msg = MSG{};
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(static_cast<LPARAM>(-1));
            return false;
        }
    }
}

bool HandleTextMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            window.text = text != nullptr ? text : "";
            if (window.type == WindowType::Control) {
                Window* dialog = FindWindowObject(window.owner);
                if (dialog != nullptr)
                    Core().backend->SetControlText(dialog->backend, window.controlIndex, window.text.c_str());
            } else {
                Core().backend->SetWindowTitle(window.backend, window.text.c_str());
            }
            *result = TRUE;
            return true;
        }
        case WM_GETTEXT: {
            int size = wParam > static_cast<WPARAM>(INT_MAX) ? INT_MAX : static_cast<int>(wParam);
            *result = CopyText(window.text, reinterpret_cast<char*>(lParam), size);
            return true;
        }
        case WM_GETTEXTLENGTH:
            *result = static_cast<LRESULT>(window.text.size());
            return true;
        default:
            return false;
    }
}

}  // namespace core

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr) return 0;
    switch (window->type) {
        case WindowType::Frame:
            if (message == WM_PAINT) ++window->paintCount;
            return window->proc(handle, message, wParam, lParam);
        case WindowType::Dialog:
            return DialogDispatch(*window, message, wParam, lParam);
        case WindowType::Control:
            return ControlProc(*window, message, wParam, lParam);
    }
    return 0;
}

BOOL PostMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (core::FindWindowObject(handle) == nullptr) return FALSE;
    core::Post(handle, message, wParam, lParam);
    return TRUE;
}

BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax) {
    if (msg == nullptr || !core::Started()) return FALSE;
    if (window != nullptr && core::FindWindowObject(window) == nullptr) return FALSE;
    return core::TakeMessage(msg, window, filterMin, filterMax) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    using namespace core;
    if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    if (FindWindowObject(msg->hwnd) == nullptr) return FALSE;
    const KeyRecord* record = FindKeyRecord(msg->time);
    if (record == nullptr || record->text.empty()) return FALSE;
    UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    std::vector<char32_t> codes = DecodeUtf8(record->text.c_str());
    // The characters are taken next, before anything queued after the key.
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        Post(msg->hwnd, charMessage, static_cast<WPARAM>(*it), msg->lParam, true);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int exitCode) {
    if (!core::Started()) return;
    core::Core().quitPosted = true;
    core::Core().quitCode = exitCode;
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr) return 0;
    LRESULT result = 0;
    if (HandleTextMessage(*window, message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(handle);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(handle, WM_CLOSE, 0, 0);
            return 0;
        case WM_PAINT:
            // A procedure that leaves painting to us gets it validated, so
            // the paint is not handed out again and again.
            window->needsPaint = false;
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSCHAR:
            if (NamesLetterOrDigit(message, wParam)) OpenMenuByMnemonic(*window, static_cast<unsigned>(wParam));
            return 0;
        default:
            return 0;
    }
}
