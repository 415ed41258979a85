#include "platform/qt/qt_input.h"

#include <QKeyEvent>

#include "platform/backend.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_state.h"

unsigned InputModifiersFromQt(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        bits |= InputShift;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        bits |= InputControl;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        bits |= InputAlt;
    }
    return bits;
}

bool KeyInputFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    if (FindLayerWindow(watched) == nullptr) {
        return false;
    }
    // Accepting the override keeps Qt's shortcuts (button and menu
    // mnemonics) from acting on the key: the core decides what it does.
    event->accept();
    if (type == QEvent::ShortcutOverride) {
        return true;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const bool down = type == QEvent::KeyPress;
    // A held key gives repeated downs and one up at the end.
    if (!down && key->isAutoRepeat()) {
        return true;
    }
    const WORD vk = VirtualKeyFromQtKey(key->key(), key->modifiers().testFlag(Qt::KeypadModifier));
    unsigned modifiers = InputModifiersFromQt(key->modifiers());
    // The Alt key itself goes down and up as a system key.
    if (key->key() == Qt::Key_Alt) {
        modifiers |= InputAlt;
    }
    const QByteArray text = key->text().toUtf8();
    if (vk == 0 && text.isEmpty()) {
        return true;
    }
    const bool autoRepeat = key->isAutoRepeat();
    ReportInput([&] { PlatformKey(vk, down, text.constData(), modifiers, autoRepeat); });
    return true;
}
