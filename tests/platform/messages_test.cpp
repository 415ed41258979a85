// Message order, painting, the quit request, key translation and texts.
#include <cstring>

#include "platform_fixture.h"

namespace fixture {
namespace {

using Messages = Platform;

TEST_F(Messages, CreationMessagesRunInsideTheCreatingCalls) {
    HWND frame = CreateFrame(false);
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(HandleKnownDuringCreate);
    std::vector<UINT> messages = MessagesTo(frame);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0], WM_CREATE);
    EXPECT_EQ(messages[1], WM_SIZE);
    EXPECT_EQ(CountOf(frame, WM_PAINT), 0);

    ShowWindow(frame, SW_SHOWNORMAL);
    EXPECT_EQ(CountOf(frame, WM_PAINT), 0) << "showing only invalidates";
    UpdateWindow(frame);
    EXPECT_EQ(CountOf(frame, WM_PAINT), 1) << "the first paint runs inside UpdateWindow";
    UpdateWindow(frame);
    EXPECT_EQ(CountOf(frame, WM_PAINT), 1) << "a painted window needs no second paint";

    HandleKnownDuringCreate = true;
    HWND selector = CreateSelector(frame);
    ASSERT_NE(selector, nullptr);
    EXPECT_FALSE(HandleKnownDuringCreate);
    ASSERT_FALSE(MessagesTo(selector).empty());
    EXPECT_EQ(MessagesTo(selector).front(), WM_INITDIALOG);
}

TEST_F(Messages, ClientAreaFromTheMetricsIs512By512) {
    HWND frame = CreateFrame();
    RECT client{};
    ASSERT_TRUE(GetClientRect(frame, &client));
    EXPECT_EQ(client.right - client.left, 512);
    EXPECT_EQ(client.bottom - client.top, 512);
    for (const Event& event : Events) {
        if (event.window == frame && event.message == WM_SIZE) {
            EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(event.lParam)), 512);
            EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(event.lParam)), 512);
        }
    }
}

TEST_F(Messages, SeveralInvalidationsGiveOnePaintAfterThePostedMessages) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    Events.clear();
    InvalidateRect(frame, nullptr, FALSE);
    InvalidateRect(frame, nullptr, FALSE);
    InvalidateRect(frame, nullptr, FALSE);
    PostMessageA(frame, WM_USER, 0, 0);
    PostMessageA(frame, WM_USER + 1, 0, 0);
    EXPECT_EQ(RunLoop(&noSelector, nullptr), -1);
    EXPECT_TRUE(HeadlessRanOutOfInput());
    EXPECT_EQ(MessagesTo(frame), (std::vector<UINT>{WM_USER, WM_USER + 1, WM_PAINT}));
}

TEST_F(Messages, QuitEndsTheLoopAfterTheMessagesPostedBeforeIt) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    Events.clear();
    PostMessageA(frame, WM_USER, 0, 0);
    PostQuitMessage(7);
    EXPECT_EQ(RunLoop(&noSelector, nullptr), 7);
    EXPECT_FALSE(HeadlessRanOutOfInput());
    EXPECT_EQ(MessagesTo(frame), (std::vector<UINT>{WM_USER}));
}

TEST_F(Messages, DestroyingAnOwnerDestroysItsDialogFirst) {
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    ASSERT_NE(selector, nullptr);
    HWND ok = GetDlgItem(selector, IDOK);
    SetFocus(ok);
    Events.clear();
    ASSERT_TRUE(DestroyWindow(frame));
    EXPECT_FALSE(IsWindow(selector));
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(ok));
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_EQ(Events.size(), 2u);
    EXPECT_EQ(Events[0].window, selector);
    EXPECT_EQ(Events[0].message, WM_DESTROY);
    EXPECT_EQ(Events[1].window, frame);
    EXPECT_EQ(Events[1].message, WM_DESTROY);
    EXPECT_FALSE(DestroyWindow(frame)) << "a dead handle is refused";
}

