// The Qt backend's table of functions and its start and stop.
#include "platform/qt/qt_backend.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QTimer>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/qt/qt_display.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_gl.h"
#include "platform/qt/qt_input.h"
#include "platform/qt/qt_state.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_window.h"

namespace {

QOpenGLContext* AsQt(BackendContext* context) { return reinterpret_cast<QOpenGLContext*>(context); }
BackendContext* AsBackend(QOpenGLContext* context) {
    return reinterpret_cast<BackendContext*>(context);
}

// A menu bar's height in this style and font, Japanese texts included.
int MeasureMenuBarHeight() {
    QMenuBar probe;
    probe.addMenu(QStringLiteral("&File"));
    probe.addMenu(QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    probe.addMenu(QString::fromUtf8("表示(&V)"));
    return std::max(1, probe.sizeHint().height());
}

void SetTransientParent(QWidget* dialog, QWidget* owner) {
    if (owner == nullptr || owner->windowHandle() == nullptr) {
        return;
    }
    dialog->winId();  // makes the dialog's native window, hidden
    if (dialog->windowHandle() != nullptr) {
        dialog->windowHandle()->setTransientParent(owner->windowHandle());
    }
}

// A window shown is on the screen when ShowWindow returns, as the program
// expects: the frame it paints next (UpdateWindow's) is then the one the
// person sees first, instead of a frame drawn unseen and drawn again on the
// first expose. Bounded, for a window manager that never maps it.
constexpr int OnScreenWaitMilliseconds = 500;

void WaitUntilOnScreen(QtWindow& window) {
    if (window.gl == nullptr || window.gl->isExposed()) {
        return;
    }
    QElapsedTimer waited;
    waited.start();
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(OnScreenWaitMilliseconds);  // wakes the wait below at the latest
    ++QtState().reportDepth;  // nothing may be freed under this nested loop
    while (!window.gl->isExposed() && waited.elapsed() < OnScreenWaitMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    --QtState().reportDepth;
}

class QtBackend final : public PlatformBackend {
public:
    BackendWindow* CreateWindow(const WindowDescription& description) override {
        QtWindow* window = nullptr;
        if (description.kind == WindowKind::Frame) {
            window = CreateFrame(description);
        } else {
            window = CreateDialogWindow(description, ::AsQt(description.owner));
            window->owner = description.owner != nullptr ? ::AsQt(description.owner)->top : nullptr;
        }
        QtState().windows.push_back(window);
        return ::AsBackend(window);
    }

    void DestroyWindow(BackendWindow* backendWindow) override {
        QtWindow* window = ::AsQt(backendWindow);
        QtBackendState& state = QtState();
        std::erase(state.windows, window);
        window->top->Forget();
        if (window->gl != nullptr) {
            window->gl->Forget();
            QOpenGLContext* current = QOpenGLContext::currentContext();
            if (current != nullptr && current->surface() == window->gl) {
                current->doneCurrent();
            }
        }
        window->top->hide();
        state.doomedWidgets.emplace_back(window->top);
        delete window;
        FreeDoomedWidgets();
    }

    void ShowWindow(BackendWindow* backendWindow, bool visible) override {
        QtWindow* window = ::AsQt(backendWindow);
        if (!visible) {
            window->top->hide();
            return;
        }
        if (window->kind == WindowKind::Dialog) {
            SetTransientParent(window->top, window->owner);
        }
        window->top->show();
        window->top->raise();
        window->top->activateWindow();
        WaitUntilOnScreen(*window);
    }

    void EnableWindow(BackendWindow* window, bool enabled) override {
        ::AsQt(window)->top->setEnabled(enabled);
    }

    void SetWindowTitle(BackendWindow* window, const char* title) override {
        ::AsQt(window)->top->setWindowTitle(title != nullptr ? QString::fromUtf8(title) : QString());
    }

    void SetControlText(BackendWindow* dialog, int controlIndex, const char* text) override {
        SetDialogControlText(*::AsQt(dialog), controlIndex, text);
    }

    void SetControlChecked(BackendWindow* dialog, int controlIndex, bool checked) override {
        SetDialogControlChecked(*::AsQt(dialog), controlIndex, checked);
    }

    void SetFocus(BackendWindow* backendWindow, int controlIndex) override {
        QtWindow* window = ::AsQt(backendWindow);
        window->top->activateWindow();
        if (controlIndex < 0) {
            if (window->gl != nullptr && window->gl->handle() != nullptr) {
                window->gl->requestActivate();
            } else {
                window->top->setFocus(Qt::OtherFocusReason);
            }
            return;
        }
        if (static_cast<std::size_t>(controlIndex) < window->controls.size()) {
            // Keyboard focus is shown as such: the focus frame is drawn.
            window->controls[static_cast<std::size_t>(controlIndex)].widget->setFocus(
                Qt::TabFocusReason);
        }
    }

    void SetMenuItemLook(BackendWindow* window, int entryIndex, const char* text, bool radioForm,
                         bool checked) override {
        SetMenuEntryLook(*::AsQt(window), entryIndex, text, radioForm, checked);
    }

    void OpenMenuPopup(BackendWindow* window, int entryIndex) override {
        OpenMenuEntry(*::AsQt(window), entryIndex);
    }

    bool Wait() override {
        QtBackendState& state = QtState();
        FreeDoomedWidgets();
        while (!state.inputArrived) {
            if (state.windows.empty()) {
                // No window is left to take input from.
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            FreeDoomedWidgets();
        }
        state.inputArrived = false;
        return true;
    }

    void Wake() override {
        QtState().inputArrived = true;
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
            dispatcher->wakeUp();
        }
    }

    int SystemMetric(int index) override {
        // Qt sizes a top-level window without the window manager's frame and
        // caption, so the only part to subtract is the menu bar.
        return index == SM_CYMENU ? QtState().menuBarHeight : 0;
    }

    DialogBaseUnits DialogUnits(const char* fontName, int pointSize) override {
        return MeasureDialogBaseUnits(TemplateFont(fontName, pointSize));
    }

    int MessageBox(BackendWindow* owner, const char* text, const char* caption,
                   UINT /*type*/) override {
        QMessageBox box(QMessageBox::NoIcon,
                        caption != nullptr ? QString::fromUtf8(caption) : QString(),
                        text != nullptr ? QString::fromUtf8(text) : QString(), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        if (owner != nullptr) {
            SetTransientParent(&box, ::AsQt(owner)->top);
        }
        ++QtState().reportDepth;  // nothing may be freed under the box's loop
        box.exec();
        --QtState().reportDepth;
        return IDOK;
    }

    int ChoosePixelFormat(const PIXELFORMATDESCRIPTOR& request) override {
        return ChoosePixelFormatIndex(request);
    }

    bool SetPixelFormat(BackendWindow* backendWindow, int format) override {
        QtWindow* window = ::AsQt(backendWindow);
        QSurfaceFormat surfaceFormat;
        if (window->gl == nullptr || window->gl->handle() != nullptr ||
            !SurfaceFormatForIndex(format, &surfaceFormat)) {
            return false;
        }
        window->gl->setFormat(surfaceFormat);
        // The surface exists from here on, before the window is first shown,
        // so a context can be made current on it while the window is created.
        window->gl->create();
        return window->gl->handle() != nullptr;
    }

    BackendContext* CreateContext(BackendWindow* backendWindow) override {
        QtWindow* window = ::AsQt(backendWindow);
        if (window->gl == nullptr || window->gl->handle() == nullptr) {
            return nullptr;
        }
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(window->gl->requestedFormat());
        if (!context->create()) {
            return nullptr;
        }
        return AsBackend(context.release());
    }

    bool MakeCurrent(BackendWindow* backendWindow, BackendContext* backendContext) override {
        if (backendWindow == nullptr && backendContext == nullptr) {
            if (QOpenGLContext* current = QOpenGLContext::currentContext()) {
                current->doneCurrent();
            }
            return true;
        }
        if (backendWindow == nullptr || backendContext == nullptr) {
            return false;
        }
        QtWindow* window = ::AsQt(backendWindow);
        if (window->gl == nullptr || window->gl->handle() == nullptr) {
            return false;
        }
        QOpenGLContext* context = AsQt(backendContext);
        if (!context->makeCurrent(window->gl)) {
            return false;
        }
        window->gl->boundContext = context;
        return true;
    }

    void DeleteContext(BackendContext* backendContext) override {
        QOpenGLContext* context = AsQt(backendContext);
        for (QtWindow* window : QtState().windows) {
            if (window->gl != nullptr && window->gl->boundContext == context) {
                window->gl->boundContext = nullptr;
            }
        }
        delete context;
    }

    bool SwapBuffers(BackendWindow* backendWindow) override {
        QtWindow* window = ::AsQt(backendWindow);
        if (window->gl == nullptr || window->gl->boundContext == nullptr) {
            return false;
        }
        // Nothing of the window is on the screen yet (or any more): the
        // expose that shows it asks the program for a new frame.
        if (!window->gl->isExposed()) {
            return true;
        }
        window->gl->boundContext->swapBuffers(window->gl);
        return true;
    }
};

struct QtLayer {
    std::unique_ptr<QApplication> application;
    std::unique_ptr<KeyInputFilter> keyFilter;
    std::unique_ptr<QtBackend> backend;
};

QtLayer& Layer() {
    static QtLayer layer;
    return layer;
}

}  // namespace

bool QtStart(int& argc, char** argv, std::string* whyNot) {
    std::string ignored;
    std::string& reason = whyNot != nullptr ? *whyNot : ignored;
    QtLayer& layer = Layer();
    if (layer.application != nullptr || QCoreApplication::instance() != nullptr) {
        reason = "the window system is started already";
        return false;
    }
    std::string platform;
    if (!FindQtPlatform(&platform, &reason)) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    // Dialog layouts and the GL client area are in whole pixels.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    layer.application = std::make_unique<QApplication>(argc, argv);
    ReleaseDisplayCheck();  // Qt holds its own connection now
    QApplication::setQuitOnLastWindowClosed(false);
    // The application takes the style and deletes it with itself; the
    // analyzer cannot see that and reports the pointer lost at the next line.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new LayerStyle);
    QtState() = QtBackendState{};
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    QtState().menuBarHeight = MeasureMenuBarHeight();
    layer.keyFilter = std::make_unique<KeyInputFilter>();
    layer.application->installEventFilter(layer.keyFilter.get());
    layer.backend = std::make_unique<QtBackend>();
    if (!PlatformStart(layer.backend.get())) {
        reason = "another window-system backend is running";
        layer.backend.reset();  // never started, so nothing to stop
        QtStop();
        return false;
    }
    return true;
}

void QtStop() {
    QtLayer& layer = Layer();
    if (layer.application == nullptr) {
        return;
    }
    if (layer.backend != nullptr) {
        PlatformStop();
    }
    FreeDoomedWidgets();
    layer.application->removeEventFilter(layer.keyFilter.get());
    layer.keyFilter.reset();
    layer.backend.reset();
    layer.application.reset();
}
