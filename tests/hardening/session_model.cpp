// The rules a person can observe, written out for the model. Where a rule
// depends on the window system (focus moves, modal loops), the model follows
// what a Win32 program on that system does.
#include "tests/hardening/session_model.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "geometry/selection.h"
#include "platform/headless/headless.h"
#include "resources/ids.h"

namespace {

constexpr int FirstFieldId = LongitudeField;

void SetField(SessionModel& m, int control, std::string text) {
    if (m.selectorOpen) m.fields[control - FirstFieldId] = std::move(text);
}

// The frame's refresh of the status fields.
void RefreshFields(SessionModel& m) {
    SetField(m, LongitudeField, std::to_string(m.longitude));
    SetField(m, LatitudeField, std::to_string(m.latitude));
    SetField(m, DistanceField, std::to_string(m.distance));
    if (m.lookAround != 0) {
        SetField(m, YawField, std::to_string(m.yaw));
        SetField(m, PitchField, std::to_string(m.pitch));
        SetField(m, RollField, m.roll == 0 ? std::string() : std::to_string(m.roll));
    }
    if (m.clip > 1) SetField(m, ClipField, std::to_string(m.clip));
}

void Refused(int& angle, int change) {
    const int candidate = angle + change;
    if (candidate >= -90 && candidate <= 90) angle = candidate;
}

void Wrapped(int& angle, int change) {
    angle += change;
    if (angle > 180) angle -= 360;
    if (angle <= -180) angle += 360;
}

void MoveDistance(SessionModel& m, int change) {
    m.distance = std::clamp<std::int64_t>(m.distance + change, INT_MIN, INT_MAX);
}

void BlankGaze(SessionModel& m) {
    for (int field : {YawField, PitchField, RollField}) SetField(m, field, "");
}

// One key-down of the main window's key table; false for any other key.
bool ApplyViewKey(SessionModel& m, WORD vk) {
    switch (vk) {
        case VK_PRIOR: MoveDistance(m, -m.step); break;
        case VK_NEXT: MoveDistance(m, m.step); break;
        case VK_HOME:
            m.latitude = m.longitude = 0;
            m.distance = 80;
            m.yaw = m.pitch = m.roll = 0;
            m.lookAround = 0;
            m.clip = 1;
            BlankGaze(m);
            SetField(m, ClipField, "");
            break;
        case VK_LEFT: Wrapped(m.longitude, m.step); break;
        case VK_UP: Refused(m.latitude, -m.step); break;
        case VK_RIGHT: Wrapped(m.longitude, -m.step); break;
        case VK_DOWN: Refused(m.latitude, m.step); break;
        case VK_DELETE: m.latitude = m.longitude = 0; break;
        case '6':
            m.clip = 1;
            SetField(m, ClipField, "");
            break;
        case '7':
            m.yaw = m.pitch = m.roll = 0;
            m.lookAround = 0;
            BlankGaze(m);
            break;
        case '8': m.pitch = m.roll = 0; break;
        case '9': m.roll = 0; break;
        case 'H':
            if (m.clip > 1) --m.clip;
            SetField(m, ClipField, std::to_string(m.clip));
            break;
        case 'Y':
            if (m.clip < 999) ++m.clip;
            SetField(m, ClipField, std::to_string(m.clip));
            break;
        case 'I': Refused(m.pitch, m.step); m.lookAround = 1; break;
        case 'K': Refused(m.pitch, -m.step); m.lookAround = 1; break;
        case 'J': Wrapped(m.yaw, -m.step); m.lookAround = 1; break;
        case 'L': Wrapped(m.yaw, m.step); m.lookAround = 1; break;
        case 'O': Wrapped(m.roll, m.step); m.lookAround = 1; break;
        case 'U': Wrapped(m.roll, -m.step); m.lookAround = 1; break;
        default: return false;
    }
    m.invalidated = true;
    return true;
}

bool FocusInSelector(const SessionModel& m) {
    return m.focus.kind == FocusKind::SelectorControl && m.selectorOpen && m.focus.selectorLife == m.selectorLife;
}

FocusModel SelectorFocus(const SessionModel& m, int control) {
    return FocusModel{FocusKind::SelectorControl, control, m.selectorLife};
}

// The main window is disabled while the modal About box runs, so it cannot
// take the focus then.
void FocusMainIfEnabled(SessionModel& m) {
    if (!m.aboutOpen) m.focus = FocusModel{};
}

void OpenSelector(SessionModel& m) {
    m.selectorOpen = true;
    ++m.selectorLife;
    std::copy(std::begin(m.tiles), std::end(m.tiles), std::begin(m.boxes));
    for (std::string& field : m.fields) field.clear();
    RefreshFields(m);
    // The new selector posts its request for the main window to take the
    // keyboard; that comes after the command put the focus on "OK".
    m.focus = FocusModel{};
}

void CloseSelector(SessionModel& m) {
    const bool hadFocus = FocusInSelector(m);
    m.selectorOpen = false;
    if (hadFocus) m.focus = m.aboutOpen ? FocusModel{FocusKind::None} : FocusModel{};
}

void Confirm(SessionModel& m) {
    std::copy(std::begin(m.boxes), std::end(m.boxes), std::begin(m.tiles));
    m.invalidated = true;
    FocusMainIfEnabled(m);
}

void ChoosePresetRow(SessionModel& m, int row) {
    const Preset& preset = PresetTable[row];
    std::fill(std::begin(m.tiles), std::end(m.tiles), false);
    for (const char* letter = preset.letters; *letter != '\0'; ++letter) m.tiles[*letter - 'A'] = true;
    std::copy(std::begin(m.tiles), std::end(m.tiles), std::begin(m.boxes));
    m.label = std::string(preset.caption).substr(0, PresetLabelSize - 1);
    m.focus = SelectorFocus(m, IDOK);
}

// A button or box of the selector is pressed (clicked, or Space on it).
void PressSelectorControl(SessionModel& m, int control) {
    m.focus = SelectorFocus(m, control);
    if (control == IDOK) {
        Confirm(m);
    } else if (control >= FirstTileBox && control < FirstTileBox + TileCount) {
        m.boxes[control - FirstTileBox] = !m.boxes[control - FirstTileBox];
    } else if (control >= FirstPresetButton && control < FirstPresetButton + PresetCount) {
        ChoosePresetRow(m, control - FirstPresetButton);
    }
}

void OpenAbout(SessionModel& m) {
    m.aboutOpen = true;
    m.focusBeforeAbout = m.focus;
    m.focus = FocusModel{FocusKind::AboutOk};
}

void CloseAbout(SessionModel& m) {
    m.aboutOpen = false;
    const FocusModel before = m.focusBeforeAbout;
    const bool stillThere = before.kind == FocusKind::Main ||
                            (before.kind == FocusKind::SelectorControl && m.selectorOpen &&
                             before.selectorLife == m.selectorLife);
    m.focus = stillThere ? before : FocusModel{};
}

// The selector's tab stops in template order: "OK", the tile boxes, the
// preset buttons.
int SelectorTabStopCount() { return 1 + TileCount + PresetCount; }

int SelectorTabStop(int index) {
    if (index == 0) return IDOK;
    if (index <= TileCount) return FirstTileBox + index - 1;
    return FirstPresetButton + index - 1 - TileCount;
}

void MoveAmongTabStops(SessionModel& m, bool backwards) {
    const int count = SelectorTabStopCount();
    int current = -1;
    if (FocusInSelector(m)) {
        for (int i = 0; i < count; ++i)
            if (SelectorTabStop(i) == m.focus.control) current = i;
    }
    int next = 0;
    if (current < 0) {
        next = backwards ? count - 1 : 0;
    } else {
        next = (current + (backwards ? count - 1 : 1)) % count;
    }
    m.focus = SelectorFocus(m, SelectorTabStop(next));
}

bool IsLetter(WORD vk) { return vk >= 'A' && vk <= 'Z'; }

// Alt with a key on the main window: the accelerators, or a menu pop-up by
// its mnemonic; never the key table.
void AltKeyOnMain(SessionModel& m, WORD vk, const char* text) {
    if (std::strcmp(text, "?") == 0 || std::strcmp(text, "/") == 0) {
        OpenAbout(m);
        return;
    }
    if (!IsLetter(vk)) return;
    // clang-format off
    switch (vk) {
        case 'F': m.openPopup = "ﾌｧｲﾙ(&F)"; break;
        case 'V': m.openPopup = "表示(&V)"; break;
        case 'A': m.openPopup = "加速(&A)"; break;
        case 'H': m.openPopup = "ﾍﾙﾌﾟ(&H)"; break;
        default: break;
    }
    // clang-format on
}

}  // namespace

