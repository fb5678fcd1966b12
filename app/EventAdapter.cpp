// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventAdapter.h"

#include "Form1.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

using namespace value::keys;

// The virtual-key code of a released key; 0 for keys no handler knows.
std::int16_t VirtualKey(const QKeyEvent* event) {
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::int16_t>(key); // the same codes: 65 to 90, 48 to 57
    static const std::pair<int, std::int16_t> named[] = {
        {Qt::Key_Backspace, Backspace}, {Qt::Key_Tab, Tab},           {Qt::Key_Return, Enter},
        {Qt::Key_Enter, Enter},         {Qt::Key_Shift, ShiftKey},    {Qt::Key_Control, ControlKey},
        {Qt::Key_Alt, AltKey},          {Qt::Key_Escape, Escape},     {Qt::Key_Space, Space},
        {Qt::Key_PageUp, PageUp},       {Qt::Key_PageDown, PageDown}, {Qt::Key_End, End},
        {Qt::Key_Home, Home},           {Qt::Key_Left, Left},         {Qt::Key_Up, Up},
        {Qt::Key_Right, Right},         {Qt::Key_Down, Down},         {Qt::Key_Insert, Insert},
        {Qt::Key_Delete, Delete}};
    for (const auto& [qtKey, code] : named) {
        if (qtKey == key)
            return code;
    }
    return 0;
}

std::int16_t ModifierMask(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
                                     (modifiers & Qt::ControlModifier ? CtrlMask : 0) |
                                     (modifiers & Qt::AltModifier ? AltMask : 0));
}

// The toolkit's own clipboard and undo chords: only the handlers copy and
// paste, at the key's release.
bool IsEditingChord(QKeyEvent* event) {
    for (auto chord : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                       QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(chord))
            return true;
    }
    const auto combination = event->keyCombination();
    return combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Insert) ||
           combination == QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert) ||
           combination == QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete);
}

// The control characters a key press types, as the handlers see them;
// other keys type their text.
char16_t ControlCharacter(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    default:
        return 0;
    }
}

bool IsPrintable(const QString& text) {
    return !text.isEmpty() && text[0].unicode() >= 0x20 && text[0].unicode() != 0x7F;
}

// The physical key: a release matches its press whatever modifiers changed.
quint32 KeyOf(const QKeyEvent* event) {
    return event->nativeScanCode() ? event->nativeScanCode() : static_cast<quint32>(event->key());
}

} // namespace

EventAdapter::EventAdapter(Form1* form) : QObject(form), form(form) {
    for (const Box& box : form->EntryBoxes)
        box.control->installEventFilter(this);
    connect(form->Timer1, &QTimer::timeout, this, [this] { Run(&Form1::Timer1_Timer); });
    connect(form->cmdOpt, &QPushButton::clicked, this, [this] { Run(&Form1::cmdOpt_Click); });
    // A bit click ends every keystroke, and leaves the focus where it was: a
    // size box that keeps it is entered anew, its new size selected.
    connect(form->BitButton, &QButtonGroup::idClicked, this, [this](int id) {
        for (const Box& box : this->form->EntryBoxes)
            EndKeystrokes(box);
        Run([id](Form1* f) { f->BitButton_Click(static_cast<std::int16_t>(id)); });
        for (const Box& box : this->form->EntryBoxes) {
            if (box.control == focused && box.InSizePanel())
                Run(box.GotFocus);
        }
    });
}

template <typename Handler> void EventAdapter::Run(Handler handler) {
    try {
        std::invoke(handler, form);
    } catch (const value::ArithmeticError& error) {
        qWarning("tavrin: %s; the views keep their texts", error.what());
    }
}

bool EventAdapter::IsKeyDown(const QLineEdit* box) const {
    return std::any_of(keystrokes.begin(), keystrokes.end(),
                       [box](const Keystroke& k) { return k.box->control == box; });
}

