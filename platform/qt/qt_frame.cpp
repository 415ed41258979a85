#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/qt_gl.h"
#include "platform/qt/qt_icons.h"
#include "platform/qt/qt_state.h"
#include "platform/qt/qt_window.h"

namespace {

QString MenuText(const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); }

void ConnectMenuItem(QtWindow* window, int entryIndex) {
    LayerTopWidget* top = window->top;
    QtMenuEntry& entry = window->menu[static_cast<std::size_t>(entryIndex)];
    QObject::connect(entry.action, &QAction::triggered, top, [top, window, entryIndex] {
        // A dead window's record is gone; its widgets linger until freed.
        const HWND handle = top->Handle();
        if (handle == nullptr) {
            return;
        }
        // Qt toggled a checkable item on its own; the core owns the mark.
        const QtMenuEntry& chosen = window->menu[static_cast<std::size_t>(entryIndex)];
        chosen.action->setChecked(chosen.checked);
        const UINT command = chosen.command;
        ReportInput([handle, command] { return PlatformMenuItemChosen(handle, command); });
    });
}

// A bar pop-up closing, chosen from or not, leaves the bar idle; the core
// must hear it, or the same Alt+mnemonic would never open it again.
void ConnectMenuClosed(QtWindow* window, QMenu* menu) {
    LayerTopWidget* top = window->top;
    QObject::connect(menu, &QMenu::aboutToHide, top, [top] {
        const HWND handle = top->Handle();
        if (handle == nullptr) {
            return;
        }
        ReportInput([handle] {
            PlatformMenuClosed(handle);
            return true;
        });
    });
}

// Builds the bar from the flat list. Entries deeper than any open pop-up
// have no place and are left out, as are pop-ups with no text.
void BuildMenuBar(QtWindow* window, std::span<const MenuEntry> entries) {
    window->menu.resize(entries.size());
    // open[d] is the pop-up that takes entries of depth d + 1; the bar takes depth 0.
    std::vector<QMenu*> open;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& source = entries[i];
        QtMenuEntry& entry = window->menu[i];
        entry.kind = source.kind;
        entry.depth = source.depth;
        entry.command = source.id;
        if (source.depth > open.size()) {
            continue;
        }
        open.resize(source.depth);
        QMenu* parent = source.depth == 0 ? nullptr : open[source.depth - 1u];
        switch (source.kind) {
            case MenuEntryKind::Popup:
                entry.menu = parent == nullptr ? window->menuBar->addMenu(MenuText(source.text))
                                               : parent->addMenu(MenuText(source.text));
                entry.action = entry.menu->menuAction();
                if (parent == nullptr) ConnectMenuClosed(window, entry.menu);
                open.push_back(entry.menu);
                break;
            case MenuEntryKind::Item:
                entry.action = parent == nullptr ? window->menuBar->addAction(MenuText(source.text))
                                                 : parent->addAction(MenuText(source.text));
                ConnectMenuItem(window, static_cast<int>(i));
                break;
            case MenuEntryKind::Separator:
                entry.action =
                    parent == nullptr ? window->menuBar->addSeparator() : parent->addSeparator();
                break;
        }
    }
}

}  // namespace

QtWindow* CreateFrame(const WindowDescription& description) {
    auto* window = new QtWindow;
    window->handle = description.handle;
    window->kind = WindowKind::Frame;
    const int clientWidth = std::max(1, description.clientWidth);
    const int clientHeight = std::max(1, description.clientHeight);

    auto* top = new LayerTopWidget(description.handle);
    window->top = top;
    top->setWindowTitle(MenuText(description.title));
    if (description.icon != nullptr) {
        top->setWindowIcon(QIconFromResource(*description.icon));
    }
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    int menuHeight = 0;
    if (!description.menu.empty()) {
        window->menuBar = new QMenuBar(top);
        window->menuBar->setFocusPolicy(Qt::NoFocus);
        BuildMenuBar(window, description.menu);
        // The height the metrics report, so that the client area comes out
        // exactly as the program computed it.
        menuHeight = QtState().menuBarHeight;
        window->menuBar->setFixedHeight(menuHeight);
        layout->setMenuBar(window->menuBar);
    }

    window->gl = new GLClientWindow(description.handle, clientWidth, clientHeight);
    top->gl = window->gl;
    window->glContainer = QWidget::createWindowContainer(window->gl, top);
    window->glContainer->setFocusPolicy(Qt::NoFocus);
    window->glContainer->setMinimumSize(1, 1);
    layout->addWidget(window->glContainer);

    top->resize(clientWidth, clientHeight + menuHeight);
    if ((description.style & WS_THICKFRAME) == 0) {
        top->setFixedSize(clientWidth, clientHeight + menuHeight);
    }
    if (!description.defaultPosition) {
        top->move(description.x, description.y);
    }
    return window;
}

void SetMenuEntryLook(QtWindow& window, int entryIndex, const char* text, bool radioForm,
                      bool checked) {
    if (entryIndex < 0 || static_cast<std::size_t>(entryIndex) >= window.menu.size()) {
        return;
    }
    QtMenuEntry& entry = window.menu[static_cast<std::size_t>(entryIndex)];
    if (entry.kind != MenuEntryKind::Item || entry.action == nullptr) {
        return;
    }
    if (text != nullptr) {
        entry.action->setText(QString::fromUtf8(text));
    }
    if (radioForm) {
        // A group of its own gives the radio look without Qt unchecking
        // other items: the core decides every mark.
        if (entry.radioGroup == nullptr) {
            entry.radioGroup = new QActionGroup(window.top);
            entry.radioGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            entry.radioGroup->addAction(entry.action);
        }
        entry.action->setCheckable(true);
    } else {
        if (entry.radioGroup != nullptr) {
            entry.radioGroup->removeAction(entry.action);
            delete entry.radioGroup;
            entry.radioGroup = nullptr;
        }
        entry.action->setCheckable(checked);
    }
    entry.action->setChecked(checked);
    entry.radioForm = radioForm;
    entry.checked = checked;
}

void OpenMenuEntry(QtWindow& window, int entryIndex) {
    if (window.menuBar == nullptr || entryIndex < 0 ||
        static_cast<std::size_t>(entryIndex) >= window.menu.size()) {
        return;
    }
    // The bar's pop-up that holds the entry: the nearest depth-0 entry at or before it.
    int barEntry = entryIndex;
    while (barEntry > 0 && window.menu[static_cast<std::size_t>(barEntry)].depth > 0) {
        --barEntry;
    }
    const QtMenuEntry& head = window.menu[static_cast<std::size_t>(barEntry)];
    if (head.kind != MenuEntryKind::Popup || head.action == nullptr) {
        return;
    }
    window.top->activateWindow();
    window.menuBar->setActiveAction(head.action);
    if (barEntry == entryIndex) {
        return;
    }
    // A deeper entry: highlight it in the pop-up that holds it.
    const QtMenuEntry& target = window.menu[static_cast<std::size_t>(entryIndex)];
    for (int i = entryIndex - 1; i >= barEntry; --i) {
        const QtMenuEntry& candidate = window.menu[static_cast<std::size_t>(i)];
        if (candidate.depth == target.depth - 1 && candidate.kind == MenuEntryKind::Popup) {
            if (candidate.menu != nullptr && target.action != nullptr) {
                candidate.menu->setActiveAction(target.action);
            }
            return;
        }
    }
}
