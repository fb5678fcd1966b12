// Walks the accessibility tree of a real Form1, as a screen reader would.
#include "FormDriver.h"

#include <QAccessible>

class AccessibilityTest : public QObject, FormDriver {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(Start()); }
    void cleanup() { form.reset(); }

    void everyViewHasANameRoleAndValue() {
        QTest::mouseClick(bit(5), Qt::LeftButton);
        QMap<QString, QString> found; // name -> "role value"
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            found[child->text(QAccessible::Name)] =
                QStringLiteral("%1 %2").arg(child->role()).arg(child->text(QAccessible::Value));
        }
        const auto editable = [](const char* value) {
            return QStringLiteral("%1 %2").arg(QAccessible::EditableText).arg(value);
        };
        QCOMPARE(found.value("十六进制"), editable("0x20"));
        QCOMPARE(found.value("十进制"), editable("32"));
        QCOMPARE(found.value("KB"), editable("0.0312"));
        QCOMPARE(found.value("MB"), editable("0.0000"));
        QCOMPARE(found.value("GB"), editable("0.0000"));
        QCOMPARE(found.value("二进制"), QStringLiteral("%1 10 0000").arg(QAccessible::StaticText));
        QCOMPARE(found.value("位 5"), QStringLiteral("%1 1").arg(QAccessible::Button));
        QCOMPARE(found.value("位 31"), QStringLiteral("%1 0").arg(QAccessible::Button));
        QCOMPARE(bit(5)->toolTip(), QStringLiteral("位 5 = 32 = 0x20"));
        QCOMPARE(bit(31)->toolTip(), QStringLiteral("位 31 = 2147483648 = 0x80000000"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
