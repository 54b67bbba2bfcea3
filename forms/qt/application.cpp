#include "forms/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef VELMORA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

#include "common/run_time_error.h"
#include "forms/qt/display_probe.h"
#include "forms/qt/message_box.h"
#include "forms/qt/qt_form.h"

namespace velmora::forms {

struct Application::Toolkit {
#ifdef VELMORA_HAVE_FONTCONFIG
  // Fontconfig reads its configuration and font caches the first time a text is laid out, a
  // few milliseconds before the first frame. It is thread-safe: done here on a thread of its
  // own, it overlaps Qt's connection to the display. (Had Qt asked first, it would only have
  // read them itself.)
  std::thread fonts{[] { FcInit(); }};
#endif
  // Qt reads its own options (-style, -stylesheet, -reverse...) from the command line; the
  // program takes none, so Qt is handed nothing but a program name.
  int argc = 1;
  char name[8] = "velmora";
  char* argv[2] = {name, nullptr};
  QApplication application{argc, argv};
  QTranslator translator;  // Qt's own texts in the program's language
};

std::optional<std::string> Application::UnreachableDisplay() {
  return qt::UnreachableDisplay();
}

Application::Application(const AppIdentity& identity) : toolkit_(std::make_unique<Toolkit>()) {
#ifdef VELMORA_HAVE_FONTCONFIG
  toolkit_->fonts.join();
#endif
  QApplication::setApplicationName(QString::fromStdString(identity.name));
  QApplication::setApplicationVersion(QString::fromStdString(identity.version));
  QApplication::setOrganizationDomain(QString::fromStdString(identity.organization_domain));
  QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktop_id));
  // Qt's own texts (the text boxes' context menus, say) from its translation into the
  // program's language, where that is installed (Debian's qt6-translations-l10n); without
  // it they stay in English.
  if (toolkit_->translator.load(
          QStringLiteral("qtbase_") + QString::fromStdString(identity.language),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&toolkit_->translator);
  }
  SetRunTimeErrorReporter(qt::ShowRunTimeError);
}
Application::~Application() {
  SetRunTimeErrorReporter(nullptr);  // no box without the application
}

std::unique_ptr<Form> Application::NewForm() {
  return std::make_unique<qt::QtForm>();
}

int Application::Run() {
  return QApplication::exec();
}

}  // namespace velmora::forms
