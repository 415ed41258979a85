// A person's session with the viewer on the headless backend: the program is
// started from WinMain's first step, the person acts through scripted steps,
// and the test looks at what the person would see.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/win32.h"

using Step = std::function<void()>;

class ShellSession : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the program with the person's steps and returns its exit code. The
    // last step is expected to end the program; a session that runs out of
    // steps while the program still waits fails the test.
    int Run(std::vector<Step> steps);

    HINSTANCE instance = nullptr;
};

// What a person finds on the screen.
HWND Viewer();    // the main window, by its title
HWND Selector();  // the tile selector, by its caption; null when closed
HWND AboutBox();  // the About box, by its caption; null when closed
int CountTopLevel(const char* caption);
std::string Field(int control);  // text of a selector control
bool Checked(int control);       // check state of a selector box
// Ids of the selector's tile boxes that are checked, ascending.
std::vector<int> CheckedBoxes();

// The person's actions.
void Press(WORD key, unsigned modifiers = NoModifier);
void ClickMenu(UINT command);
void ClickSelector(int control);
void CloseViewer();

// The view variables a key can change, for comparing in one go.
struct ViewNumbers {
    int distance, step, clip, latitude, longitude, yaw, pitch, roll, lookAround;
    friend bool operator==(const ViewNumbers&, const ViewNumbers&) = default;
};
void PrintTo(const ViewNumbers& v, std::ostream* os);
ViewNumbers CurrentView();
void SetView(const ViewNumbers& v);
inline constexpr ViewNumbers StartView = {80, 1, 1, 0, 0, 0, 0, 0, 0};

// The picture: pixel samples on a grid over the client area, and colours.
std::vector<std::uint32_t> SamplePicture(HWND window);
bool ColoursClose(std::uint32_t a, std::uint32_t b, int tolerance = 2);
inline constexpr std::uint32_t Grey25 = 0x404040;