TEST_F(Messages, CloseBoxOfAFrameDestroysItThroughTheDefaultProcedure) {
    HWND frame = CreateFrame();
    HWND noSelector = nullptr;
    ASSERT_TRUE(HeadlessClickCloseBox(frame));
    EXPECT_EQ(RunLoop(&noSelector, nullptr), 0) << "WM_DESTROY posts the quit request";
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(CountOf(frame, WM_CLOSE), 1);
}

TEST_F(Messages, TranslateMessageMakesCharactersFromKeyTexts) {
    struct Case {
        const char* name;
        WORD vk;
        const char* text;
        unsigned modifiers;
        UINT keyMessage;
        UINT charMessage;  // WM_NULL: no character
        WPARAM character;
    };
    const Case cases[] = {
        {"letter", 'A', "a", NoModifier, WM_KEYDOWN, WM_CHAR, 'a'},
        {"shifted", VK_OEM_2, "?", ShiftKey, WM_KEYDOWN, WM_CHAR, '?'},
        {"alt", VK_OEM_2, "/", AltKey, WM_SYSKEYDOWN, WM_SYSCHAR, '/'},
        {"utf-8 text", 'E', "\xC3\xA9", NoModifier, WM_KEYDOWN, WM_CHAR, 0xE9},
        {"no text", VK_LEFT, "", NoModifier, WM_KEYDOWN, WM_NULL, 0},
    };
    HWND frame = CreateFrame();
    ASSERT_EQ(GetFocus(), frame);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessPressKey(c.vk, c.text, c.modifiers, 1);
        MSG msg{};
        ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
        EXPECT_EQ(msg.message, c.keyMessage);
        EXPECT_EQ(msg.wParam, c.vk);
        EXPECT_EQ((msg.lParam >> 29) & 1, (c.modifiers & AltKey) ? 1 : 0) << "Alt bit";
        EXPECT_EQ((msg.lParam >> 30) & 1, 0) << "first press";
        EXPECT_EQ(TranslateMessage(&msg) != FALSE, c.charMessage != WM_NULL);
        if (c.charMessage != WM_NULL) {
            MSG character{};
            ASSERT_TRUE(GetMessageA(&character, nullptr, 0, 0));
            EXPECT_EQ(character.message, c.charMessage);
            EXPECT_EQ(character.wParam, c.character);
        }
        MSG repeat{};
        ASSERT_TRUE(GetMessageA(&repeat, nullptr, 0, 0));
        EXPECT_EQ(repeat.message, c.keyMessage);
        EXPECT_EQ((repeat.lParam >> 30) & 1, 1) << "auto-repeat";
        MSG up{};
        ASSERT_TRUE(GetMessageA(&up, nullptr, 0, 0));
        EXPECT_EQ(up.message, (c.modifiers & AltKey) ? WM_SYSKEYUP : WM_KEYUP);
    }
}

TEST_F(Messages, GetTextCopiesWhatFitsAndAlwaysTerminates) {
    struct Case {
        const char* text;
        WPARAM size;
        LRESULT copied;
        const char* expected;  // nullptr: the buffer is untouched
    };
    const Case cases[] = {
        {"24: De1f1", 100, 9, "24: De1f1"},
        {"24: De1f1", 10, 9, "24: De1f1"},
        {"24: De1f1", 9, 8, "24: De1f"},
        {"24: De1f1", 1, 0, ""},
        {"24: De1f1", 0, 0, nullptr},
        {"日本", 5, 3, "日"},  // a character is never cut in two
        {"", 4, 0, ""},
    };
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    HWND field = GetDlgItem(selector, StatusField);
    for (HWND target : {field, frame}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.text) + " size " + std::to_string(c.size));
            ASSERT_TRUE(SendMessageA(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text)));
            EXPECT_EQ(SendMessageA(target, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(std::strlen(c.text)));
            char buffer[16];
            std::memset(buffer, '#', sizeof buffer);
            EXPECT_EQ(SendMessageA(target, WM_GETTEXT, c.size, reinterpret_cast<LPARAM>(buffer)), c.copied);
            if (c.expected != nullptr)
                EXPECT_STREQ(buffer, c.expected);
            else
                EXPECT_EQ(buffer[0], '#');
        }
    }
    EXPECT_EQ(HeadlessDialogItemText(selector, StatusField), "");
}

}  // namespace
}  // namespace fixture
