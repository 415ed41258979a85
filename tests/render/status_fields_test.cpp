// The seven view numbers in the selector: their text, and which of them a
// frame leaves alone.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "gl_test_window.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "render/frame.h"
#include "render/view_state.h"

namespace {

struct FormatCase {
    int value;
    int bufferSize;
    const char* text;
};

const FormatCase FormatCases[] = {
    // value       buffer  text
    {0,            12,     "0"},
    {7,            12,     "7"},
    {-5,           12,     "-5"},
    {-175,         12,     "-175"},
    {180,          12,     "180"},
    {INT_MAX,      12,     "2147483647"},
    {INT_MIN,      12,     "-2147483648"},
    {-175,         5,      "-175"},  // exactly room for the text and its zero
    {-175,         4,      ""},      // no room: blank rather than a cut number
    {12,           1,      ""},
};

TEST(FormatViewNumber, SignedDecimalWithoutPaddingOrPlus) {
    for (const FormatCase& c : FormatCases) {
        char buffer[16];
        std::memset(buffer, 'x', sizeof(buffer));
        FormatViewNumber(c.value, buffer, c.bufferSize);
        EXPECT_STREQ(buffer, c.text) << c.value << " in " << c.bufferSize;
        EXPECT_EQ(buffer[c.bufferSize], 'x') << "wrote past the buffer";
    }
}

TEST(FormatViewNumber, NoBufferIsLeftAlone) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    FormatViewNumber(5, buffer, 0);
    EXPECT_EQ(buffer[0], 'x');
    FormatViewNumber(5, nullptr, 12);  // must not crash
}

// A dialog of the tests' own with the selector's seven number fields; every
// field starts with a mark so that a field left alone can be told apart.
constexpr UINT StatusTestDialog = 900;
constexpr const char* Untouched = "?";
constexpr int FirstField = 1085;
constexpr int FieldCount = 7;

const DialogControlTemplate StatusTestControls[FieldCount] = {
    // class       id    text       x   y   cx  cy  style
    {StaticClass, 1085, Untouched, 5,  5,  20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1086, Untouched, 25, 5,  20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1087, Untouched, 45, 5,  20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1088, Untouched, 5,  15, 20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1089, Untouched, 25, 15, 20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1090, Untouched, 5,  25, 20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {StaticClass, 1091, Untouched, 45, 15, 20, 10, WS_CHILD | WS_VISIBLE | SS_LEFT},
};
const DialogTemplate StatusTestDialogs[] = {
    {StatusTestDialog, "status", "ＭＳ Ｐゴシック", 9, 300, 0, 80, 45,
     WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT, StatusTestControls},
};
const ResourceModule StatusTestModule = {{}, {}, {}, StatusTestDialogs, {}};

INT_PTR StatusTestProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class StatusFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* why = "";
        ASSERT_TRUE(OpenGlTestWindow(512, 512, gl, &why)) << why;
        const HINSTANCE instance = RegisterResourceModule(&StatusTestModule);
        dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(StatusTestDialog), gl.window,
                                    StatusTestProc, 0);
        ASSERT_NE(dialog, nullptr);
        for (int id = FirstField; id < FirstField + FieldCount; ++id) {
            ASSERT_EQ(Field(id), Untouched) << id;
        }
    }
    void TearDown() override { CloseGlTestWindow(gl); }

    std::string Field(int id) { return HeadlessDialogItemText(dialog, id); }

    GlTestWindow gl;
    HWND dialog = nullptr;
};

struct ViewCase {
    const char* name;
    int longitude, latitude, distance, yaw, pitch, roll, lookAround, clip;
    const char* fields[FieldCount];  // 1085 .. 1091
};

const ViewCase ViewCases[] = {
    // name              lon   lat  dist  yaw  pit  roll  look clip   1085    1086   1087   1088       1089       1090       1091
    {"start",              0,    0,  80,    0,   0,    0,   0,   1, {"0",    "0",   "80",  Untouched, Untouched, Untouched, Untouched}},
    {"gaze, roll 0",       0,    0,  80,   -5,   0,    0,   1,   1, {"0",    "0",   "80",  "-5",      "0",       "",        Untouched}},
    {"gaze, roll -179",  180,  -90, -20,  180, -90, -179,   1,   2, {"180",  "-90", "-20", "180",     "-90",     "-179",    "2"}},
    {"west, clip 999",  -175,   45,   0,   33,  12,    4,   0, 999, {"-175", "45",  "0",   Untouched, Untouched, Untouched, "999"}},
};

TEST_F(StatusFieldsTest, FieldsFollowTheViewAndTheirRules) {
    for (const ViewCase& c : ViewCases) {
        SCOPED_TRACE(c.name);
        for (int id = FirstField; id < FirstField + FieldCount; ++id) {
            SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Untouched));
        }
        longitude = c.longitude;
        latitude = c.latitude;
        distance = c.distance;
        yaw = c.yaw;
        pitch = c.pitch;
        roll = c.roll;
        lookAround = c.lookAround;
        clip = c.clip;
        UpdateStatusFields(dialog);
        for (int i = 0; i < FieldCount; ++i) {
            EXPECT_EQ(Field(FirstField + i), c.fields[i]) << "field " << FirstField + i;
        }
    }
}

TEST_F(StatusFieldsTest, AFrameRefreshesTheFieldsOnlyWhileTheSelectorIsOpen) {
    longitude = -175;
    TileSelector = nullptr;
    RenderFrame();
    EXPECT_EQ(Field(1085), Untouched);

    TileSelector = dialog;
    const int swaps = HeadlessSwapCount(gl.window);
    RenderFrame();
    EXPECT_EQ(HeadlessSwapCount(gl.window), swaps + 1);
    EXPECT_EQ(Field(1085), "-175");
    EXPECT_EQ(Field(1087), "80");
    EXPECT_EQ(Field(1088), Untouched);
}

}  // namespace