bool EventAdapter::eventFilter(QObject* watched, QEvent* event) {
    for (const Box& box : form->EntryBoxes) {
        if (box.control != watched)
            continue;
        switch (event->type()) {
        case QEvent::KeyPress:
            return KeyPress(box, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            KeyUp(box, static_cast<QKeyEvent*>(event));
            return false;
        case QEvent::InputMethod:
            return InputMethod(box, static_cast<QInputMethodEvent*>(event));
        case QEvent::FocusIn:
            FocusIn(box);
            return false;
        case QEvent::FocusOut: {
            EndKeystrokes(box);
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                FocusOut(box);
            return false;
        }
        default:
            return false;
        }
    }
    return false;
}

// Returns true when the box must not see the key press itself. Ctrl or Alt
// with a printable key types nothing (Alt+1 is no "1").
bool EventAdapter::KeyPress(const Box& box, QKeyEvent* event) {
    if (!event->isAutoRepeat()) // opened first: Enter, moving the focus, ends it at once
        keystrokes.push_back(
            {&box, KeyOf(event), ModifierMask(event->modifiers()), box.control->text()});
    const QString text = event->text();
    if (IsEditingChord(event)) {
        // Ctrl+C, Ctrl+V and Ctrl+X still type their control character.
        if (text.size() == 1 && text[0].unicode() < 0x20)
            Type(box, text);
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) && IsPrintable(text))
        return true;
    if (const char16_t control = ControlCharacter(event); control == Backspace) {
        auto code = static_cast<std::int16_t>(Backspace);
        Run([&](Form1* f) { std::invoke(box.KeyPress, f, code); });
        return code != Backspace; // an accepted Backspace is the box's to apply
    } else if (control != 0) {
        Type(box, QString(QChar(control)));
        return true;
    }
    if (!IsPrintable(text))
        return false; // arrows, Delete, Ctrl+A: the box's own
    Type(box, text);
    return true;
}

// A character beyond 16 bits (a surrogate pair) is one refused character.
void EventAdapter::Type(const Box& box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        auto code = static_cast<std::int16_t>(text[i].unicode());
        Run([&](Form1* f) { std::invoke(box.KeyPress, f, code); });
        if (code >= 0x20)
            box.control->insert(QString(QChar(static_cast<char16_t>(code))));
    }
}

// Only the release that ends a keystroke of the box runs its KeyUp, with the
// modifiers held when the key went down: not a key that went down elsewhere
// (Enter or Tab that moved the focus here), nor one whose keystroke ended.
void EventAdapter::KeyUp(const Box& box, QKeyEvent* event) {
    const auto ends = [&](const Keystroke& k) { return k.box == &box && k.key == KeyOf(event); };
    const auto keystroke = std::find_if(keystrokes.begin(), keystrokes.end(), ends);
    if (event->isAutoRepeat() || keystroke == keystrokes.end())
        return;
    std::int16_t code = VirtualKey(event);
    std::int16_t mask = keystroke->mask;
    keystrokes.erase(keystroke);
    Run([&](Form1* f) { std::invoke(box.KeyUp, f, code, mask); });
}

void EventAdapter::EndKeystrokes(const Box& box) {
    bool changed = false;
    std::erase_if(keystrokes, [&](const Keystroke& k) {
        changed = changed || (k.box == &box && k.before != box.control->text());
        return k.box == &box;
    });
    std::int16_t code = 0, mask = 0;
    if (changed)
        Run([&](Form1* f) { std::invoke(box.KeyUp, f, code, mask); });
}

// An input method's committed text is one keystroke: its characters go
// through KeyPress one at a time, then KeyUp takes them up. What it is still
// composing stays the box's own.
bool EventAdapter::InputMethod(const Box& box, QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty())
        return false;
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    Type(box, committed);
    QCoreApplication::sendEvent(box.control, &composing);
    std::int16_t code = 0, mask = 0;
    Run([&](Form1* f) { std::invoke(box.KeyUp, f, code, mask); });
    return true;
}

void EventAdapter::FocusIn(const Box& box) {
    if (focused == box.control)
        return; // back from an inactive window or a context menu
    if (focused) {
        for (const Box& previous : form->EntryBoxes) {
            if (previous.control == focused)
                FocusOut(previous);
        }
    }
    focused = box.control;
    Run(box.GotFocus);
}

void EventAdapter::FocusOut(const Box& box) {
    if (focused != box.control)
        return;
    focused = nullptr;
    Run(box.LostFocus);
}
