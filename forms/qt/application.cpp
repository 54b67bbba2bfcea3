#include "forms/application.h"

#include <QApplication>
#include <cstdlib>
#include <thread>

#if VELMORA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "forms/qt/qt_form.h"

namespace velmora::forms {

namespace {

// Reading fontconfig's configuration is the largest single cost of start-up; it runs on a
// second thread while Qt connects to the display, and is done before the first text is laid out.
class FontConfigWarmUp {
 public:
#if VELMORA_HAVE_FONTCONFIG
  FontConfigWarmUp() : thread_([] { FcInit(); }) {}
  void Finish() {
    if (thread_.joinable()) thread_.join();
  }
  ~FontConfigWarmUp() {
    Finish();
  }

 private:
  std::thread thread_;
#else
  void Finish() {}
#endif
};

}  // namespace

struct Application::Toolkit {
  FontConfigWarmUp fonts;
  // Qt reads its own options (-style, -stylesheet, -reverse...) from the command line; the
  // program takes none, so Qt is handed nothing but a program name.
  int argc = 1;
  char name[8] = "velmora";
  char* argv[2] = {name, nullptr};
  QApplication application{argc, argv};

  Toolkit() { fonts.Finish(); }
};

std::optional<std::string> Application::WhyNoWindow() {
#if defined(__unix__) && !defined(__APPLE__)
  const auto is_set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (!is_set("QT_QPA_PLATFORM") && !is_set("DISPLAY") && !is_set("WAYLAND_DISPLAY")) {
    return std::string(
        "Velmora needs a display for its window, and there is none here (DISPLAY is not set).\n"
        "Run it in a virtual X server, for example: xvfb-run build/run/app/velmora");
  }
#endif
  return std::nullopt;
}

Application::Application(const AppIdentity& identity) : toolkit_(std::make_unique<Toolkit>()) {
  QApplication::setApplicationName(QString::fromStdString(identity.name));
  QApplication::setApplicationVersion(QString::fromStdString(identity.version));
  QApplication::setOrganizationDomain(QString::fromStdString(identity.organization_domain));
  QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktop_id));
}
Application::~Application() = default;

std::unique_ptr<Form> Application::NewForm() {
  return std::make_unique<qt::QtForm>();
}

int Application::Run() {
  return QApplication::exec();
}

}  // namespace velmora::forms