SessionModel StartModel() {
    SessionModel m;
    m.tiles[0] = m.boxes[0] = true;
    m.label = "59-icosahedra";
    RefreshFields(m);
    return m;
}

void ExpectKey(SessionModel& m, WORD vk, const char* text, unsigned modifiers, int repeats) {
    const bool alt = (modifiers & AltKey) != 0;
    const int presses = 1 + repeats;
    // Keys go to the window that has the focus when they are pressed.
    const FocusModel target = m.focus;
    if (m.aboutOpen) {
        // The About box's loop gives its own keys the dialog keyboard; keys
        // for the selector's controls reach the controls, which ignore them.
        if (target.kind != FocusKind::AboutOk || alt) return;
        if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_SPACE) CloseAbout(m);
        return;
    }
    if (target.kind == FocusKind::Main) {
        if (alt) {
            AltKeyOnMain(m, vk, text);
            return;
        }
        for (int i = 0; i < presses; ++i) ApplyViewKey(m, vk);
        return;
    }
    if (target.kind != FocusKind::SelectorControl || alt) return;
    for (int i = 0; i < presses; ++i) {
        if (!m.selectorOpen || m.selectorLife != target.selectorLife) return;  // the control is gone
        switch (vk) {
            case VK_TAB: MoveAmongTabStops(m, (modifiers & ShiftKey) != 0); break;
            case VK_RETURN: Confirm(m); break;
            case VK_ESCAPE: CloseSelector(m); break;
            case VK_SPACE:
                // Auto-repeat does not press a button again.
                if (i == 0 && FocusInSelector(m)) PressSelectorControl(m, m.focus.control);
                break;
            default: break;
        }
    }
}

