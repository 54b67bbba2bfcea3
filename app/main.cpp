// Velmora: designs one character for a dot-matrix printer with an 8-pin head.
#include <cstdio>

#include "forms/application.h"
#include "velmora_identity.h"
#include "window/main_window.h"

int main() {
  using velmora::forms::Application;
  if (const auto why = Application::WhyNoWindow()) {
    std::fprintf(stderr, "%s\n", why->c_str());
    return 1;
  }
  Application application({velmora::kProductName, velmora::kVersionText,
                           velmora::kOrganizationDomain, velmora::kDesktopId});
  const auto form = application.NewForm();
  velmora::MainWindow window(*form);
  form->Show();
  return application.Run();
}
