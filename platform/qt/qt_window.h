// The Qt backend's record of one top-level window and the widgets that show
// it.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/backend.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class GLClientWindow;

// One entry of a menu bar, at the same index as in the window description.
struct QtMenuEntry {
    MenuEntryKind kind = MenuEntryKind::Separator;
    int depth = 0;
    UINT command = 0;
    QAction* action = nullptr;  // an item's action or a pop-up's menu action; null when skipped
    QMenu* menu = nullptr;      // pop-ups only
    QActionGroup* radioGroup = nullptr;  // while the item has the radio form
    bool radioForm = false;              // the look the core gave last
    bool checked = false;
};

struct QtControl {
    HWND handle = nullptr;
    ControlKind kind = ControlKind::StaticText;
    DWORD style = 0;
    QWidget* widget = nullptr;
};

// The top-level widget of a frame or a dialog. Its close box is reported to
// the core, which decides whether the window goes.
class LayerTopWidget : public QWidget {
public:
    explicit LayerTopWidget(HWND handle);
    void Forget() { handle_ = nullptr; }
    HWND Handle() const { return handle_; }
    GLClientWindow* gl = nullptr;  // frames only

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    HWND handle_;
};

struct QtWindow {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Frame;
    LayerTopWidget* top = nullptr;
    // Frames
    QMenuBar* menuBar = nullptr;
    std::vector<QtMenuEntry> menu;
    GLClientWindow* gl = nullptr;
    QWidget* glContainer = nullptr;
    // Dialogs
    std::vector<QtControl> controls;
    QWidget* owner = nullptr;  // the owner's top-level widget, for stacking
};

// The core holds backend windows and contexts as opaque pointers; these are
// the only conversions between them and the Qt records.
inline QtWindow* AsQt(BackendWindow* window) { return reinterpret_cast<QtWindow*>(window); }
inline BackendWindow* AsBackend(QtWindow* window) { return reinterpret_cast<BackendWindow*>(window); }

// Frames: qt_frame.cpp
QtWindow* CreateFrame(const WindowDescription& description);
void SetMenuEntryLook(QtWindow& window, int entryIndex, const char* text, bool radioForm,
                      bool checked);
void OpenMenuEntry(QtWindow& window, int entryIndex);

// Dialogs: qt_dialog.cpp
QtWindow* CreateDialogWindow(const WindowDescription& description, const QtWindow* owner);
void SetDialogControlText(QtWindow& dialog, int controlIndex, const char* text);
void SetDialogControlChecked(QtWindow& dialog, int controlIndex, bool checked);
// The text a static shows for a resource text: "&&" is "&", a single "&"
// marks the mnemonic and is not shown, unless SS_NOPREFIX.
QString StaticTextForDisplay(const char* text, DWORD style);
