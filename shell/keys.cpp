// The keys of the main window: one table row per key, each row's action a
// small function over the view variables. Every key of the table asks for a
// repaint afterwards, whether or not a value changed; none draws by itself.
#include <climits>
#include <iterator>

#include "render/frame.h"
#include "render/view_state.h"
#include "resources/ids.h"
#include "shell/shell.h"

namespace {

constexpr int PolarLimit = 90;  // latitude and pitch stop short of it, never clamp to it
constexpr int HalfTurn = 180;
constexpr int FullTurn = 360;
constexpr int StartDistance = 80;
constexpr int NearestClip = 1;
constexpr int FarthestClip = 999;

// A step past the pole is refused: the value stays where it was.
void StepRefused(int& angle, int change) {
    const int candidate = angle + change;
    if (candidate < -PolarLimit || candidate > PolarLimit) return;
    angle = candidate;
}

// Steps are at most 5, so one correction brings the angle back to -179..180.
void StepWrapped(int& angle, int change) {
    angle += change;
    if (angle > HalfTurn) angle -= FullTurn;
    if (angle <= -HalfTurn) angle += FullTurn;
}

// The distance has no bound of its own, but the integer has: it stops there
// instead of overflowing.
void StepDistance(int change) {
    if (change < 0 && distance < INT_MIN - change) {
        distance = INT_MIN;
    } else if (change > 0 && distance > INT_MAX - change) {
        distance = INT_MAX;
    } else {
        distance += change;
    }
}

// The frame refreshes the gaze and clip fields only while they mean
// something, so a key that ends that state blanks them itself. With the
// selector closed there is nothing to write.
void WriteField(int field, const char* text) {
    if (TileSelector == nullptr) return;
    SendMessageA(GetDlgItem(TileSelector, field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void BlankGazeFields() {
    WriteField(YawField, "");
    WriteField(PitchField, "");
    WriteField(RollField, "");
}

void ShowClip() {
    char text[16];
    FormatViewNumber(clip, text, sizeof text);
    WriteField(ClipField, text);
}

void ResetGaze() {
    yaw = 0;
    pitch = 0;
    roll = 0;
    lookAround = 0;
}

void Nearer() { StepDistance(-step); }
void Farther() { StepDistance(step); }
void Home() {
    latitude = 0;
    longitude = 0;
    distance = StartDistance;
    ResetGaze();
    clip = NearestClip;
    BlankGazeFields();
    WriteField(ClipField, "");
}
void IncreaseLongitude() { StepWrapped(longitude, step); }
void DecreaseLatitude() { StepRefused(latitude, -step); }
void DecreaseLongitude() { StepWrapped(longitude, -step); }
void IncreaseLatitude() { StepRefused(latitude, step); }
void ResetPosition() {
    latitude = 0;
    longitude = 0;
}
void ResetClip() {
    clip = NearestClip;
    WriteField(ClipField, "");
}
void ResetAllGaze() {
    ResetGaze();
    BlankGazeFields();
}
void ResetPitchRoll() {
    pitch = 0;
    roll = 0;
}
void ResetRoll() { roll = 0; }
void DecreaseClip() {
    if (clip > NearestClip) --clip;
    ShowClip();
}
void IncreaseClip() {
    if (clip < FarthestClip) ++clip;
    ShowClip();
}
// Gaze keys mark the gaze as turned even when their step is refused.
void IncreasePitch() {
    StepRefused(pitch, step);
    lookAround = 1;
}
void DecreaseYaw() {
    StepWrapped(yaw, -step);
    lookAround = 1;
}
void DecreasePitch() {
    StepRefused(pitch, -step);
    lookAround = 1;
}
void IncreaseYaw() {
    StepWrapped(yaw, step);
    lookAround = 1;
}
void IncreaseRoll() {
    StepWrapped(roll, step);
    lookAround = 1;
}
void DecreaseRoll() {
    StepWrapped(roll, -step);
    lookAround = 1;
}

struct KeyRow {
    WORD virtualKey;
    void (*action)();
};

// clang-format off
// key        action
const KeyRow KeyTable[] = {
    {VK_PRIOR,  Nearer},
    {VK_NEXT,   Farther},
    {VK_HOME,   Home},
    {VK_LEFT,   IncreaseLongitude},
    {VK_UP,     DecreaseLatitude},
    {VK_RIGHT,  DecreaseLongitude},
    {VK_DOWN,   IncreaseLatitude},
    {VK_DELETE, ResetPosition},
    {'6',       ResetClip},
    {'7',       ResetAllGaze},
    {'8',       ResetPitchRoll},
    {'9',       ResetRoll},
    {'H',       DecreaseClip},
    {'I',       IncreasePitch},
    {'J',       DecreaseYaw},
    {'K',       DecreasePitch},
    {'L',       IncreaseYaw},
    {'O',       IncreaseRoll},
    {'U',       DecreaseRoll},
    {'Y',       IncreaseClip},
};
// clang-format on
static_assert(std::size(KeyTable) == 20);

}  // namespace

LRESULT HandleKeyDown(WPARAM virtualKey) {
    for (const KeyRow& row : KeyTable) {
        if (row.virtualKey != virtualKey) continue;
        row.action();
        InvalidateRect(MainWindow, nullptr, FALSE);
        return 0;
    }
    return 0;
}
