#include "tests/hardening/random_actions.h"

#include <iterator>
#include <sstream>

#include "geometry/selection.h"
#include "platform/headless/headless.h"
#include "resources/ids.h"
#include "tests/hardening/session_checks.h"

namespace {

// clang-format off
constexpr WORD ViewKeys[] = {
    VK_PRIOR, VK_NEXT, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE,
    '6', '7', '8', '9', 'H', 'I', 'J', 'K', 'L', 'O', 'U', 'Y',
};
// Keys a person may well press that the key table does not know.
constexpr WORD OtherKeys[] = {
    VK_END, VK_INSERT, VK_TAB, VK_SPACE, VK_RETURN, VK_ESCAPE, VK_BACK,
    '0', '1', '2', '3', '4', '5',
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'M', 'N', 'P', 'Q', 'R', 'S', 'T', 'V', 'W', 'X', 'Z',
};
// The menu commands other than the exit, which ends the run.
constexpr UINT Commands[] = {
    CommandAbout, CommandTileSelector, CommandTileSelector, CommandStep1, CommandStep2, CommandStep5,
    CommandBackBlack, CommandBackGrey25, CommandBackGrey75,
};
// Client sizes, the empty ones as when the window is minimised. Mostly
// small: every frame is read back from the driver, and the sizes change
// nothing the person is checked on but the aspect.
struct ClientSize {
    int width, height;
};
constexpr ClientSize Sizes[] = {
    {512, 512}, {400, 300}, {300, 400}, {256, 128}, {64, 64}, {1, 1},
    {512, 0}, {0, 512}, {0, 0}, {1024, 8},
};
// clang-format on

template <typename T, std::size_t N>
T Pick(std::mt19937_64& random, const T (&table)[N]) {
    return table[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

int Between(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(std::mt19937_64& random, double p) { return std::bernoulli_distribution(p)(random); }

// The text a key types, as the keyboard gives it with these modifiers.
std::string TextOf(WORD vk, unsigned modifiers) {
    if (vk >= 'A' && vk <= 'Z') {
        if ((modifiers & ControlKey) != 0) return std::string(1, static_cast<char>(vk & 0x1F));
        return std::string(1, static_cast<char>((modifiers & ShiftKey) != 0 ? vk : vk - 'A' + 'a'));
    }
    if (vk >= '0' && vk <= '9' && (modifiers & (ShiftKey | ControlKey)) == 0) return std::string(1, char(vk));
    if (vk == VK_SPACE) return " ";
    if (vk == VK_RETURN) return "\r";
    if (vk == VK_TAB) return "\t";
    if (vk == VK_ESCAPE) return "\x1b";
    if (vk == VK_BACK) return "\b";
    return "";
}

Action KeyAction(WORD vk, unsigned modifiers, int repeats) {
    Action a;
    a.kind = ActionKind::Key;
    a.vk = vk;
    a.modifiers = modifiers;
    a.text = TextOf(vk, modifiers);
    a.repeats = repeats;
    return a;
}

int Repeats(std::mt19937_64& random, double p, int most) { return Chance(random, p) ? Between(random, 1, most) : 0; }

unsigned PlainModifiers(std::mt19937_64& random) {
    const int r = Between(random, 0, 99);
    return r < 80 ? NoModifier : r < 92 ? ShiftKey : ControlKey;
}

// A key with Alt: letters (the menu mnemonics among them), keys of the
// table, F-keys. Never "?" or "/": those open the About box.
Action AltKeyAction(std::mt19937_64& random) {
    const int r = Between(random, 0, 2);
    WORD vk = r == 0 ? static_cast<WORD>(Between(random, 'A', 'Z'))
                     : r == 1 ? Pick(random, ViewKeys) : static_cast<WORD>(VK_F1 + Between(random, 0, 11));
    return KeyAction(vk, AltKey | (Chance(random, 0.1) ? ShiftKey : 0u), Repeats(random, 0.05, 5));
}

// Any key but Alt ones, as a person hitting the keyboard would press.
Action AnyKeyAction(std::mt19937_64& random) {
    const int r = Between(random, 0, 99);
    if (r < 61) return KeyAction(Pick(random, ViewKeys), PlainModifiers(random), Repeats(random, 0.15, 40));
    // A key held down for many seconds: the clip plane reaches its far end.
    if (r < 62) return KeyAction(Pick(random, ViewKeys), NoModifier, Between(random, 200, 1200));
    if (r < 72) return KeyAction(Pick(random, OtherKeys), PlainModifiers(random), Repeats(random, 0.05, 10));
    if (r < 78) return KeyAction(static_cast<WORD>(VK_NUMPAD0 + Between(random, 0, 9)), NoModifier, 0);
    if (r < 84) return KeyAction(static_cast<WORD>(VK_F1 + Between(random, 0, 11)), PlainModifiers(random), 0);
    // Whatever code a keyboard might send, the table's own included.
    if (r < 88) return KeyAction(static_cast<WORD>(Between(random, 0x01, 0xFE)), NoModifier, 0);
    return AltKeyAction(random);
}

Action AltQuestionMark(std::mt19937_64& random) {
    Action a = KeyAction(VK_OEM_2, AltKey, 0);
    if (Chance(random, 0.5)) {
        a.modifiers |= ShiftKey;
        a.text = "?";
    } else {
        a.text = "/";
    }
    return a;
}

// The dialog keys, for a dialog that has the focus.
Action DialogKeyAction(std::mt19937_64& random) {
    const int r = Between(random, 0, 99);
    if (r < 35) return KeyAction(VK_TAB, Chance(random, 0.25) ? ShiftKey : NoModifier, Repeats(random, 0.2, 100));
    if (r < 55) return KeyAction(VK_SPACE, NoModifier, Repeats(random, 0.1, 5));
    if (r < 61) return KeyAction(VK_RETURN, NoModifier, Repeats(random, 0.1, 3));
    if (r < 65) return KeyAction(VK_ESCAPE, NoModifier, Repeats(random, 0.1, 3));
    return AnyKeyAction(random);
}

Action Simple(ActionKind kind) {
    Action a;
    a.kind = kind;
    return a;
}

Action MenuAction(std::mt19937_64& random) {
    Action a = Simple(ActionKind::MenuClick);
    a.command = Pick(random, Commands);
    return a;
}

Action SelectorClickAction(int control) {
    Action a = Simple(ActionKind::SelectorClick);
    a.control = control;
    return a;
}

Action ResizeAction(std::mt19937_64& random) {
    const ClientSize size = Pick(random, Sizes);
    Action a = Simple(ActionKind::Resize);
    a.width = size.width;
    a.height = size.height;
    return a;
}

enum Choice {
    KeyBurst,
    OneKey,
    AltAbout,
    Menu,
    PopupClose,
    TileBox,
    PresetButton,
    SelectorOk,
    SelectorCloseBox,
    MainClient,
    Resize,
    AboutOk,
    AboutCloseBox,
    MainCloseAttempt,
    End,
    ChoiceCount
};

// How often a person does what, for where the focus is.
std::discrete_distribution<int> Weights(const SessionModel& m, bool mayEnd) {
    double w[ChoiceCount] = {};
    w[Menu] = 8;
    w[PopupClose] = 1;
    w[TileBox] = 6;
    w[PresetButton] = 3;
    w[SelectorOk] = 3;
    w[SelectorCloseBox] = 2;
    w[MainClient] = 2;
    w[Resize] = 2;
    if (m.aboutOpen) {
        w[OneKey] = 30;
        w[AboutOk] = 5;
        w[AboutCloseBox] = 5;
        w[MainCloseAttempt] = 1;  // refused: the main window is disabled
    } else if (m.focus.kind == FocusKind::SelectorControl) {
        w[OneKey] = 50;
        w[MainClient] = 6;
        w[End] = mayEnd ? 0.02 : 0;
    } else {
        w[KeyBurst] = 60;
        w[AltAbout] = 1;
        w[End] = mayEnd ? 0.02 : 0;
    }
    return std::discrete_distribution<int>(std::begin(w), std::end(w));
}

}  // namespace

std::string Describe(const Action& a) {
    std::ostringstream text;
    switch (a.kind) {
        case ActionKind::Key:
            text << "key 0x" << std::hex << a.vk << std::dec;
            if (a.modifiers & ShiftKey) text << " +Shift";
            if (a.modifiers & ControlKey) text << " +Ctrl";
            if (a.modifiers & AltKey) text << " +Alt";
            if (a.repeats > 0) text << " x" << (a.repeats + 1);
            break;
        case ActionKind::MenuClick: text << "menu " << a.command; break;
        case ActionKind::PopupClose: text << "close menu pop-up"; break;
        case ActionKind::SelectorClick: text << "click selector " << a.control; break;
        case ActionKind::SelectorClose: text << "selector close box"; break;
        case ActionKind::AboutOkClick: text << "About OK"; break;
        case ActionKind::AboutClose: text << "About close box"; break;
        case ActionKind::MainClientClick: text << "click main window"; break;
        case ActionKind::MainClose: text << "main close box"; break;
        case ActionKind::Resize: text << "resize " << a.width << "x" << a.height; break;
    }
    return text.str();
}

bool Expect(SessionModel& m, const Action& a) {
    switch (a.kind) {
        case ActionKind::Key: ExpectKey(m, a.vk, a.text.c_str(), a.modifiers, a.repeats); return true;
        case ActionKind::MenuClick: return ExpectMenuClick(m, a.command);
        case ActionKind::PopupClose: m.openPopup.clear(); return true;
        case ActionKind::SelectorClick: return ExpectSelectorClick(m, a.control);
        case ActionKind::SelectorClose: return ExpectSelectorCloseBox(m);
        case ActionKind::AboutOkClick:
        case ActionKind::AboutClose: return ExpectAboutClose(m);
        case ActionKind::MainClientClick: return ExpectMainClientClick(m);
        case ActionKind::MainClose: return ExpectMainCloseBox(m);
        case ActionKind::Resize: ExpectResize(m, a.width, a.height); return true;
    }
    return false;
}

bool Perform(const Action& a) {
    switch (a.kind) {
        case ActionKind::Key: HeadlessPressKey(a.vk, a.text.c_str(), a.modifiers, a.repeats); return true;
        case ActionKind::MenuClick: return HeadlessClickMenuItem(ViewerWindow(), a.command);
        case ActionKind::PopupClose: HeadlessCloseMenuPopup(ViewerWindow()); return true;
        case ActionKind::SelectorClick: return HeadlessClickDialogItem(SelectorWindow(), a.control);
        case ActionKind::SelectorClose: return HeadlessClickCloseBox(SelectorWindow());
        case ActionKind::AboutOkClick: return HeadlessClickDialogItem(AboutWindow(), IDOK);
        case ActionKind::AboutClose: return HeadlessClickCloseBox(AboutWindow());
        case ActionKind::MainClientClick: return HeadlessClickClient(ViewerWindow());
        case ActionKind::MainClose: return HeadlessClickCloseBox(ViewerWindow());
        case ActionKind::Resize: return HeadlessResizeClient(ViewerWindow(), a.width, a.height);
    }
    return false;
}

std::vector<Action> DrawStep(std::mt19937_64& random, const SessionModel& m, bool mayEnd) {
    switch (Weights(m, mayEnd)(random)) {
        case KeyBurst: {
            std::vector<Action> burst(static_cast<std::size_t>(Between(random, 1, 16)));
            for (Action& a : burst) a = AnyKeyAction(random);
            return burst;
        }
        case OneKey: return {DialogKeyAction(random)};
        case AltAbout: return {AltQuestionMark(random)};
        case Menu: return {MenuAction(random)};
        case PopupClose: return {Simple(ActionKind::PopupClose)};
        case TileBox: return {SelectorClickAction(FirstTileBox + Between(random, 0, TileCount - 1))};
        case PresetButton: return {SelectorClickAction(FirstPresetButton + Between(random, 0, PresetCount - 1))};
        case SelectorOk: return {SelectorClickAction(IDOK)};
        case SelectorCloseBox: return {Simple(ActionKind::SelectorClose)};
        case MainClient: return {Simple(ActionKind::MainClientClick)};
        case Resize: return {ResizeAction(random)};
        case AboutOk: return {Simple(ActionKind::AboutOkClick)};
        case AboutCloseBox: return {Simple(ActionKind::AboutClose)};
        case MainCloseAttempt: return {Simple(ActionKind::MainClose)};
        case End: return {DrawEnding(random, m)};
        default: return {};
    }
}

Action DrawEnding(std::mt19937_64& random, const SessionModel& m) {
    if (m.aboutOpen) return Simple(Chance(random, 0.5) ? ActionKind::AboutOkClick : ActionKind::AboutClose);
    if (Chance(random, 0.5)) return Simple(ActionKind::MainClose);
    Action a = Simple(ActionKind::MenuClick);
    a.command = CommandExit;
    return a;
}
