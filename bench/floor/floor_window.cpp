// The floor the viewer is measured against: the least a Qt 6 program can do
// to put a GL picture on the screen. One 512 x 512 window whose context has
// the format the viewer's window asks for, cleared and swapped once when it
// is first exposed, and again on every key press. Nothing of morvat is used.
#include <GL/gl.h>

#include <QExposeEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>

namespace {

// The same request the viewer's client area makes: RGB 8/8/8, 32 depth bits
// (the driver gives the closest it has), no stencil, double buffer, the
// compatibility profile.
QSurfaceFormat ViewerFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

class FloorWindow final : public QWindow {
public:
    FloorWindow() {
        setSurfaceType(QSurface::OpenGLSurface);
        setFormat(ViewerFormat());
        resize(512, 512);
        setTitle(QStringLiteral("floor"));
    }

protected:
    void exposeEvent(QExposeEvent* /*event*/) override {
        if (isExposed() && !shown_) {
            shown_ = true;
            ClearAndSwap();
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        event->accept();
        ClearAndSwap();
    }

private:
    void ClearAndSwap() {
        if (!isExposed()) {
            return;
        }
        if (!context_.isValid()) {
            context_.setFormat(requestedFormat());
            if (!context_.create()) {
                qFatal("floor_window: no GL context");
            }
        }
        context_.makeCurrent(this);
        // A different grey each time, so every frame is a new picture.
        grey_ = grey_ > 0.7f ? 0.2f : grey_ + 0.05f;
        glClearColor(grey_, grey_, grey_, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        context_.swapBuffers(this);
    }

    QOpenGLContext context_;
    bool shown_ = false;
    float grey_ = 0.25f;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    FloorWindow window;
    window.show();
    window.requestActivate();
    return QGuiApplication::exec();
}
