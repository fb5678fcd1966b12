// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

// Marks a control whose caption is read as its value.
constexpr char CaptionIsValue[] = "tavrin-caption-is-value";

// A label or push button of the window. Interfaces can be made while the
// window is still being built, before the control is marked, so what is read
// as its value is decided when it is read.
class WindowCaption : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && object()->property(CaptionIsValue).toBool())
            return widget()->property("text").toString();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* WindowCaptionFactory(const QString& className, QObject* object) {
    if (!object || !object->parent() || !object->parent()->inherits("Form1"))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QPushButton"))
        return new WindowCaption(widget, QAccessible::Button);
    if (className == QLatin1String("QLabel"))
        return new WindowCaption(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowCaptionFactory);
        return true;
    }();
    (void)installed;
}

void ReadCaptionAsValue(QWidget* control) {
    control->setProperty(CaptionIsValue, true);
}
