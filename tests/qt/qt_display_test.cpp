// Starting without a usable display: a clear reason, no Qt application made,
// no abort.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/qt/qt_backend.h"

namespace {

// Sets environment variables for one case and puts them back afterwards.
class EnvironmentOverride {
public:
    EnvironmentOverride() = default;
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
        if (value == nullptr) {
            unsetenv(name);
        } else {
            setenv(name, value, 1);
        }
    }
    ~EnvironmentOverride() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                unsetenv(it->first.c_str());
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

struct DisplayCase {
    const char* name;
    const char* display;
    const char* waylandDisplay;
    const char* platform;
    const char* reasonMentions;
};

// clang-format off
const DisplayCase DisplayCases[] = {
    // name                          DISPLAY       WAYLAND_DISPLAY         QT_QPA_PLATFORM  reason mentions
    {"nothing set",                  nullptr,      nullptr,                nullptr,         "no display"},
    {"both empty",                   "",           "",                     nullptr,         "no display"},
    {"X server not there",           ":4711",      nullptr,                nullptr,         ":4711"},
    {"Wayland socket not there",     nullptr,      "morvat-no-such-socket", nullptr,        "Wayland"},
    {"xcb asked, no DISPLAY",        nullptr,      nullptr,                "xcb",           "DISPLAY"},
    {"a plugin without a screen",    nullptr,      nullptr,                "offscreen",     "offscreen"},
};
// clang-format on

TEST(QtDisplay, StartWithoutAUsableDisplayFailsWithAReasonAndMakesNoApplication) {
    for (const DisplayCase& c : DisplayCases) {
        EnvironmentOverride environment;
        environment.Set("DISPLAY", c.display);
        environment.Set("WAYLAND_DISPLAY", c.waylandDisplay);
        environment.Set("QT_QPA_PLATFORM", c.platform);
        environment.Set("XDG_RUNTIME_DIR", "/tmp");
        int argc = 1;
        char name[] = "morvat";
        char* argv[] = {name, nullptr};
        std::string whyNot;
        EXPECT_FALSE(QtStart(argc, argv, &whyNot)) << c.name;
        EXPECT_NE(whyNot.find(c.reasonMentions), std::string::npos) << c.name << ": " << whyNot;
        EXPECT_EQ(whyNot.find('\n'), std::string::npos) << c.name;
        EXPECT_EQ(QCoreApplication::instance(), nullptr) << c.name;
        QtStop();  // harmless when nothing started
    }
}

}  // namespace
