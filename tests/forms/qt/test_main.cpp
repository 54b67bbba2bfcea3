#include <gtest/gtest.h>

#include <QByteArray>

#include "forms/application.h"
#include "velmora_identity.h"

// The widget tests run in the program's own application, Qt's translation included.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Widget tests draw off screen unless told otherwise, also when only listing the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  velmora::forms::Application application({.name = velmora::kProductName,
                                           .version = velmora::kVersionText,
                                           .organization_domain = velmora::kOrganizationDomain,
                                           .desktop_id = velmora::kDesktopId,
                                           .language = velmora::kLanguage});
  return RUN_ALL_TESTS();
}
