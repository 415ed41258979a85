// The frame's client area: a native OpenGL window, and the pixel formats the
// layer offers for it.
#pragma once

#include <QSurfaceFormat>
#include <QWindow>

#include "platform/win32.h"

class QOpenGLContext;

// Reports exposure, size changes and clicks of the client area to the core.
// Its surface is made (QWindow::create) when the pixel format is set, before
// the frame is first shown, so that GL can run while the window is created.
class GLClientWindow : public QWindow {
public:
    GLClientWindow(HWND handle, int width, int height);

    // After the layer window died: report nothing more.
    void Forget() { handle_ = nullptr; }
    HWND Handle() const { return handle_; }

    // Tells the core the client size in device pixels, unless it knows it
    // already; 0 x 0 while the frame is minimised.
    void ReportClientSize(int width, int height);
    void ReportCurrentSize();

    // The context last made current on this window: the one SwapBuffers swaps.
    QOpenGLContext* boundContext = nullptr;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    HWND handle_;
    int reportedWidth_;
    int reportedHeight_;
};

// The closest offered format to a request, as a 1-based index; 0 when the
// request cannot be met by any (colour-index pixels, no window drawing, no
// OpenGL).
int ChoosePixelFormatIndex(const PIXELFORMATDESCRIPTOR& request);

// The Qt format behind an index of ChoosePixelFormatIndex; false for an index
// the layer never handed out.
bool SurfaceFormatForIndex(int index, QSurfaceFormat* format);
