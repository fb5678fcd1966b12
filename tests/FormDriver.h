// A real Form1, shown and active, with its controls found by name, and the
// steps the GUI tests drive it with.
#pragma once

#include "Form1.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

inline const QColor LightCyan(128, 255, 255), Red(255, 0, 0), White(255, 255, 255);

class FormDriver {
  protected:
    std::unique_ptr<Form1> form;

    // A new window, active, its timer stopped: the tests tick by hand.
    bool Start() {
        form = std::make_unique<Form1>();
        form->show();
        form->activateWindow();
        form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QApplication::clipboard()->clear();
        return QTest::qWaitForWindowActive(form.get());
    }
    QLineEdit* box(const QString& name) { return form->findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) { return form->findChild<QPushButton*>(name); }
    QPushButton* bit(int index) { return button(QStringLiteral("BitButton(%1)").arg(index)); }
    QColor colour(const QString& name) { return box(name)->palette().color(QPalette::Base); }
    // One tick of the refresh cycle, as the timer delivers it.
    void tick() {
        QMetaObject::invokeMethod(form->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    }

    // Every view as "hex|dec|binary|KB|MB|GB"; "bits differ" when the 32 bit
    // buttons do not show the binary label's bits.
    QString views() {
        QString binary = form->findChild<QLabel*>(QStringLiteral("LableBin"))->text(), bits;
        for (int index = 31; index >= 0; --index)
            bits += bit(index)->text();
        if (bits != QString(binary).remove(u' ').rightJustified(32, u'0'))
            return QStringLiteral("bits differ: ") + bits;
        return QStringList{
            box("TxtBoxHex")->text(), box("TxtBoxDec")->text(), binary,
            box("txtKsize")->text(),  box("TxtMsize")->text(),  box("txtGsize")->text()}
            .join(u'|');
    }

    // One step. "BOX=TEXT" gives BOX the focus and TEXT, its [bracketed] part
    // selected; "edit BOX TEXT" sets a text without
    // a key; "menu BOX paste|cut|del|undo" as the context menu does; "type KEYS";
    // "key CHORD" pressed, then released where the focus went; "clip TEXT";
    // "commit TEXT" from an input method; "tick"; "click BIT|cmdOpt"; "away"
    // leaves the window and comes back. Checks: "= VIEWS", "colour BOX c|r|w",
    // "focus NAME", "panel shown|hidden", "clipboard TEXT", "title TEXT",
    // "face BIT #rrggbb" (a bit button's face), "read NAME=ROLE VALUE".
    void step(const QString& step) {
        const QString verb = step.section(u' ', 0, 0), rest = step.section(u' ', 1);
        const QString name = step.section(u' ', 1, 1), text = step.section(u' ', 2);
        const auto focused = [this] {
            return QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        };
        QWidget* focus = focused();
        if (step.contains(QRegularExpression("^\\w+="))) {
            QLineEdit* target = box(step.section(u'=', 0, 0));
            const QString given = step.section(u'=', 1);
            const int at = given.indexOf(u'[');
            target->setFocus();
            target->setText(QString(given).remove(QRegularExpression("[][]")));
            if (at >= 0)
                target->setSelection(at, given.indexOf(u']') - at - 1);
        } else if (verb == "edit") {
            box(name)->setText(text);
        } else if (verb == "menu") {
            // clang-format off
            static const QMap<QString, void (QLineEdit::*)()> edits{
                {"paste", &QLineEdit::paste}, {"cut", &QLineEdit::cut}, {"del", &QLineEdit::del}, {"undo", &QLineEdit::undo}};
            // clang-format on
            (box(name)->*edits[text])();
        } else if (verb == "type") { // a character beyond ASCII comes with no key code
            for (QChar c : rest)
                c.unicode() < 128
                    ? QTest::keyClick(focus, char(c.unicode()))
                    : QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(0), QString(c), {});
        } else if (verb == "key") {
            const QKeyCombination chord = QKeySequence(rest)[0];
            QTest::keyPress(focus, chord.key(), chord.keyboardModifiers());
            QTest::keyRelease(focused(), chord.key(), chord.keyboardModifiers());
        } else if (verb == "clip") {
            QApplication::clipboard()->setText(rest);
        } else if (verb == "commit") {
            QInputMethodEvent commit;
            commit.setCommitString(rest);
            QApplication::sendEvent(focus, &commit);
        } else if (verb == "tick") {
            tick();
        } else if (verb == "click") {
            QTest::mouseClick(rest == "cmdOpt" ? button(rest) : bit(rest.toInt()), Qt::LeftButton);
        } else if (verb == "away") {
            QWidget other;
            for (QWidget* window : {&other, static_cast<QWidget*>(form.get())}) {
                window->show();
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
            }
        } else { // a check of what the step names
            // clang-format off
            const QColor c = box(name) ? colour(name) : QColor();
            const bool shown = box("txtGsize")->geometry().bottom() < form->height() && box("txtKsize")->y() < form->height();
            const QImage face = bit(name.toInt())->grab().toImage();
            QString read = rest.section(u'=', 0, 0) + "="; // what a screen reader reads: role and value
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
            for (int i = 0; i < window->childCount(); ++i)
                if (window->child(i)->text(QAccessible::Name) == rest.section(u'=', 0, 0))
                    read += QString::number(window->child(i)->role()) + " " + window->child(i)->text(QAccessible::Value);
            const QMap<QString, QString> seen{{"=", views()}, {"focus", focus->objectName()},
                {"clipboard", QApplication::clipboard()->text()}, {"panel", shown ? "shown" : "hidden"},
                {"title", form->windowTitle() + " " + button("cmdOpt")->text()},
                {"colour", name + " " + (c == LightCyan ? "c" : c == Red ? "r" : c == White ? "w" : "?")}, {"read", read},
                {"face", name + " " + QColor(face.pixel(face.width() / 2, face.height() / 4)).name()}};
            // clang-format on
            QCOMPARE(seen.value(verb), rest);
        }
    }
};
