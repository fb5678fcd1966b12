// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace {

// Where Qt has no announcement event, what a click did is said by a
// notification of that name, an empty one shown anew: a screen reader voices
// a notification that shows.
const QString AnnouncementName = QStringLiteral("Announcement");

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
        } else { // the size panel's toggle, ">>" while the panel shows; a reader
                 // keeps the states it was told of, so no "collapsed" to clear
            state.expandable = true;
            state.expanded = Button()->text() == QLatin1String(">>");
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
    if (object->objectName() == AnnouncementName)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className != QLatin1String("QPushButton") || !object->parent() ||
        !object->parent()->inherits("Form1"))
        return nullptr;
    return new WindowButton(static_cast<QWidget*>(object));
}

// The button whose caption is being written under a name of its own.
const QObject* captionWritten = nullptr;

// A screen reader hears of a box's text only what a user could notice: the
// boxes' texts are written whole, also when they stay the same, and the
// hidden size boxes follow every value. Of a button's name, only when it
// changes, which a caption under a name of the button's own does not.
bool Noticeable(QAccessibleEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(event->object());
    const bool shown = !widget || widget->isVisible();
    switch (event->type()) {
    case QAccessible::TextUpdated: {
        const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
        return shown && update->textRemoved() != update->textInserted();
    }
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
        return shown;
    case QAccessible::NameChanged:
        return event->object() != captionWritten;
    default:
        return true;
    }
}

// Passes what is noticeable on to Qt's own handling (the AT-SPI bridge).
void Announce(QAccessibleEvent* event) {
    if (!Noticeable(event))
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Announce);
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowFactory);
        QAccessible::installUpdateHandler(Announce);
        return true;
    }();
    (void)installed;
}

void SetCaption(QAbstractButton* button, const QString& caption) {
    captionWritten = button;
    button->setText(caption);
    captionWritten = nullptr;
}

void AnnounceBitChange(QAbstractButton* bit) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(bit, changed);
    QAccessible::updateAccessibility(&event);
}

// Qt's AT-SPI bridge passes on only some state changes (checked, focused,
// enabled, active): an expanded state's change goes out here as the bridge
// sends a state change, on the accessibility bus connection it opened.
void AnnounceExpandedChange(QAbstractButton* toggle) {
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* toggleInterface = QAccessible::queryAccessibleInterface(toggle);
    if (!QAccessible::isActive() || !bus.isConnected() || !toggleInterface)
        return;
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(toggleInterface));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService()
                << QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"));
    application.endStructure();
    QDBusMessage change = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    change << QStringLiteral("expanded") << int(toggleInterface->state().expanded) << 0
           << QVariant::fromValue(QDBusVariant(0)) << QVariant::fromValue(application);
    bus.send(change);
}

void AnnounceClick(QAbstractButton* button, const QString& result) {
    if (button->hasFocus())
        return; // a reader voices the focused control's own state change
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(button, result);
    QAccessible::updateAccessibility(&announcement);
#else
    // A new one each time: a reader keeps the name it first read of an object.
    QWidget* window = button->window();
    delete window->findChild<QWidget*>(AnnouncementName);
    auto* notification = new QWidget(window);
    notification->setObjectName(AnnouncementName); // before a name makes its interface
    notification->setAccessibleName(result);
    notification->setGeometry(0, 0, 0, 0);
    notification->show();
#endif
}
