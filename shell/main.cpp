// The viewer's entry point on a real screen: the Qt backend, the resources,
// and the program.
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/qt/qt_backend.h"
#include "resources/resources.h"
#include "shell/shell.h"

int main(int argc, char** argv) {
    std::string whyNot;
    if (!QtStart(argc, argv, &whyNot)) {
        std::fprintf(stderr, "morvat: %s (run it on a desktop, or under xvfb-run)\n",
                     whyNot.c_str());
        return 1;
    }
    const HINSTANCE instance = RegisterResourceModule(&MorvatResources);
    char noCommandLine[] = "";
    const int exitCode = WinMain(instance, nullptr, noCommandLine, SW_SHOWDEFAULT);
    QtStop();
    return exitCode;
}
