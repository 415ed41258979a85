// Keyboard input of the layer's windows, taken from Qt before its own
// handling (Tab, Enter, Esc, mnemonics) can run, and handed to the core.
#pragma once

#include <QObject>

// An application-wide event filter: key events of the layer's windows go to
// the core's key input and are consumed; other windows' events pass.
class KeyInputFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The core's modifier bits (InputShift, InputControl, InputAlt) for Qt's.
unsigned InputModifiersFromQt(Qt::KeyboardModifiers modifiers);
