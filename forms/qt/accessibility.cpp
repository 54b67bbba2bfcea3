#include "forms/qt/accessibility.h"

#include <QAccessible>
#include <QLibraryInfo>
#include <QVersionNumber>

#ifdef VELMORA_HAVE_ATSPI
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

#include "forms/qt/text_boxes.h"
#include "forms/qt/widgets.h"

namespace velmora::forms::qt {

namespace {

// A read-only box is a widget and the TextView its accessible text reads at once.
template <typename Box>
QAccessibleInterface* ReadOnlyTextOf(QObject* object) {
  auto* box = static_cast<Box*>(object);
  return new AccessibleReadOnlyText(box, box, QAccessible::EditableText);
}

}  // namespace

QAccessibleInterface* AccessibleInterfaceFactory(const QString& class_name, QObject* object) {
  // Only for the classes themselves: Qt asks for every class in a widget's ancestry.
  const auto is = [&](const QMetaObject& meta) {
    return class_name == QLatin1String(meta.className());
  };
  if (is(GraphicalButton::staticMetaObject)) {
    return new AccessibleGraphicalButton(static_cast<GraphicalButton*>(object));
  }
  if (is(ReadOnlyLineEdit::staticMetaObject)) return ReadOnlyTextOf<ReadOnlyLineEdit>(object);
  if (is(ReadOnlyTextEdit::staticMetaObject)) return ReadOnlyTextOf<ReadOnlyTextEdit>(object);
  return nullptr;
}

namespace {

#ifdef VELMORA_HAVE_ATSPI
// Before 6.8, Qt's AT-SPI bridge sends a description change with the object where the new
// description belongs, and Orca, taking it for the text, fails on it and says nothing. There
// the program sends the change as AT-SPI defines it, on the bridge's own connection to the
// accessibility bus (Qt names it "a11y") and with the object's path as the bridge gives it.
bool BridgeSendsDescriptionAsObject() {
  static const bool old = QLibraryInfo::version() < QVersionNumber(6, 8);
  return old;
}

void SendDescriptionChange(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  QDBusConnection bus(QStringLiteral("a11y"));
  if (!accessible || !bus.isConnected()) return;
  const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                       QString::number(QAccessible::uniqueId(accessible));
  QDBusMessage change = QDBusMessage::createSignal(
      path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
  change << QStringLiteral("accessible-description") << 0 << 0
         << QVariant::fromValue(QDBusVariant(accessible->text(QAccessible::Description)))
         << QVariantMap();
  bus.send(change);
}
#endif

}  // namespace

void TellDescriptionChanged(QObject* object) {
  if (!QAccessible::isActive()) return;
#ifdef VELMORA_HAVE_ATSPI
  if (BridgeSendsDescriptionAsObject()) {
    SendDescriptionChange(object);
    return;
  }
#endif
  QAccessibleEvent event(object, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace velmora::forms::qt
