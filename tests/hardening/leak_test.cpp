// The program leaks nothing over a run: a start, the tile selector closed by
// its close box and opened again from the menu a thousand times, and the
// exit. Memory in use must not grow with the number of reopenings, and in
// the sanitizer build LeakSanitizer must find nothing lost once the run is
// over. (A run under valgrind is registered with CTest as well.)
#include <gtest/gtest.h>

#include <cstddef>
#include <iostream>
#include <string>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's count of bytes in use; its header does not come
// with every compiler.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "platform/headless/headless.h"
#include "resources/ids.h"
#include "tests/hardening/session_checks.h"
#include "tests/hardening/viewer_run.h"

namespace {

constexpr int Reopenings = 1000;
// Reopenings before the first measure, so that every table and cache the
// layer and the driver fill on the first few openings is filled.
constexpr int WarmUpReopenings = 100;
// Growth allowed over the measured reopenings: less than the smallest block
// a reopening could lose per time (a window record, a control, a string).
constexpr std::size_t AllowedGrowthBytes = std::size_t{8} * (Reopenings - WarmUpReopenings);

std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

TEST(SelectorReopening, AThousandReopeningsLeaveNothingBehind) {
    int reopenings = 0;
    bool closeNext = true;
    bool exited = false;
    std::size_t heapAfterWarmUp = 0, heapAtEnd = 0;
    std::string wrong;

    const ViewerRun run = RunViewer([&] {
        if (exited) return false;
        const int selectors = CountTopLevel("morvat tile selector");
        if (selectors != (closeNext ? 1 : 0)) {
            wrong = "after " + std::to_string(reopenings) + " reopenings " + std::to_string(selectors) +
                    " selectors are open";
            return false;
        }
        if (closeNext && reopenings == WarmUpReopenings) heapAfterWarmUp = HeapInUse();
        if (closeNext && reopenings == Reopenings) {
            heapAtEnd = HeapInUse();
            exited = HeadlessClickMenuItem(ViewerWindow(), CommandExit);
            return exited;
        }
        const bool done = closeNext ? HeadlessClickCloseBox(SelectorWindow())
                                    : HeadlessClickMenuItem(ViewerWindow(), CommandTileSelector);
        if (!done) {
            wrong = closeNext ? "the selector's close box was refused" : "the tile selector command was refused";
            return false;
        }
        if (!closeNext) ++reopenings;
        closeNext = !closeNext;
        return true;
    });

    ASSERT_TRUE(run.started) << "no offscreen OpenGL";
    ASSERT_EQ(wrong, "");
    EXPECT_EQ(reopenings, Reopenings);
    EXPECT_TRUE(exited);
    EXPECT_FALSE(run.ranOutOfInput);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.windowsLeft, 0);

    const long long growth = static_cast<long long>(heapAtEnd) - static_cast<long long>(heapAfterWarmUp);
    // Under valgrind the allocator reports nothing; valgrind itself then
    // looks for what was lost.
    if (heapAfterWarmUp == 0) {
        std::cout << "[ heap     ] the allocator in use does not report its use" << std::endl;
    } else {
        std::cout << "[ heap     ] " << heapAfterWarmUp << " bytes in use after " << WarmUpReopenings
                  << " reopenings, " << heapAtEnd << " after " << Reopenings << std::endl;
    }
    EXPECT_LE(growth, static_cast<long long>(AllowedGrowthBytes));

#if defined(__SANITIZE_ADDRESS__)
    // Everything of the run is gone now: whatever is unreferenced is lost.
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer found lost blocks (see its report above)";
#endif
}

}  // namespace
