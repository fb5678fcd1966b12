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

class FormDriver {
  protected:
    std::unique_ptr<Form1> form;

    // A new window, active; its timer stopped, since the tests tick by hand.
    bool Start() {
        form = std::make_unique<Form1>();
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return false;
        find<QTimer>(QStringLiteral("Timer1"))->stop();
        QApplication::clipboard()->clear();
        return true;
    }

    template <typename Control = QLineEdit> Control* find(const QString& name) {
        auto* control = form->findChild<Control*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* box(const QString& name) { return find(name); }
    QPushButton* bit(int index) {
        return find<QPushButton>(QStringLiteral("BitButton(%1)").arg(index));
    }
    QString text(const QString& name) {
        if (auto* control = form->findChild<QLineEdit*>(name))
            return control->text();
        return find<QLabel>(name)->text();
    }
    QColor colour(const QString& name) { return box(name)->palette().color(QPalette::Base); }
    QString bitCaptions() {
        QString captions;
        for (int index = 31; index >= 0; --index)
            captions += bit(index)->text();
        return captions;
    }

    // One tick of the refresh cycle, as the timer delivers it.
    void tick() { QMetaObject::invokeMethod(find<QTimer>(QStringLiteral("Timer1")), "timeout"); }
    // A text put into a box as the toolkit's own editing would: no key.
    void edit(const QString& name, const QString& value) { box(name)->setText(value); }

    void expectViews(const QString& hex, const QString& dec, const QString& bin) {
        QCOMPARE(text("TxtBoxHex"), hex);
        QCOMPARE(text("TxtBoxDec"), dec);
        QCOMPARE(text("LableBin"), bin);
        QCOMPARE(bitCaptions(), QString(bin).remove(u' ').rightJustified(32, u'0'));
    }
    void expectSizes(const QString& k, const QString& m, const QString& g) {
        QCOMPARE(text("txtKsize"), k);
        QCOMPARE(text("TxtMsize"), m);
        QCOMPARE(text("txtGsize"), g);
    }
};
