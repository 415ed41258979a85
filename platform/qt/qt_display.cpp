#include "platform/qt/qt_display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QFileInfo>
#include <QLibraryInfo>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

const char* EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && value[0] != '\0') ? value : nullptr;
}

xcb_connection_t* HeldConnection = nullptr;

constexpr int ConnectAttempts = 10;
constexpr std::chrono::microseconds ConnectRetryPause{50000};  // all attempts within half a second

bool X11DisplayOpens(const char* display, std::string* whyNot) {
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(ConnectRetryPause);
        }
        int screen = 0;
        xcb_connection_t* connection = xcb_connect(display, &screen);
        if (xcb_connection_has_error(connection) == 0) {
            ReleaseDisplayCheck();
            HeldConnection = connection;
            return true;
        }
        xcb_disconnect(connection);
    }
    *whyNot = std::string("cannot open the X display \"") + display + "\"";
    return false;
}

// The compositor's socket, as libwayland-client finds it.
bool WaylandDisplayOpens(const char* display, std::string* whyNot) {
    std::string path;
    if (display[0] == '/') {
        path = display;
    } else {
        const char* runtimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
        if (runtimeDir == nullptr) {
            *whyNot = "WAYLAND_DISPLAY is set but XDG_RUNTIME_DIR is not";
            return false;
        }
        path = std::string(runtimeDir) + "/" + display;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        *whyNot = "the Wayland socket path is too long: " + path;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *whyNot = "cannot create a socket for the Wayland display";
        return false;
    }
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    if (!connected) {
        *whyNot = "cannot connect to the Wayland display at " + path;
    }
    return connected;
}

bool WaylandPluginInstalled() {
    const QString dir = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/";
    return QFileInfo::exists(dir + "libqwayland-generic.so") ||
           QFileInfo::exists(dir + "libqwayland-egl.so");
}

bool TryWayland(std::string* platform, std::string* whyNot) {
    const char* wayland = EnvironmentValue("WAYLAND_DISPLAY");
    if (wayland == nullptr) {
        *whyNot = "no display: WAYLAND_DISPLAY is not set";
        return false;
    }
    if (!WaylandPluginInstalled()) {
        *whyNot = "WAYLAND_DISPLAY is set but Qt's Wayland platform plugin is not installed";
        return false;
    }
    if (!WaylandDisplayOpens(wayland, whyNot)) {
        return false;
    }
    *platform = "wayland";
    return true;
}

bool TryX11(std::string* platform, std::string* whyNot) {
    const char* display = EnvironmentValue("DISPLAY");
    if (display == nullptr) {
        *whyNot = "no display: DISPLAY is not set";
        return false;
    }
    if (!X11DisplayOpens(display, whyNot)) {
        return false;
    }
    *platform = "xcb";
    return true;
}

}  // namespace

void ReleaseDisplayCheck() {
    if (HeldConnection != nullptr) {
        xcb_disconnect(HeldConnection);
        HeldConnection = nullptr;
    }
}

bool FindQtPlatform(std::string* platform, std::string* whyNot) {
    if (const char* asked = EnvironmentValue("QT_QPA_PLATFORM")) {
        // Qt takes a list of plugins to try in order, separated by ';'.
        std::string list = asked;
        std::string reason = "QT_QPA_PLATFORM names no plugin";
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t end = std::min(list.find(';', start), list.size());
            const std::string name = list.substr(start, end - start);
            start = end + 1;
            if (name == "xcb") {
                if (TryX11(platform, &reason)) {
                    return true;
                }
            } else if (name.rfind("wayland", 0) == 0) {
                if (TryWayland(platform, &reason)) {
                    *platform = name;
                    return true;
                }
            } else if (!name.empty()) {
                // Other plugins (offscreen, vnc, eglfs, ...) show nothing on
                // the person's screen, and some abort the process on failure.
                reason = "QT_QPA_PLATFORM=" + name + " is not a display this program can use";
            }
        }
        *whyNot = reason;
        return false;
    }
    std::string x11Reason;
    if (TryX11(platform, &x11Reason)) {
        return true;
    }
    std::string waylandReason;
    if (TryWayland(platform, &waylandReason)) {
        return true;
    }
    if (EnvironmentValue("DISPLAY") == nullptr && EnvironmentValue("WAYLAND_DISPLAY") == nullptr) {
        *whyNot = "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    } else if (EnvironmentValue("DISPLAY") != nullptr) {
        *whyNot = x11Reason;
    } else {
        *whyNot = waylandReason;
    }
    return false;
}
