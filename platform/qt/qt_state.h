// What the Qt backend keeps between calls: the windows it made, whether the
// person did something since the last wait, and the widgets waiting to be
// freed.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/win32.h"

struct QtWindow;

struct QtBackendState {
    std::vector<QtWindow*> windows;  // alive, in creation order
    // Set by every report to the core and by Wake; a wait ends on it.
    bool inputArrived = false;
    // How deep reports to the core are nested right now. Widgets are freed
    // only at depth 0, never under a Qt handler of theirs still running.
    int reportDepth = 0;
    std::vector<QPointer<QWidget>> doomedWidgets;
    int menuBarHeight = 0;  // SM_CYMENU, measured at start
};

QtBackendState& QtState();

// Runs one report to the core from a Qt handler, marking input as arrived.
template <typename Report>
auto ReportInput(Report report) {
    QtBackendState& state = QtState();
    state.inputArrived = true;
    ++state.reportDepth;
    // Not copyable: a copy would count the depth down twice.
    struct Unnest {
        explicit Unnest(QtBackendState& s) : state(s) {}
        Unnest(const Unnest&) = delete;
        Unnest& operator=(const Unnest&) = delete;
        ~Unnest() { --state.reportDepth; }
        QtBackendState& state;
    } unnest{state};
    return report();
}

// Frees the widgets of destroyed windows when no handler of theirs can be on
// the stack.
void FreeDoomedWidgets();

// The window whose top-level widget or GL client area an object belongs to;
// null for objects the layer did not make (Qt's own menus, message boxes).
QtWindow* FindLayerWindow(const QObject* object);
