#include "forms/qt/display_probe.h"

#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QString>

#if VELMORA_HAVE_XCB
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>
#endif

namespace velmora::forms::qt {

#if VELMORA_HAVE_XCB

namespace {

QString Quoted(const QString& text) {
  return QLatin1Char('"') + text + QLatin1Char('"');
}

// The platform plugins Qt will try, in its order: QT_QPA_PLATFORM (a list separated by ';',
// each name possibly followed by ':' and options), otherwise X11, with Wayland first in a
// Wayland session.
QStringList PlatformsQtWillTry() {
  QStringList names;
  const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (!chosen.isEmpty()) {
    for (const QString& entry : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      names << entry.section(QLatin1Char(':'), 0, 0).trimmed();
    }
    if (!names.isEmpty()) return names;
  }
  if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")) {
    names << QStringLiteral("wayland");
  }
  names << QStringLiteral("xcb");
  return names;
}

// Connects to the X server the way Qt's xcb plugin will, and hangs up again.
std::optional<QString> WhyNoX11() {
  const QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) return QStringLiteral("the X11 display (DISPLAY is not set)");
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (reached) return std::nullopt;
  return QStringLiteral("the X11 display ") + Quoted(display);
}

bool HasWaylandPlugin() {
  QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")};
  const QString extra = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
  if (!extra.isEmpty()) folders << extra;
  for (const QString& folder : folders) {
    if (!QDir(folder).entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty()) return true;
  }
  return false;
}

bool CanConnect(const QString& socket_path) {
  const QByteArray path = socket_path.toLocal8Bit();
  sockaddr_un address{};
  if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

std::optional<QString> WhyNoWayland() {
  QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (name.isEmpty()) name = QStringLiteral("wayland-0");
  const QString what = QStringLiteral("the Wayland display ") + Quoted(name);
  if (!HasWaylandPlugin()) {
    return what +
           QStringLiteral(" (Qt's Wayland plugin, Debian's package qt6-wayland, is not installed)");
  }
  const QString path = name.startsWith(QLatin1Char('/'))
                           ? name
                           : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
  if (CanConnect(path)) return std::nullopt;
  return what;
}

}  // namespace

std::optional<std::string> UnreachableDisplay() {
  QStringList tried;
  for (const QString& platform : PlatformsQtWillTry()) {
    std::optional<QString> why;
    if (platform == QLatin1String("xcb")) {
      why = WhyNoX11();
    } else if (platform.startsWith(QLatin1String("wayland"))) {
      why = WhyNoWayland();
    } else {
      return std::nullopt;  // offscreen, vnc, eglfs...: Qt's own business
    }
    if (!why) return std::nullopt;
    tried << *why;
  }
  return tried.join(QStringLiteral(", then ")).toStdString();
}

#else

std::optional<std::string> UnreachableDisplay() {
  return std::nullopt;
}

#endif

}  // namespace velmora::forms::qt
