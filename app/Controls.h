// SPDX-License-Identifier: GPL-3.0-or-later
// The few control properties the handlers use, in the handlers' terms:
// texts as Text, colours as the system's named colours.
#pragma once

#include "BoxMarks.h"
#include "Value.h"

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace colours {
inline const QColor White{255, 255, 255};
inline const QColor LightCyan{128, 255, 255};
inline const QColor Red{255, 0, 0};
inline const QColor LightBlue{128, 128, 255};
} // namespace colours

inline value::Text TextOf(const QLineEdit* box) {
    return box->text().toStdU16String();
}
inline value::Text TextOf(const QLabel* label) {
    return label->text().toStdU16String();
}
inline value::Text TextOf(const QAbstractButton* button) {
    return button->text().toStdU16String();
}

template <typename Control> void SetText(Control* control, const value::Text& text) {
    control->setText(QString::fromStdU16String(text));
}

// A colour the program sets comes with the dark text it was chosen for, so
// that a dark desktop theme's light text never lands on it; without one the
// control keeps the desktop's own pair.
inline void SetColours(QWidget* control, QPalette::ColorRole background, QPalette::ColorRole text,
                       const QColor* colour) {
    QPalette palette = control->palette();
    const QPalette desktop = QGuiApplication::palette();
    palette.setColor(background, colour ? *colour : desktop.color(background));
    palette.setColor(text, colour ? QColor(Qt::black) : desktop.color(text));
    control->setPalette(palette);
}

// An entry box in a colour of its marks. Red says its text is refused, which
// a screen reader reads as the box's description; told, the reader hears of
// the change.
inline void PaintBox(QLineEdit* box, BoxMarks::Colour colour, bool readerTold = false) {
    using enum BoxMarks::Colour;
    const QColor* shown = colour == White       ? &colours::White
                          : colour == LightCyan ? &colours::LightCyan
                          : colour == Red       ? &colours::Red
                                                : nullptr;
    SetColours(box, QPalette::Base, QPalette::Text, shown);
    if (readerTold)
        box->setAccessibleDescription(colour == Red ? QStringLiteral("输入无效") : QString());
}

inline void ClearClipboard() {
    QGuiApplication::clipboard()->clear();
}
inline void SetClipboardText(const value::Text& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}
inline value::Text ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdU16String();
}
