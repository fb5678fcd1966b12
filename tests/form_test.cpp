// Drives a real Form1 with the mouse and the refresh cycle: start-up, the
// size-panel toggle, the bit buttons, the size fields.
#include "FormDriver.h"

class FormTest : public QObject, FormDriver {
    Q_OBJECT

    // Controls of the register panel lie wholly inside the client area; those
    // of the size panel wholly inside it when shown, wholly below it when not.
    void expectPanels(bool sizePanelShown) {
        for (auto* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool hidden = !sizePanelShown && control->y() >= 3840 / 15;
            QVERIFY2(hidden ? control->y() >= form->height()
                            : control->geometry().bottom() < form->height(),
                     qPrintable(control->objectName()));
        }
    }

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void startsCollapsedAtZero() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin V1.0"));
        QCOMPARE(button("cmdOpt")->text(), QStringLiteral("<<"));
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
        expectPanels(false);
        tick();
        QCOMPARE(views(), QStringLiteral("0x0|0|0|0|0|0"));
    }

    void toggleShowsAndHidesTheSizePanel() {
        edit("txtKsize", "12");
        QTest::mouseClick(button("cmdOpt"), Qt::LeftButton);
        QCOMPARE(button("cmdOpt")->text(), QStringLiteral(">>"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin (By Dorrik)"));
        expectPanels(true);
        QTest::mouseClick(button("cmdOpt"), Qt::LeftButton);
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin V1.0"));
        expectPanels(false);
        QCOMPARE(box("txtKsize")->text(), QStringLiteral("12"));
    }

    void bitClicksToggleOneBit() {
        const std::pair<int, const char*> clicks[] = {
            {5, "0x20|32|10 0000|0.0312|0.0000|0.0000"},
            {31, "0x80000020|2147483680|1000 0000 0000 0000 0000 0000 0010 "
                 "0000|2097152.0312|2048.0000|2.0000"},
            {31, "0x20|32|10 0000|0.0312|0.0000|0.0000"},
            {5, "0x0|0|0|0|0|0"}};
        for (const auto& [index, expected] : clicks) {
            QTest::mouseClick(bit(index), Qt::LeftButton);
            QCOMPARE(views(), QString::fromLatin1(expected));
        }
        edit("TxtBoxDec", "4294967295");
        tick();
        QTest::mouseClick(bit(0), Qt::LeftButton);
        QCOMPARE(views().section(u'|', 0, 2),
                 QStringLiteral("0xFFFFFFFE|4294967294|1111 1111 1111 1111 1111 1111 1111 1110"));
        QCOMPARE(bit(0)->palette().color(QPalette::Button),
                 QGuiApplication::palette().color(QPalette::Button));
        // The click left the backups behind; the next tick records them.
        tick();
        edit("TxtBoxHex", "zz");
        tick();
        QCOMPARE(box("TxtBoxHex")->text(), QStringLiteral("0xFFFFFFFE"));
    }

    // A text the refresh cycle refuses gets the click's value back, not the
    // value from before the click.
    void refusedTextAfterAClickKeepsTheClick() {
        QTest::mouseClick(bit(3), Qt::LeftButton);
        edit("TxtBoxHex", "0x8zz");
        tick();
        QCOMPARE(views(), QStringLiteral("0x8|8|1000|0.0078|0.0000|0.0000"));
    }

    void setBitShowsLightBlueFlat() {
        QTest::mouseClick(bit(7), Qt::LeftButton);
        const QImage face = bit(7)->grab().toImage();
        QCOMPARE(QColor(face.pixel(face.width() / 2, face.height() / 4)), QColor(128, 128, 255));
    }

    void refreshTakesUpAChangedBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("hex") << "TxtBoxHex" << " 0x1f " << " 0x1f |31|1 1111|0.0302|0.0000|0.0000";
        QTest::newRow("hex refused") << "TxtBoxHex" << "0x123456789" << "0x0|0|0|0|0|0";
        QTest::newRow("dec") << "TxtBoxDec" << "007" << "0x7|007|111|0.0068|0.0000|0.0000";
        QTest::newRow("dec refused") << "TxtBoxDec" << "00" << "0x0|0|0|0|0|0";
        QTest::newRow("dec emptied") << "TxtBoxDec" << "" << "0x0|0|0|0|0|0";
        QTest::newRow("K") << "txtKsize" << "1024" << "0x100000|1048576|1 0000 0000 0000 0000 0000|1024|1|0.0010";
        QTest::newRow("K half") << "txtKsize" << "32" << "0x8000|32768|1000 0000 0000 0000|32|0.0313|0.0000";
        QTest::newRow("K top") << "txtKsize" << "4194303" << "0xFFFFFC00|4294966272|1111 1111 1111 1111 1111 1100 0000 0000|4194303|4095.9990|4.0000";
        QTest::newRow("K refused") << "txtKsize" << "1.5" << "0x0|0|0|0|0|0";
        QTest::newRow("M") << "TxtMsize" << "4095" << "0xFFF00000|4293918720|1111 1111 1111 0000 0000 0000 0000 0000|4193280|4095|3.9990";
        QTest::newRow("G") << "txtGsize" << "3" << "0xC0000000|3221225472|1100 0000 0000 0000 0000 0000 0000 0000|3145728|3072|3";
        QTest::newRow("G refused") << "txtGsize" << "4" << "0x0|0|0|0|0|0";
        // clang-format on
    }
    void refreshTakesUpAChangedBox() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        edit(name, text);
        tick();
        QCOMPARE(views(), expected);
        // The hexadecimal box holds the focus, and so its colour, from the start.
        const bool coloured = name != "txtKsize" && expected != "0x0|0|0|0|0|0";
        if (name != "TxtBoxHex")
            QCOMPARE(colour(name) == QColor(128, 255, 255), coloured);
        if (name == "txtGsize" && coloured)
            QCOMPARE(form->focusWidget(), box(name));
        edit("TxtBoxHex", box("TxtBoxHex")->text()); // nothing left to do
        tick();
        QCOMPARE(views(), expected);
    }

    void refreshHandlesOneBoxATick() {
        edit("TxtBoxHex", "FF");
        edit("txtKsize", "7"); // overwritten, never validated
        tick();
        QCOMPARE(views(), QStringLiteral("FF|255|1111 1111|0.2490|0.0002|0.0000"));
        edit("TxtBoxHex", "G");
        edit("TxtBoxDec", "16");
        tick();
        QCOMPARE(views().left(6), QStringLiteral("FF|16|"));
        tick();
        QCOMPARE(views().left(8), QStringLiteral("0x10|16|"));
    }

    // Sizes are cut after four decimals, never rounded; whole ones stay whole.
    void sizeFieldsShowTheValue() {
        // clang-format off
        const std::pair<const char*, const char*> cases[] = {
            {"1", "0.0009|0.0000|0.0000"}, {"255", "0.2490|0.0002|0.0000"}, {"512", "0.5|0.0004|0.0000"},
            {"1536", "1.5|0.0014|0.0000"}, {"102400", "100|0.0976|0.0000"}, {"1048320", "1023.75|0.9997|0.0009"},
            {"16777216", "16384|16|0.0156"}, {"123456789", "120563.2705|117.7375|0.1149"},
            {"3221225472", "3145728|3072|3"}, {"4294967295", "4194303.9990|4095.9999|3.9999"}};
        // clang-format on
        for (const auto& [dec, sizes] : cases) {
            edit("TxtBoxDec", dec);
            tick();
            QCOMPARE(views().section(u'|', 3), QString::fromLatin1(sizes));
        }
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
