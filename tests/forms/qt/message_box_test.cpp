// The hidden note and the run-time error, each in a real message box.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cstdio>
#include <vector>

#include "common/run_time_error.h"
#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

TEST_F(QtMainWindowTest, HotspotOpensTheNoteInARealMessageBox) {
  struct Seen {
    QString text, title;
    QStringList captions;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton default_button;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
  };
  std::vector<Seen> seen;
  forms::qt::SetMessageBoxAnswerer([&seen](QMessageBox& box) {
    Seen shown{box.text(), box.windowTitle(),   {}, {}, box.standardButton(box.defaultButton()),
               box.icon(), box.windowModality()};
    for (QAbstractButton* button : box.buttons()) {
      shown.buttons << box.standardButton(button);
      shown.captions << button->text();
    }
    seen.push_back(shown);
    return seen.size() == 1 ? QMessageBox::Ok : QMessageBox::Cancel;
  });
  Click(Widget("Label2", 25));
  Click(Widget("Label2", 25));
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& box : seen) {
    EXPECT_EQ(box.text, "В това приложение липсва\nописание на сорс кода!");
    EXPECT_EQ(box.title, "www.velmora.example.com Velmora");
    EXPECT_EQ(box.buttons, (QList{QMessageBox::Ok, QMessageBox::Cancel}));
    EXPECT_EQ(box.captions, (QStringList{"OK", "Отказ"}));
    EXPECT_EQ(box.default_button, QMessageBox::Ok);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
  }
}

// A run-time error is told in a message box as well as on standard error, then ends the
// program with status 1.
TEST(QtRunTimeErrorDeathTest, IsToldInAMessageBox) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";  // Qt runs threads of its own
  EXPECT_EXIT(
      {
        forms::qt::SetMessageBoxAnswerer([](QMessageBox& box) {
          std::fprintf(stderr, "box %s: %s\n", qUtf8Printable(box.windowTitle()),
                       qUtf8Printable(box.text()));
          return QMessageBox::Ok;
        });
        SetRunTimeErrorReporter(forms::qt::ShowRunTimeError);
        RunTimeError("cell index 64 is outside 0..63");
      },
      ::testing::ExitedWithCode(1),
      // Whatever Qt writes before it (Qt 6.4 a line break, Qt 6.8 nothing), the report's line on
      // standard error and then the box.
      "Velmora: cell index 64 is outside 0\\.\\.63\nbox Velmora: cell index 64 is outside "
      "0\\.\\.63\n");
}

}  // namespace
}  // namespace velmora
