// SPDX-License-Identifier: GPL-3.0-or-later
// The work each event costs on a real Form1, measured with QBENCHMARK: a key
// pressed and released in each of the five boxes (the release rewrites every
// view; the arrow key types nothing), a bit-button
// click, a tick that finds nothing to do, and a tick that runs each branch.
#include "Form1.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

class EventBench : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    bool Start() {
        form = std::make_unique<Form1>(nullptr, false); // ticked by hand
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    QLineEdit* box(const QString& name) { return form->findChild<QLineEdit*>(name); }
    QPushButton* bit(int index) {
        return form->findChild<QPushButton*>(QStringLiteral("BitButton(%1)").arg(index));
    }
    void tick() {
        QMetaObject::invokeMethod(form->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    }

    void pressAndRelease(QLineEdit* target) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void keystroke_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("TxtBoxHex") << "TxtBoxHex"
                                   << "0x12345678";
        QTest::newRow("TxtBoxDec") << "TxtBoxDec"
                                   << "305419896";
        QTest::newRow("txtKsize") << "txtKsize"
                                  << "298261";
        QTest::newRow("TxtMsize") << "TxtMsize"
                                  << "291";
        QTest::newRow("txtGsize") << "txtGsize"
                                  << "2";
    }
    void keystroke() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        box(name)->setFocus();
        box(name)->setText(text);
        QBENCHMARK {
            pressAndRelease(box(name));
        }
    }

    void bitClick() {
        QBENCHMARK {
            bit(13)->click();
        }
    }

    void tickWithNothingToDo() {
        QBENCHMARK {
            tick();
        }
    }

    void tickBranch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        QTest::newRow("TxtBoxHex") << "TxtBoxHex"
                                   << "0x12345678"
                                   << "0x12345679";
        QTest::newRow("TxtBoxDec") << "TxtBoxDec"
                                   << "305419896"
                                   << "305419897";
        QTest::newRow("txtKsize") << "txtKsize"
                                  << "298261"
                                  << "298262";
        QTest::newRow("TxtMsize") << "TxtMsize"
                                  << "291"
                                  << "292";
        QTest::newRow("txtGsize") << "txtGsize"
                                  << "2"
                                  << "3";
    }
    // Each round sets the box as the context menu would, then ticks once.
    void tickBranch() {
        QFETCH(QString, name);
        QFETCH(QString, one);
        QFETCH(QString, other);
        bool flip = false;
        QBENCHMARK {
            box(name)->setText((flip = !flip) ? one : other);
            tick();
        }
    }
};

QTEST_MAIN(EventBench)
#include "event_bench.moc"
