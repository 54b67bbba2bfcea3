#include "forms/application.h"

#include <QApplication>

#include "common/run_time_error.h"
#include "forms/qt/display_probe.h"
#include "forms/qt/message_box.h"
#include "forms/qt/qt_form.h"
#include "forms/qt/read_only_text_view.h"

namespace velmora::forms {

struct Application::Toolkit {
  // Qt reads its own options (-style, -stylesheet, -reverse...) from the command line; the
  // program takes none, so Qt is handed nothing but a program name.
  int argc = 1;
  char name[8] = "velmora";
  char* argv[2] = {name, nullptr};
  QApplication application{argc, argv};
};

std::optional<std::string> Application::UnreachableDisplay() {
  return qt::UnreachableDisplay();
}

Application::Application(const AppIdentity& identity) : toolkit_(std::make_unique<Toolkit>()) {
  QApplication::setApplicationName(QString::fromStdString(identity.name));
  QApplication::setApplicationVersion(QString::fromStdString(identity.version));
  QApplication::setOrganizationDomain(QString::fromStdString(identity.organization_domain));
  QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktop_id));
  qt::SetMessageBoxCaptions(identity.ok_caption, identity.cancel_caption);
  qt::SetTextMenuCaptions(identity.copy_caption, identity.select_all_caption);
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
