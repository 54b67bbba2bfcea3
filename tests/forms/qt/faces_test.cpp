// What the faces look like: the focus mark, the frames at any scale, the texts in a dark theme.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/forms/qt/main_window_fixture.h"

namespace velmora {
namespace {

// How many pixels of the focus mark's top line stand out from the face: differ from it in
// luma (perceived brightness, 0..255) by at least 100.
int MarkPixelsStandingOut(GraphicalButton* button) {
  const auto luma = [](const QColor& c) {
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
  };
  const QImage image = button->grab().toImage();
  const int face = luma(button->FaceColor());
  int count = 0;
  for (int x = 3; x < image.width() - 3; ++x) {
    if (std::abs(luma(image.pixelColor(x, 2)) - face) >= 100) ++count;
  }
  return count;
}

TEST_F(QtMainWindowTest, FocusMarkStandsOutOnEveryFace) {
  form_->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->window()));
  GraphicalButton* cell = Button("Command2", 0);
  for (const QColor face : {QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128),
                            QColor(255, 0, 0), QColor(0, 0, 128), QColor(255, 255, 0)}) {
    SCOPED_TRACE(face.name().toStdString());
    cell->SetFaceColor(face);
    Widget("Command2", 1)->setFocus();
    EXPECT_EQ(MarkPixelsStandingOut(cell), 0) << "no mark without the focus";
    cell->setFocus();
    EXPECT_GE(MarkPixelsStandingOut(cell), 4);
  }
}

// The colours met going from `from` in steps of `step` until the window's background, as
// runs of equal pixels: {colour, length}.
std::vector<std::pair<QColor, int>> RunsToTheBackground(const QImage& image, QPoint from,
                                                        QPoint step) {
  std::vector<std::pair<QColor, int>> runs;
  for (QPoint at = from; image.rect().contains(at); at += step) {
    const QColor color = image.pixelColor(at);
    if (color == kWindowColor) return runs;
    if (runs.empty() || runs.back().first != color) runs.push_back({color, 0});
    ++runs.back().second;
  }
  ADD_FAILURE() << "left the window without meeting the background";
  return runs;
}

// Runs under QT_SCALE_FACTOR 1, 1.5 and 2: the frame lies on a button's outermost device
// pixels, its light and dark halves equally thick, with nothing of the face beyond it.
TEST_F(QtMainWindowTest, FramesHugTheButtonEdgesAtAnyScale) {
  const QImage image = Screenshot();
  const qreal ratio = image.devicePixelRatio();
  const int thickness = std::max(1, static_cast<int>(ratio));
  const auto centre = [&](const char* array, int index) {
    return (QPointF(Widget(array, index)->geometry().center()) * ratio).toPoint();
  };
  const QColor white(255, 255, 255), black(0, 0, 0);
  const std::pair<QColor, int> light{white, thickness}, dark{black, thickness};
  SCOPED_TRACE("scale " + std::to_string(ratio));
  // Cell 8 is white, cell 0 black; each edge is walked out from the middle of the face.
  const QPoint white_cell = centre("Command2", 8), black_cell = centre("Command2", 0);
  using Runs = std::vector<std::pair<QColor, int>>;
  const auto tail = [](const Runs& runs) { return Runs(runs.begin() + 1, runs.end()); };
  EXPECT_EQ(tail(RunsToTheBackground(image, white_cell, {1, 0})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, white_cell, {0, 1})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, black_cell, {-1, 0})), Runs{light});
  EXPECT_EQ(tail(RunsToTheBackground(image, black_cell, {0, -1})), Runs{light});
  EXPECT_EQ(RunsToTheBackground(image, black_cell, {1, 0}).size(), 1u) << "black to the edge";
  const QPoint red_button = centre("Command3", 0) - QPoint(30 * ratio, 0);  // left of the caption
  EXPECT_EQ(tail(RunsToTheBackground(image, red_button, {0, 1})), Runs{dark});
  EXPECT_EQ(tail(RunsToTheBackground(image, red_button, {0, -1})), Runs{light});
}

// The contrast of two colours as the web's accessibility guidelines define it, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A widget's face, its commonest colour, and the contrast of its text on it: of the pixel
// that stands out from the face most.
std::pair<QColor, double> FaceAndTextContrast(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  const QColor face(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                    })->first);
  double best = 1;
  for (const auto& [pixel, count] : counts) best = std::max(best, Contrast(face, QColor(pixel)));
  return {face, best};
}

TEST(QtThemeTest, EveryTextStaysReadableInADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));  // buttons and window
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, Qt::white);
  QApplication::setPalette(dark);
  {
    forms::qt::QtForm form;
    MainWindow window(form);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.window()));
    for (QWidget* widget : form.window()->findChildren<QWidget*>()) {
      const bool label = qobject_cast<const QLabel*>(widget) && !TextOf(widget).isEmpty();
      const bool text_box =
          qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
      if (!widget->isVisible() || !(label || text_box)) continue;
      SCOPED_TRACE(widget->objectName().toStdString());
      const auto [face, contrast] = FaceAndTextContrast(widget);
      EXPECT_GE(contrast, 4.5) << "face " << face.name().toStdString();
      // The text boxes follow the theme, face and text together.
      if (text_box) {
        EXPECT_EQ(face, QColor(30, 30, 30));
      }
    }
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace velmora
