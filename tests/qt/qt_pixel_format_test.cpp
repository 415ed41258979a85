// Pixel format requests to the formats the Qt backend offers.
#include <gtest/gtest.h>

#include "platform/qt/qt_gl.h"

namespace {

PIXELFORMATDESCRIPTOR Request(DWORD flags, BYTE pixelType, BYTE depthBits) {
    PIXELFORMATDESCRIPTOR request{};
    request.nSize = sizeof(request);
    request.nVersion = 1;
    request.dwFlags = flags;
    request.iPixelType = pixelType;
    request.cColorBits = 24;
    request.cDepthBits = depthBits;
    return request;
}

constexpr DWORD Window = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;

struct FormatCase {
    const char* name;
    DWORD flags;
    BYTE pixelType;
    BYTE depthBits;
    bool found;
    bool doubleBuffer;
    int depthGiven;
};

// clang-format off
const FormatCase FormatCases[] = {
    // name                             flags                        type  depth found  double depthGiven
    {"the program's request",           Window | PFD_DOUBLEBUFFER,   0,    32,   true,  true,  32},
    {"24-bit depth",                    Window | PFD_DOUBLEBUFFER,   0,    24,   true,  true,  24},
    {"between 16 and 24: the deeper",   Window | PFD_DOUBLEBUFFER,   0,    20,   true,  true,  24},
    {"no depth asked: the shallowest",  Window | PFD_DOUBLEBUFFER,   0,    0,    true,  true,  16},
    {"more than any: the deepest",      Window | PFD_DOUBLEBUFFER,   0,    255,  true,  true,  32},
    {"single buffered",                 Window,                      0,    32,   true,  false, 32},
    {"colour-index pixels",             Window | PFD_DOUBLEBUFFER,   1,    32,   false, false, 0},
    {"not for a window",                PFD_SUPPORT_OPENGL,          0,    32,   false, false, 0},
    {"not for OpenGL",                  PFD_DRAW_TO_WINDOW,          0,    32,   false, false, 0},
};
// clang-format on

TEST(QtPixelFormat, RequestGetsTheClosestOfferedFormatOrNone) {
    for (const FormatCase& c : FormatCases) {
        const int index = ChoosePixelFormatIndex(Request(c.flags, c.pixelType, c.depthBits));
        if (!c.found) {
            EXPECT_EQ(index, 0) << c.name;
            continue;
        }
        ASSERT_GT(index, 0) << c.name;
        QSurfaceFormat format;
        ASSERT_TRUE(SurfaceFormatForIndex(index, &format)) << c.name;
        EXPECT_EQ(format.swapBehavior() == QSurfaceFormat::DoubleBuffer, c.doubleBuffer) << c.name;
        EXPECT_EQ(format.depthBufferSize(), c.depthGiven) << c.name;
        EXPECT_EQ(format.redBufferSize(), 8) << c.name;
        EXPECT_EQ(format.greenBufferSize(), 8) << c.name;
        EXPECT_EQ(format.blueBufferSize(), 8) << c.name;
        EXPECT_EQ(format.stencilBufferSize(), 0) << c.name;
        EXPECT_EQ(format.profile(), QSurfaceFormat::CompatibilityProfile) << c.name;
    }
}

TEST(QtPixelFormat, IndexNeverHandedOutIsRefused) {
    QSurfaceFormat format;
    for (int index : {-1, 0, 7, 1000}) {
        EXPECT_FALSE(SurfaceFormatForIndex(index, &format)) << index;
    }
}

}  // namespace
