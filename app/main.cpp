// Velmora: designs one character for a dot-matrix printer with an 8-pin head.
#include <cstdio>
#include <string>

#include "forms/application.h"
#include "velmora_identity.h"
#include "window/main_window.h"

int main(int, char** argv) {
  using velmora::forms::Application;
  if (const auto tried = Application::UnreachableDisplay()) {
    // Named as it was started, so that the hint works as typed.
    const std::string name = argv[0] ? argv[0] : "velmora";
    std::fputs(("Velmora needs a display for its window and cannot reach one: " + *tried +
                ".\nRun it in a virtual X server, for example: xvfb-run -a " + name +
                "\n(xvfb-run comes with the Debian package xvfb).\n")
                   .c_str(),
               stderr);
    return 1;
  }
  Application application({.name = velmora::kProductName,
                           .version = velmora::kVersionText,
                           .organization_domain = velmora::kOrganizationDomain,
                           .desktop_id = velmora::kDesktopId,
                           .language = velmora::kLanguage});
  const auto form = application.NewForm();
  velmora::MainWindow window(*form);
  form->Show();
  return application.Run();
}
