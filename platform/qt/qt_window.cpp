#include <QCloseEvent>
#include <QWindow>
#include <algorithm>

#include "platform/qt/qt_gl.h"
#include "platform/qt/qt_state.h"
#include "platform/qt/qt_window.h"

QtBackendState& QtState() {
    static QtBackendState state;
    return state;
}

void FreeDoomedWidgets() {
    QtBackendState& state = QtState();
    if (state.reportDepth > 0) {
        return;
    }
    // Deleting may run handlers that doom more widgets; take the list first.
    std::vector<QPointer<QWidget>> doomed;
    doomed.swap(state.doomedWidgets);
    for (QPointer<QWidget>& widget : doomed) {
        delete widget.data();
    }
}

QtWindow* FindLayerWindow(const QObject* object) {
    if (object == nullptr) {
        return nullptr;
    }
    const QWidget* topWidget = nullptr;
    if (object->isWidgetType()) {
        topWidget = static_cast<const QWidget*>(object)->window();
    }
    for (QtWindow* window : QtState().windows) {
        if (window->top == topWidget || window->gl == object ||
            (window->top->windowHandle() != nullptr && window->top->windowHandle() == object)) {
            return window;
        }
    }
    return nullptr;
}

LayerTopWidget::LayerTopWidget(HWND handle) : handle_(handle) {}

void LayerTopWidget::closeEvent(QCloseEvent* event) {
    // The program decides whether the window goes; the core destroys it then.
    event->ignore();
    if (handle_ != nullptr) {
        const HWND handle = handle_;
        ReportInput([handle] { return PlatformCloseBoxPressed(handle); });
    }
}

void LayerTopWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || gl == nullptr || handle_ == nullptr) {
        return;
    }
    if (isMinimized()) {
        gl->ReportClientSize(0, 0);
    } else {
        gl->ReportCurrentSize();
    }
}
