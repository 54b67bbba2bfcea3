#pragma once

#include <memory>
#include <optional>
#include <string>

#include "forms/form.h"

namespace velmora::forms {

/// What the program reports of itself to the platform.
struct AppIdentity {
  std::string name;
  std::string version;
  std::string organization_domain;
  std::string desktop_id;  // the reverse-domain id of its desktop entry
  std::string language;    // of its texts, as ISO 639-1 ("bg"): the toolkit's own speak it too
};

/// The toolkit's side of the process: made once, hands out forms and runs the message loop.
/// The program takes no command-line arguments, so none reach the toolkit either.
class Application {
 public:
  /// The displays that were tried and could not be reached, when no window can be opened
  /// here; nothing when one can. Asked before an Application is made.
  static std::optional<std::string> UnreachableDisplay();

  explicit Application(const AppIdentity& identity);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::unique_ptr<Form> NewForm();
  /// Runs until the last form is closed; returns the process's exit status.
  int Run();

 private:
  struct Toolkit;
  std::unique_ptr<Toolkit> toolkit_;
};

}  // namespace velmora::forms
