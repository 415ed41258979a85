#include "platform/qt/qt_gl.h"

#include <QExposeEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cstdlib>
#include <iterator>

#include "platform/backend.h"
#include "platform/qt/qt_state.h"

namespace {

struct OfferedFormat {
    bool doubleBuffer;
    int depthBits;
};

// What a request can get. The driver may give less depth than a row names;
// Qt then settles on the closest depth it has.
// clang-format off
const OfferedFormat OfferedFormats[] = {
    // doubleBuffer  depthBits
    {true,           32},
    {true,           24},
    {true,           16},
    {false,          32},
    {false,          24},
    {false,          16},
};
// clang-format on

constexpr int OfferedCount = static_cast<int>(std::size(OfferedFormats));

}  // namespace

GLClientWindow::GLClientWindow(HWND handle, int width, int height)
    : handle_(handle), reportedWidth_(width), reportedHeight_(height) {
    setSurfaceType(QSurface::OpenGLSurface);
    resize(width, height);
}

void GLClientWindow::exposeEvent(QExposeEvent* /*event*/) {
    if (handle_ != nullptr && isExposed()) {
        const HWND handle = handle_;
        ReportInput([handle] { PlatformWindowExposed(handle); });
    }
}

void GLClientWindow::ReportClientSize(int width, int height) {
    if (handle_ == nullptr || (width == reportedWidth_ && height == reportedHeight_)) {
        return;
    }
    reportedWidth_ = width;
    reportedHeight_ = height;
    const HWND handle = handle_;
    ReportInput([handle, width, height] { PlatformClientResized(handle, width, height); });
}

void GLClientWindow::ReportCurrentSize() {
    // The viewport is set in device pixels.
    const qreal ratio = devicePixelRatio();
    ReportClientSize(static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
}

void GLClientWindow::resizeEvent(QResizeEvent* /*event*/) { ReportCurrentSize(); }

void GLClientWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (handle_ != nullptr) {
        const HWND handle = handle_;
        ReportInput([handle] { PlatformClientClicked(handle); });
    }
}

int ChoosePixelFormatIndex(const PIXELFORMATDESCRIPTOR& request) {
    if (request.iPixelType != PFD_TYPE_RGBA) {
        return 0;
    }
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if ((request.dwFlags & needed) != needed) {
        return 0;
    }
    const bool doubleBuffer = (request.dwFlags & PFD_DOUBLEBUFFER) != 0;
    int best = 0;
    for (int i = 0; i < OfferedCount; ++i) {
        const OfferedFormat& row = OfferedFormats[i];
        if (row.doubleBuffer != doubleBuffer) {
            continue;
        }
        // Closest depth; on a tie the deeper one.
        const int distance = std::abs(row.depthBits - request.cDepthBits);
        const int bestDistance =
            best == 0 ? -1 : std::abs(OfferedFormats[best - 1].depthBits - request.cDepthBits);
        if (best == 0 || distance < bestDistance ||
            (distance == bestDistance && row.depthBits > OfferedFormats[best - 1].depthBits)) {
            best = i + 1;
        }
    }
    return best;
}

bool SurfaceFormatForIndex(int index, QSurfaceFormat* format) {
    if (index < 1 || index > OfferedCount) {
        return false;
    }
    const OfferedFormat& row = OfferedFormats[index - 1];
    QSurfaceFormat result;
    result.setRenderableType(QSurfaceFormat::OpenGL);
    result.setProfile(QSurfaceFormat::CompatibilityProfile);
    result.setRedBufferSize(8);
    result.setGreenBufferSize(8);
    result.setBlueBufferSize(8);
    result.setDepthBufferSize(row.depthBits);
    result.setStencilBufferSize(0);
    result.setSwapBehavior(row.doubleBuffer ? QSurfaceFormat::DoubleBuffer
                                            : QSurfaceFormat::SingleBuffer);
    *format = result;
    return true;
}
