#pragma once

#include <QAccessibleInterface>
#include <QObject>
#include <QString>

namespace velmora::forms::qt {

/// Qt's accessibility asks here first for the interface of every object: the program's own
/// controls answer screen readers with their own interfaces (graphical buttons, read-only
/// text boxes), everything else as Qt answers.
QAccessibleInterface* AccessibleInterfaceFactory(const QString& class_name, QObject* object);

/// Tells screen readers that the accessible description of `object` changed.
void TellDescriptionChanged(QObject* object);

}  // namespace velmora::forms::qt
