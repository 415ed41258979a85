// Calls with null, dead or made-up handles and out-of-range arguments
// return 0 or null and change nothing.
#include <functional>

#include "platform_fixture.h"

namespace fixture {
namespace {

using BadCalls = Platform;

TEST_F(BadCalls, AreRefusedWithoutEffect) {
    HWND frame = CreateFrame();
    HWND selector = CreateSelector(frame);
    HWND dead = CreateFrame();
    HWND deadDialog = CreateSelector(dead);
    HWND deadControl = GetDlgItem(deadDialog, CheckA);
    ASSERT_TRUE(DestroyWindow(dead));
    HWND madeUp = reinterpret_cast<HWND>(std::uintptr_t{0x7777});
    HDC dc = GetDC(frame);
    HMENU menu = GetMenu(frame);
    char buffer[8] = "keep";
    MSG msg{};
    msg.hwnd = frame;
    msg.message = WM_CHAR;
    msg.wParam = '?';
    MENUITEMINFOA wrongSize{};
    wrongSize.cbSize = 44;  // the 32-bit size, not this build's record
    wrongSize.fMask = MIIM_STATE;
    wrongSize.fState = MFS_CHECKED;
    WNDCLASSEXA wrongClass{};
    wrongClass.cbSize = 48;
    wrongClass.lpszClassName = "OTHER";
    ASSERT_TRUE(EndDialog(selector, 5));
    ASSERT_NE(SetFocus(frame), frame);

    const std::vector<std::pair<const char*, std::function<std::intptr_t()>>> calls = {
        {"ShowWindow dead", [&] { return ShowWindow(dead, SW_SHOW); }},
        {"ShowWindow null", [&] { return ShowWindow(nullptr, SW_SHOW); }},
        {"UpdateWindow dead", [&] { return UpdateWindow(dead); }},
        {"InvalidateRect made up", [&] { return InvalidateRect(madeUp, nullptr, FALSE); }},
        {"SendMessage dead", [&] { return SendMessageA(dead, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")); }},
        {"SendMessage dead control", [&] { return SendMessageA(deadControl, BM_GETCHECK, 0, 0); }},
        {"PostMessage null", [&] { return PostMessageA(nullptr, WM_USER, 0, 0); }},
        {"PostMessage dead", [&] { return PostMessageA(dead, WM_USER, 0, 0); }},
        {"SetFocus dead", [&] { return reinterpret_cast<std::intptr_t>(SetFocus(dead)); }},
        {"SetFocus null", [&] { return reinterpret_cast<std::intptr_t>(SetFocus(nullptr)); }},
        {"GetDlgItem unknown id", [&] { return reinterpret_cast<std::intptr_t>(GetDlgItem(selector, 4242)); }},
        {"GetDlgItem of a frame", [&] { return reinterpret_cast<std::intptr_t>(GetDlgItem(frame, IDOK)); }},
        {"GetDlgItem dead", [&] { return reinterpret_cast<std::intptr_t>(GetDlgItem(deadDialog, CheckA)); }},
        {"second EndDialog", [&] { return EndDialog(selector, 6); }},
        {"EndDialog of a frame", [&] { return EndDialog(frame, 1); }},
        {"DestroyWindow dead", [&] { return DestroyWindow(dead); }},
        {"DestroyWindow control", [&] { return DestroyWindow(GetDlgItem(selector, IDOK)); }},
        {"GetText null buffer", [&] { return SendMessageA(frame, WM_GETTEXT, 8, 0); }},
        {"GetText zero size", [&] { return SendMessageA(frame, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)); }},
        {"SetMenuItemInfo wrong size", [&] { return SetMenuItemInfoA(menu, StepOne, FALSE, &wrongSize); }},
        {"SetMenuItemInfo unknown item", [&] {
             MENUITEMINFOA info{};
             info.cbSize = sizeof info;
             info.fMask = MIIM_STATE;
             return SetMenuItemInfoA(menu, 4242, FALSE, &info);
         }},
        {"SetMenuItemInfo null", [&] { return SetMenuItemInfoA(menu, StepOne, FALSE, nullptr); }},
        {"GetMenu dead", [&] { return reinterpret_cast<std::intptr_t>(GetMenu(dead)); }},
        {"TranslateAccelerator dead table", [&] {
             return TranslateAcceleratorA(frame, reinterpret_cast<HACCEL>(std::uintptr_t{0x7777}), &msg);
         }},
        {"TranslateAccelerator dead window", [&] {
             return TranslateAcceleratorA(dead, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(CharAccelerators)), &msg);
         }},
        {"IsDialogMessage dead", [&] { return IsDialogMessageA(deadDialog, &msg); }},
        {"IsDialogMessage for another window", [&] { return IsDialogMessageA(selector, &msg); }},
        {"TranslateMessage null", [&] { return TranslateMessage(nullptr); }},
        {"DispatchMessage null", [&] { return DispatchMessageA(nullptr); }},
        {"GetMessage null", [&] { return GetMessageA(nullptr, nullptr, 0, 0); }},
        {"GetClientRect dead", [&] { RECT r{}; return GetClientRect(dead, &r); }},
        {"BeginPaint dead", [&] { PAINTSTRUCT p{}; return reinterpret_cast<std::intptr_t>(BeginPaint(dead, &p)); }},
        {"GetDC dead", [&] { return reinterpret_cast<std::intptr_t>(GetDC(dead)); }},
        {"ChoosePixelFormat null dc", [&] {
             PIXELFORMATDESCRIPTOR request{};
             return ChoosePixelFormat(nullptr, &request);
         }},
        {"ChoosePixelFormat null request", [&] { return ChoosePixelFormat(dc, nullptr); }},
        {"SetPixelFormat format 0", [&] { return SetPixelFormat(dc, 0, nullptr); }},
        {"wglCreateContext without format", [&] { return reinterpret_cast<std::intptr_t>(wglCreateContext(dc)); }},
        {"wglMakeCurrent made up", [&] {
             return wglMakeCurrent(dc, reinterpret_cast<HGLRC>(std::uintptr_t{0x7777}));
         }},
        {"wglDeleteContext null", [&] { return wglDeleteContext(nullptr); }},
        {"SwapBuffers made up", [&] { return SwapBuffers(reinterpret_cast<HDC>(std::uintptr_t{0x7777})); }},
        {"ReleaseDC of another window", [&] { return ReleaseDC(selector, dc); }},
        {"RegisterClassEx wrong size", [&] { return RegisterClassExA(&wrongClass); }},
        {"CreateWindowEx unknown class", [&] {
             return reinterpret_cast<std::intptr_t>(CreateWindowExA(0, "NOSUCH", "", 0, 0, 0, 10, 10, nullptr,
                                                                    nullptr, instance, nullptr));
         }},
        {"CreateWindowEx dead owner", [&] {
             return reinterpret_cast<std::intptr_t>(CreateWindowExA(0, "RECORDER", "", 0, 0, 0, 10, 10, dead,
                                                                    nullptr, instance, nullptr));
         }},
        {"CreateDialogParam unknown template", [&] {
             return reinterpret_cast<std::intptr_t>(
                 CreateDialogParamA(instance, MAKEINTRESOURCEA(4242), frame, RecordingDialogProc, 0));
         }},
        {"CreateDialogParam dead owner", [&] {
             return reinterpret_cast<std::intptr_t>(
                 CreateDialogParamA(instance, MAKEINTRESOURCEA(SelectorDialog), dead, RecordingDialogProc, 0));
         }},
        {"MessageBox dead owner", [&] { return MessageBoxA(dead, "text", "caption", MB_OK); }},
        {"Click dead control", [&] { return std::intptr_t{HeadlessClick(deadControl)}; }},
        {"Close box of dead window", [&] { return std::intptr_t{HeadlessClickCloseBox(dead)}; }},
        {"Resize dead window", [&] { return std::intptr_t{HeadlessResizeClient(dead, 10, 10)}; }},
    };
    std::vector<HWND> windowsBefore = HeadlessTopLevelWindows();
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(), 0);
    }
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(HeadlessWindowText(frame), "morvat");
    EXPECT_FALSE(HeadlessMenuItem(frame, StepOne).checked);
    EXPECT_EQ(HeadlessTopLevelWindows(), windowsBefore);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    EXPECT_EQ(GetFocus(), frame);
    EXPECT_FALSE(IsWindow(madeUp));
}

TEST_F(BadCalls, SecondEndDialogLeavesTheFirstResult) {
    HWND frame = CreateFrame();
    EndDialogOnCommand = false;
    HeadlessScript({[&] {
        HWND box = HeadlessFindTopLevel("ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_TRUE(EndDialog(box, 11));
        EXPECT_FALSE(EndDialog(box, 12));
    }});
    EXPECT_EQ(DialogBoxParamA(instance, MAKEINTRESOURCEA(AboutDialog), frame, RecordingDialogProc, 0), 11);
}

}  // namespace
}  // namespace fixture
