// The seven view numbers shown in the tile selector. Fields a frame does not
// write keep whatever the last command put there.
#include <charconv>

#include "render/frame.h"
#include "render/view_state.h"

namespace {

enum StatusField : int {
    LongitudeField = 1085,
    LatitudeField = 1086,
    DistanceField = 1087,
    YawField = 1088,
    PitchField = 1089,
    RollField = 1090,
    ClipField = 1091,
};

// "-2147483648" and the terminating zero.
constexpr int NumberTextSize = 12;

void SetFieldText(HWND selector, int control, const char* text) {
    SendMessageA(GetDlgItem(selector, control), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text));
}

void SetFieldNumber(HWND selector, int control, int value) {
    char text[NumberTextSize];
    FormatViewNumber(value, text, NumberTextSize);
    SetFieldText(selector, control, text);
}

}  // namespace

void FormatViewNumber(int value, char* buffer, int bufferSize) {
    if (buffer == nullptr || bufferSize <= 0) {
        return;
    }
    // A number that does not fit is left out whole rather than cut short:
    // a blank field cannot be misread, a truncated number can.
    const auto result = std::to_chars(buffer, buffer + bufferSize - 1, value);
    if (result.ec != std::errc{}) {
        buffer[0] = '\0';
        return;
    }
    *result.ptr = '\0';
}

void UpdateStatusFields(HWND selector) {
    if (selector == nullptr) {
        return;
    }
    SetFieldNumber(selector, LongitudeField, longitude);
    SetFieldNumber(selector, LatitudeField, latitude);
    SetFieldNumber(selector, DistanceField, distance);
    if (lookAround != 0) {
        SetFieldNumber(selector, YawField, yaw);
        SetFieldNumber(selector, PitchField, pitch);
        if (roll == 0) {
            SetFieldText(selector, RollField, "");
        } else {
            SetFieldNumber(selector, RollField, roll);
        }
    }
    if (clip > 1) {
        SetFieldNumber(selector, ClipField, clip);
    }
}
