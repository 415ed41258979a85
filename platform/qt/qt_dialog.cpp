#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_gl.h"
#include "platform/qt/qt_icons.h"
#include "platform/qt/qt_state.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_window.h"

namespace {

constexpr int IconSize = 32;

QString ResourceText(const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); }

void ReportClicks(QAbstractButton* button, LayerTopWidget* top, HWND control) {
    QObject::connect(button, &QAbstractButton::clicked, top, [top, control] {
        if (top->Handle() == nullptr) {
            return;
        }
        ReportInput([control] { return PlatformControlClicked(control); });
    });
}

QLabel* MakeStaticText(const ControlDescription& control, QWidget* parent) {
    auto* label = new QLabel(StaticTextForDisplay(control.text, control.style), parent);
    label->setTextFormat(Qt::PlainText);
    const DWORD kind = control.style & SS_TYPEMASK;
    Qt::Alignment alignment = kind == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
    if ((control.style & SS_CENTERIMAGE) != 0) {
        alignment |= Qt::AlignVCenter;
    } else {
        alignment |= Qt::AlignTop;
        label->setWordWrap(true);
    }
    label->setAlignment(alignment);
    if ((control.style & SS_SUNKEN) != 0) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* MakeControl(const ControlDescription& control, LayerTopWidget* top) {
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new LayerPushButton(ResourceText(control.text), top);
            button->setAutoDefault(false);
            button->setDefault(control.kind == ControlKind::DefaultPushButton);
            ReportClicks(button, top, control.handle);
            return button;
        }
        case ControlKind::CheckBox: {
            auto* box = new LayerCheckBox(ResourceText(control.text), top);
            box->setChecked(control.checked);
            ReportClicks(box, top, control.handle);
            return box;
        }
        case ControlKind::GroupBox:
            return new LayerGroupBox(ResourceText(control.text), top);
        case ControlKind::StaticText:
            return MakeStaticText(control, top);
        case ControlKind::StaticIcon: {
            auto* label = new QLabel(top);
            if (control.icon != nullptr) {
                label->setPixmap(PixmapNearestSize(*control.icon, IconSize));
            }
            return label;
        }
    }
    return new QWidget(top);
}

QPoint ClientOrigin(const QtWindow* owner) {
    if (owner == nullptr) {
        return {0, 0};
    }
    if (owner->glContainer != nullptr) {
        return owner->glContainer->mapToGlobal(QPoint(0, 0));
    }
    return owner->top->mapToGlobal(QPoint(0, 0));
}

}  // namespace

QString StaticTextForDisplay(const char* text, DWORD style) {
    if (text == nullptr) {
        return {};
    }
    if ((style & SS_NOPREFIX) != 0) {
        return QString::fromUtf8(text);
    }
    std::string shown;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '&') {
            ++c;
            if (*c == '\0') {
                break;
            }
        }
        shown += *c;
    }
    return QString::fromStdString(shown);
}

QtWindow* CreateDialogWindow(const WindowDescription& description, const QtWindow* owner) {
    auto* window = new QtWindow;
    window->handle = description.handle;
    window->kind = WindowKind::Dialog;

    auto* top = new LayerTopWidget(description.handle);
    window->top = top;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((description.style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowCloseButtonHint;
    }
    top->setWindowFlags(flags);
    top->setWindowTitle(ResourceText(description.title));
    if (description.icon != nullptr) {
        top->setWindowIcon(QIconFromResource(*description.icon));
    }
    if (description.fontName != nullptr) {
        top->setFont(TemplateFont(description.fontName, description.fontPointSize));
    }

    window->controls.resize(description.controls.size());
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        const ControlDescription& source = description.controls[i];
        QtControl& control = window->controls[i];
        control.handle = source.handle;
        control.kind = source.kind;
        control.style = source.style;
        control.widget = MakeControl(source, top);
        // The core owns the focus; Qt must not move it on a click or a Tab.
        control.widget->setFocusPolicy(Qt::NoFocus);
        if (source.kind == ControlKind::StaticIcon) {
            control.widget->setGeometry(source.x, source.y, IconSize, IconSize);
        } else {
            control.widget->setGeometry(source.x, source.y, source.width, source.height);
        }
        if ((source.style & WS_VISIBLE) == 0) {
            control.widget->hide();
        }
        if ((source.style & WS_DISABLED) != 0) {
            control.widget->setEnabled(false);
        }
    }

    const QSize size(std::max(1, description.clientWidth), std::max(1, description.clientHeight));
    top->setFixedSize(size);
    top->setGeometry(QRect(ClientOrigin(owner) + QPoint(description.x, description.y), size));
    return window;
}

void SetDialogControlText(QtWindow& dialog, int controlIndex, const char* text) {
    if (controlIndex < 0 || static_cast<std::size_t>(controlIndex) >= dialog.controls.size()) {
        return;
    }
    const QtControl& control = dialog.controls[static_cast<std::size_t>(controlIndex)];
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::CheckBox:
            static_cast<QAbstractButton*>(control.widget)->setText(ResourceText(text));
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(control.widget)->setTitle(ResourceText(text));
            break;
        case ControlKind::StaticText:
            static_cast<QLabel*>(control.widget)->setText(StaticTextForDisplay(text, control.style));
            break;
        case ControlKind::StaticIcon:
            break;
    }
}

void SetDialogControlChecked(QtWindow& dialog, int controlIndex, bool checked) {
    if (controlIndex < 0 || static_cast<std::size_t>(controlIndex) >= dialog.controls.size()) {
        return;
    }
    const QtControl& control = dialog.controls[static_cast<std::size_t>(controlIndex)];
    if (control.kind == ControlKind::CheckBox) {
        static_cast<QCheckBox*>(control.widget)->setChecked(checked);
    }
}
