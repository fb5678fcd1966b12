// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QButtonGroup>

namespace {

// A push button of the window. Its interface can be made while the window is
// still being built, before the button joins the bit group, so whether it is
// a bit is decided when it is read. A bit is a check box (no toggle-button
// role reaches a screen reader) whose caption is its bit; the button itself
// is not checkable, which in the group would uncheck the others.
class WindowButton : public QAccessibleWidget {
  public:
    explicit WindowButton(QWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return IsBit() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (IsBit()) {
            state.checkable = true;
            state.checked = Button()->text() == QLatin1String("1");
        }
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{IsBit() ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    bool IsBit() const { return Button()->group() != nullptr; }
};

// The window itself is a frame, named by its title (a plain widget would be
// a filler); its push buttons are WindowButtons.
QAccessibleInterface* WindowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className != QLatin1String("QPushButton") || !object->parent() ||
        !object->parent()->inherits("Form1"))
        return nullptr;
    return new WindowButton(static_cast<QWidget*>(object));
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceBitChange(QAbstractButton* bit) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(bit, changed);
    QAccessible::updateAccessibility(&event);
}
