#include "tests/hardening/session_checks.h"

#include <cstdint>
#include <sstream>

#include "geometry/selection.h"
#include "platform/headless/headless.h"
#include "render/frame.h"
#include "render/view_state.h"
#include "resources/ids.h"
#include "shell/shell.h"

namespace {

constexpr char ViewerCaption[] = "morvat";
constexpr char SelectorCaption[] = "morvat tile selector";
constexpr char AboutCaption[] = "ﾊﾞｰｼﾞｮﾝ情報";

class Differences {
public:
    template <typename Actual, typename Expected>
    void Equal(const char* what, const Actual& actual, const Expected& expected) {
        if (actual == expected) return;
        out_ << what << ": program " << actual << ", expected " << expected << '\n';
    }
    void Within(const char* what, int value, int low, int high) {
        if (value >= low && value <= high) return;
        out_ << what << " " << value << " is outside " << low << ".." << high << '\n';
    }
    std::string Text() const { return out_.str(); }

private:
    std::ostringstream out_;
};

// Tile labels of the set flags, e.g. "0 4r 4l".
template <typename Flag>
std::string TileList(const Flag (&flags)[TileCount]) {
    std::string list;
    for (int i = 0; i < TileCount; ++i) {
        if (!flags[i]) continue;
        if (!list.empty()) list += ' ';
        list += TileLabels[i];
    }
    return list;
}

std::string Describe(HWND window) {
    if (window == nullptr) return "none";
    std::ostringstream text;
    text << '"' << HeadlessWindowText(window) << "\" " << window;
    return text.str();
}

HWND ExpectedFocus(const SessionModel& m) {
    switch (m.focus.kind) {
        case FocusKind::None: return nullptr;
        case FocusKind::Main: return ViewerWindow();
        case FocusKind::SelectorControl: return GetDlgItem(SelectorWindow(), m.focus.control);
        case FocusKind::AboutOk: return GetDlgItem(AboutWindow(), IDOK);
    }
    return nullptr;
}

void CompareView(const SessionModel& m, Differences& d) {
    d.Within("latitude", latitude, -90, 90);
    d.Within("pitch", pitch, -90, 90);
    d.Within("longitude", longitude, -179, 180);
    d.Within("yaw", yaw, -179, 180);
    d.Within("roll", roll, -179, 180);
    d.Within("clip", clip, 1, 999);
    d.Equal("step is one of 1, 2, 5", step == 1 || step == 2 || step == 5, true);
    d.Equal("distance", static_cast<std::int64_t>(distance), m.distance);
    d.Equal("step", step, m.step);
    d.Equal("clip", clip, m.clip);
    d.Equal("latitude", latitude, m.latitude);
    d.Equal("longitude", longitude, m.longitude);
    d.Equal("yaw", yaw, m.yaw);
    d.Equal("pitch", pitch, m.pitch);
    d.Equal("roll", roll, m.roll);
    d.Equal("lookAround", lookAround, m.lookAround);
    for (int i = 0; i < 3; ++i) d.Equal("background", background[i], m.grey);
}

void CompareMenu(const SessionModel& m, HWND viewer, Differences& d) {
    for (UINT item : {CommandStep1, CommandStep2, CommandStep5}) {
        const MenuItemView view = HeadlessMenuItem(viewer, item);
        const int itemStep = item == CommandStep1 ? 1 : item == CommandStep2 ? 2 : 5;
        d.Equal("step item is a radio item", view.radioForm, true);
        d.Equal(itemStep == 1 ? "mark of x1" : itemStep == 2 ? "mark of x2" : "mark of x5", view.checked,
                itemStep == m.step);
    }
    d.Equal("open menu pop-up", HeadlessOpenMenuPopup(viewer), m.openPopup);
}

void CompareSelector(const SessionModel& m, HWND selector, Differences& d) {
    d.Equal("selectors open", CountTopLevel(SelectorCaption), m.selectorOpen ? 1 : 0);
    d.Equal("the program's selector handle", Describe(TileSelector), Describe(selector));
    d.Equal("tiles drawn", TileList(TileFlags), TileList(m.tiles));
    d.Equal("preset label kept", std::string(PresetLabel), m.label);
    if (selector == nullptr) return;
    bool shownBoxes[TileCount];
    for (int i = 0; i < TileCount; ++i) shownBoxes[i] = HeadlessDialogItemChecked(selector, FirstTileBox + i);
    d.Equal("tile boxes checked", TileList(shownBoxes), TileList(m.boxes));
    d.Equal("preset label shown", HeadlessDialogItemText(selector, PresetLabelField), m.label);
    for (int i = 0; i < StatusFieldCount; ++i) {
        const std::string shown = HeadlessDialogItemText(selector, LongitudeField + i);
        if (shown != m.fields[i]) {
            d.Equal(("field " + std::to_string(LongitudeField + i)).c_str(), '"' + shown + '"',
                    '"' + m.fields[i] + '"');
        }
    }
}

}  // namespace

HWND ViewerWindow() { return HeadlessFindTopLevel(ViewerCaption); }
HWND SelectorWindow() { return HeadlessFindTopLevel(SelectorCaption); }
HWND AboutWindow() { return HeadlessFindTopLevel(AboutCaption); }

int CountTopLevel(const char* caption) {
    int count = 0;
    for (HWND window : HeadlessTopLevelWindows()) count += HeadlessWindowText(window) == caption ? 1 : 0;
    return count;
}

std::string CompareWithProgram(const SessionModel& m) {
    Differences d;
    CompareView(m, d);
    const HWND viewer = ViewerWindow();
    d.Equal("main windows", CountTopLevel(ViewerCaption), 1);
    if (viewer == nullptr) return d.Text();
    d.Equal("the program's main window handle", Describe(MainWindow), Describe(viewer));
    d.Equal("frames drawn", HeadlessSwapCount(viewer), m.swaps);
    d.Equal("main window enabled", IsWindowEnabled(viewer) != FALSE, !m.aboutOpen);
    d.Equal("About boxes open", CountTopLevel(AboutCaption), m.aboutOpen ? 1 : 0);
    CompareMenu(m, viewer, d);
    CompareSelector(m, SelectorWindow(), d);
    d.Equal("keyboard focus", Describe(HeadlessFocus()), Describe(ExpectedFocus(m)));
    return d.Text();
}
