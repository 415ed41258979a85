// Resources, classes, message boxes, and a stop that leaves nothing behind.
#include <cstring>

#include "platform_fixture.h"

namespace fixture {
namespace {

using Resources = Platform;

TEST_F(Resources, LoadStringCopiesWhatFitsAndTerminates) {
    struct Case {
        UINT id;
        int size;
        int length;
        const char* text;
    };
    const Case cases[] = {
        {TitleString, 100, 6, "morvat"},
        {TitleString, 7, 6, "morvat"},
        {TitleString, 4, 3, "mor"},
        {TitleString, 1, 0, ""},
        {JapaneseString, 100, 24, "日本語のテキスト"},
        {JapaneseString, 8, 6, "日本"},  // cut between characters
        {4242, 100, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " size " + std::to_string(c.size));
        char buffer[100];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(LoadStringA(instance, c.id, buffer, c.size), c.length);
        EXPECT_STREQ(buffer, c.text);
    }
    char untouched[4] = "abc";
    EXPECT_EQ(LoadStringA(instance, TitleString, untouched, 0), 0);
    EXPECT_STREQ(untouched, "abc");
    EXPECT_EQ(LoadStringA(nullptr, TitleString, untouched, 4), 0);
}

TEST_F(Resources, IconsCursorsAndClasses) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IconId));
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(instance, MAKEINTRESOURCEA(IconId)), icon) << "one handle per resource";
    EXPECT_EQ(LoadIconA(instance, MAKEINTRESOURCEA(4242)), nullptr);
    EXPECT_NE(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), nullptr) << "a stock icon";
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(IconId)), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadCursorA(instance, IDC_ARROW), nullptr);

    WNDCLASSEXA duplicate{};
    duplicate.cbSize = sizeof duplicate;
    duplicate.lpfnWndProc = DefWindowProcA;
    duplicate.lpszClassName = "recorder";  // class names ignore case
    EXPECT_EQ(RegisterClassExA(&duplicate), 0);
    duplicate.lpszClassName = "PLAIN";
    ATOM atom = RegisterClassExA(&duplicate);
    EXPECT_NE(atom, 0);
    HWND plain = CreateWindowExA(0, MAKEINTRESOURCEA(atom), "by atom", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, instance, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetMenu(plain), nullptr);
    RECT client{};
    GetClientRect(plain, &client);
    EXPECT_EQ(client.right, 200 - 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(client.bottom, 100 - 2 * GetSystemMetrics(SM_CYFRAME) - GetSystemMetrics(SM_CYCAPTION))
        << "no menu bar";
}

TEST_F(Resources, MessageBoxIsRecordedAnsweredAndDisablesItsOwnerMeanwhile) {
    HWND frame = CreateFrame();
    EXPECT_EQ(MessageBoxA(nullptr, "ChoosePixelFormat failed", "Error", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(frame, "text", "caption", MB_OK), IDOK);
    ASSERT_EQ(HeadlessMessageBoxes().size(), 2u);
    EXPECT_EQ(HeadlessMessageBoxes()[0].owner, nullptr);
    EXPECT_EQ(HeadlessMessageBoxes()[0].text, "ChoosePixelFormat failed");
    EXPECT_EQ(HeadlessMessageBoxes()[0].caption, "Error");
    EXPECT_EQ(HeadlessMessageBoxes()[1].owner, frame);
    EXPECT_TRUE(IsWindowEnabled(frame));
    EXPECT_EQ(CountOf(frame, WM_ENABLE), 2) << "disabled, then enabled again";
}

TEST_F(Resources, StopLeavesNothingBehind) {
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    PostMessageA(frame, WM_USER, 0, 0);
    PostQuitMessage(3);
    MessageBoxA(frame, "text", "caption", MB_OK);
    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(CharAccelerators));
    ASSERT_NE(table, nullptr);
    for (int round = 0; round < 3; ++round) {
        HeadlessStop();
        ASSERT_TRUE(HeadlessStart());
        EXPECT_FALSE(IsWindow(frame));
        EXPECT_FALSE(IsWindow(selector));
        EXPECT_TRUE(HeadlessTopLevelWindows().empty());
        EXPECT_TRUE(HeadlessMessageBoxes().empty());
        EXPECT_EQ(GetFocus(), nullptr);
        EXPECT_EQ(LoadStringA(instance, TitleString, nullptr, 0), 0) << "modules are forgotten";
        MSG msg{};
        EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0)) << "no queue, no quit request: nothing to do";
        EXPECT_EQ(static_cast<LPARAM>(msg.wParam), -1);
        MSG character{};
        character.message = WM_SYSCHAR;
        character.wParam = '?';
        EXPECT_EQ(TranslateAcceleratorA(frame, table, &character), 0);
    }
}

}  // namespace
}  // namespace fixture
