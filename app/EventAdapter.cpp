// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventAdapter.h"

#include "Controls.h"
#include "Form1.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace value::keys;
using Handler = Keystrokes::Handler;

// The virtual-key code of a key; 0 for keys no handler knows.
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

std::int16_t Modifiers(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>(
        (modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
        (modifiers & Qt::ControlModifier ? CtrlMask : 0) |
        (modifiers & Qt::AltModifier ? AltMask : 0) |
        (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
             ? Keystrokes::OtherMask
             : 0));
}

// The desktop's own clipboard and undo chords, which depend on its theme.
bool IsDesktopEditingChord(const QKeyEvent* event) {
    for (auto chord : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                       QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(chord))
            return true;
    }
    return false;
}

// The physical key: a release matches its press whatever modifiers changed.
quint32 KeyOf(const QKeyEvent* event) {
    return event->nativeScanCode() ? event->nativeScanCode() : static_cast<quint32>(event->key());
}

Keystrokes::FocusReason ReasonOf(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::PopupFocusReason:
        return Keystrokes::FocusReason::Popup;
    case Qt::ActiveWindowFocusReason:
        return Keystrokes::FocusReason::WindowDeactivated;
    default:
        return Keystrokes::FocusReason::Other;
    }
}

} // namespace

EventAdapter::EventAdapter(Form1* form) : QObject(form), form(form), model(form->keystrokes) {
    for (const auto& box : form->entryBoxes)
        form->Control(box)->installEventFilter(this);
    connect(form->Timer1, &QTimer::timeout, this, [this] { RunHandler(&Form1::Timer1_Timer); });
    connect(form->cmdOpt, &QPushButton::clicked, this,
            [this] { RunHandler(&Form1::cmdOpt_Click); });
    connect(form->BitButton, &QButtonGroup::idClicked, this,
            [this](int id) { BitClicked(static_cast<std::int16_t>(id)); });
}

template <typename Function> void EventAdapter::RunHandler(Function handler) {
    try {
        std::invoke(handler, form);
    } catch (const value::ArithmeticError& error) {
        qWarning("tavrin: %s; the views keep their texts", error.what());
    }
}

void EventAdapter::BitClicked(std::int16_t index) {
    RunAnswer(model.BeforeBitClick(BoxTexts()));
    RunHandler([index](Form1* f) { f->BitButton_Click(index); });
    RunAnswer(model.AfterBitClick());
}

// A KeyPress's character, as the handler leaves it, is inserted when it is
// printable, over the selection as typing does; one it cancels keeps the box
// from applying the key itself.
bool EventAdapter::RunAnswer(const Keystrokes::Answer& answer,
                             const std::function<void()>& beforeKeyUp) {
    bool cancelled = false;
    for (const Keystrokes::Call& call : answer.calls) {
        const auto& box = form->entryBoxes[static_cast<std::size_t>(call.box)];
        std::int16_t code = call.code, mask = call.mask;
        switch (call.handler) {
        case Handler::GotFocus:
            RunHandler(box.GotFocus);
            break;
        case Handler::LostFocus:
            RunHandler(box.LostFocus);
            break;
        case Handler::KeyPress:
            RunHandler([&](Form1* f) { std::invoke(box.KeyPress, f, code); });
            cancelled = cancelled || code == 0;
            if (code >= 0x20)
                form->Control(box)->insert(QString(QChar(static_cast<char16_t>(code))));
            break;
        case Handler::KeyUp:
            if (beforeKeyUp)
                beforeKeyUp();
            RunHandler([&](Form1* f) { std::invoke(box.KeyUp, f, code, mask); });
            break;
        }
    }
    return !answer.boxApplies || cancelled;
}

bool EventAdapter::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& row : form->entryBoxes) {
        QLineEdit* control = form->Control(row);
        if (control != watched)
            continue;
        const auto box = static_cast<Keystrokes::Box>(&row - form->entryBoxes.data());
        switch (event->type()) {
        case QEvent::KeyPress:
            return RunAnswer(model.Pressed(PressOf(box, static_cast<QKeyEvent*>(event))));
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            return RunAnswer(
                model.Released({box, KeyOf(key), VirtualKey(key), key->isAutoRepeat()}));
        }
        case QEvent::InputMethod:
            return InputMethod(box, static_cast<QInputMethodEvent*>(event));
        case QEvent::FocusIn:
            return RunAnswer(model.FocusIn(box));
        case QEvent::FocusOut:
            return RunAnswer(
                model.FocusOut(box, ReasonOf(static_cast<QFocusEvent*>(event)), TextOf(control)));
        default:
            return false;
        }
    }
    return false;
}

Keystrokes::Press EventAdapter::PressOf(Keystrokes::Box box, const QKeyEvent* event) const {
    const auto& row = form->entryBoxes[static_cast<std::size_t>(box)];
    return {.box = box,
            .key = KeyOf(event),
            .code = VirtualKey(event),
            .text = event->text().toStdU16String(),
            .modifiers = Modifiers(event->modifiers()),
            .autoRepeat = event->isAutoRepeat(),
            .desktopEditingChord = IsDesktopEditingChord(event),
            .boxText = TextOf(form->Control(row))};
}

// What the input method is still composing stays the box's own, shown before
// KeyUp takes the committed text up.
bool EventAdapter::InputMethod(Keystrokes::Box box, QInputMethodEvent* event) {
    QLineEdit* control = form->Control(form->entryBoxes[static_cast<std::size_t>(box)]);
    return RunAnswer(model.Committed(box, event->commitString().toStdU16String()), [&] {
        QInputMethodEvent composing(event->preeditString(), event->attributes());
        QCoreApplication::sendEvent(control, &composing);
    });
}

std::vector<Keystrokes::Text> EventAdapter::BoxTexts() const {
    std::vector<Keystrokes::Text> texts;
    for (const auto& box : form->entryBoxes)
        texts.push_back(TextOf(form->Control(box)));
    return texts;
}
