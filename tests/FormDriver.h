// A real Form1, shown and active, with its controls found by name: what the
// GUI tests share.
#pragma once

#include "Form1.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    // The focus in a box holding `text`, the caret at its end.
    QLineEdit* focusBox(const QString& name, const QString& text) {
        box(name)->setFocus();
        box(name)->setText(text);
        return box(name);
    }
    // One tick of the refresh cycle, as the timer delivers it.
    void tick() {
        QMetaObject::invokeMethod(form->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    }
    // A text put into a box as the toolkit's own editing would: no key.
    void edit(const QString& name, const QString& text) { box(name)->setText(text); }

    // Every view as "hex|dec|binary|KB|MB|GB"; "bits differ" when the 32 bit
    // buttons do not show the binary label's bits.
    QString views() {
        QString binary = form->findChild<QLabel*>(QStringLiteral("LableBin"))->text(), bits;
        for (int index = 31; index >= 0; --index)
            bits += bit(index)->text();
        if (bits != QString(binary).remove(u' ').rightJustified(32, u'0'))
            return QStringLiteral("bits differ: ") + bits;
        QStringList texts{box("TxtBoxHex")->text(), box("TxtBoxDec")->text(), binary};
        for (const char* name : {"txtKsize", "TxtMsize", "txtGsize"})
            texts << box(name)->text();
        return texts.join(u'|');
    }
};