bool ExpectMenuClick(SessionModel& m, UINT command) {
    if (m.aboutOpen) return false;
    m.openPopup.clear();
    switch (command) {
        case CommandAbout: OpenAbout(m); break;
        case CommandExit: m.ended = true; break;
        case CommandTileSelector:
            if (m.selectorOpen) {
                m.focus = SelectorFocus(m, IDOK);
            } else {
                OpenSelector(m);
            }
            break;
        case CommandStep1: m.step = 1; break;
        case CommandStep2: m.step = 2; break;
        case CommandStep5: m.step = 5; break;
        case CommandBackBlack: m.grey = 0.0f; m.invalidated = true; break;
        case CommandBackGrey25: m.grey = 0.25f; m.invalidated = true; break;
        case CommandBackGrey75: m.grey = 0.75f; m.invalidated = true; break;
        default: break;
    }
    return true;
}

bool ExpectSelectorClick(SessionModel& m, int control) {
    if (!m.selectorOpen) return false;
    PressSelectorControl(m, control);
    return true;
}

bool ExpectSelectorCloseBox(SessionModel& m) {
    if (!m.selectorOpen) return false;
    CloseSelector(m);
    return true;
}

bool ExpectAboutClose(SessionModel& m) {
    if (!m.aboutOpen) return false;
    CloseAbout(m);
    return true;
}

bool ExpectMainClientClick(SessionModel& m) {
    if (m.aboutOpen) return false;
    m.focus = FocusModel{};
    return true;
}

bool ExpectMainCloseBox(SessionModel& m) {
    if (m.aboutOpen) return false;
    m.ended = true;
    return true;
}

void ExpectResize(SessionModel& m, int width, int height) {
    if (width != m.width || height != m.height) m.invalidated = true;
    m.width = width;
    m.height = height;
}

void ExpectDistanceSet(SessionModel& m, int value) {
    m.distance = value;
    m.invalidated = true;
}

void ExpectPaint(SessionModel& m) {
    if (!m.invalidated) return;
    m.invalidated = false;
    // With no client area there is nothing to draw into.
    if (m.width <= 0 || m.height <= 0) return;
    ++m.swaps;
    RefreshFields(m);
}
