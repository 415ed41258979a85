#include "tests/shell/shell_session.h"

#include <cstdlib>

#include "geometry/selection.h"
#include "platform/platform.h"
#include "render/view_state.h"
#include "resources/ids.h"
#include "resources/resources.h"
#include "shell/shell.h"

void ShellSession::SetUp() {
    ASSERT_TRUE(HeadlessStart()) << "no offscreen OpenGL";
    instance = RegisterResourceModule(&MorvatResources);
    ResetProgramState();
}

void ShellSession::TearDown() {
    HeadlessStop();
}

int ShellSession::Run(std::vector<Step> steps) {
    HeadlessScript(std::move(steps));
    char commandLine[] = "";
    const int exitCode = WinMain(instance, nullptr, commandLine, SW_SHOWDEFAULT);
    EXPECT_FALSE(HeadlessRanOutOfInput()) << "the program was still waiting when the steps ran out";
    return exitCode;
}

HWND Viewer() { return HeadlessFindTopLevel("morvat"); }
HWND Selector() { return HeadlessFindTopLevel("morvat tile selector"); }
HWND AboutBox() { return HeadlessFindTopLevel("ﾊﾞｰｼﾞｮﾝ情報"); }

int CountTopLevel(const char* caption) {
    int n = 0;
    for (HWND w : HeadlessTopLevelWindows()) {
        if (HeadlessWindowText(w) == caption) ++n;
    }
    return n;
}

std::string Field(int control) { return HeadlessDialogItemText(Selector(), control); }
bool Checked(int control) { return HeadlessDialogItemChecked(Selector(), control); }

std::vector<int> CheckedBoxes() {
    std::vector<int> boxes;
    for (int i = 0; i < TileCount; ++i) {
        if (Checked(FirstTileBox + i)) boxes.push_back(FirstTileBox + i);
    }
    return boxes;
}

void Press(WORD key, unsigned modifiers) { HeadlessPressKey(key, "", modifiers); }
void ClickMenu(UINT command) { EXPECT_TRUE(HeadlessClickMenuItem(Viewer(), command)) << command; }
void ClickSelector(int control) {
    EXPECT_TRUE(HeadlessClickDialogItem(Selector(), control)) << control;
}
void CloseViewer() { EXPECT_TRUE(HeadlessClickCloseBox(Viewer())); }

void PrintTo(const ViewNumbers& v, std::ostream* os) {
    *os << "{distance " << v.distance << ", step " << v.step << ", clip " << v.clip
        << ", latitude " << v.latitude << ", longitude " << v.longitude << ", yaw " << v.yaw
        << ", pitch " << v.pitch << ", roll " << v.roll << ", lookAround " << v.lookAround << "}";
}

ViewNumbers CurrentView() {
    return {distance, step, clip, latitude, longitude, yaw, pitch, roll, lookAround};
}

void SetView(const ViewNumbers& v) {
    distance = v.distance;
    step = v.step;
    clip = v.clip;
    latitude = v.latitude;
    longitude = v.longitude;
    yaw = v.yaw;
    pitch = v.pitch;
    roll = v.roll;
    lookAround = v.lookAround;
}

std::vector<std::uint32_t> SamplePicture(HWND window) {
    std::vector<std::uint32_t> samples;
    const int w = HeadlessFrameWidth(window), h = HeadlessFrameHeight(window);
    for (int y = 8; y < h; y += 16) {
        for (int x = 8; x < w; x += 16) samples.push_back(HeadlessPixel(window, x, y));
    }
    return samples;
}

bool ColoursClose(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}
