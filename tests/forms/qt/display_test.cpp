// The display the program needs before it opens its window.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "forms/application.h"

namespace velmora {
namespace {

// A platform that needs no display of its own (offscreen here, as for every widget test; vnc,
// eglfs...) is Qt's own choice, which the program leaves to it.
TEST(DisplayProbeTest, LeavesDisplaysOfOtherPlatformsToQt) {
  ASSERT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");
  EXPECT_EQ(forms::Application::UnreachableDisplay(), std::nullopt);
}

}  // namespace
}  // namespace velmora
