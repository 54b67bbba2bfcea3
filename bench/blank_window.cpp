// The yardstick for start-up time and memory: a Qt window of Velmora's client size that
// shows one line of text in Velmora's window font.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main() {
  int argc = 1;
  char name[] = "blank_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("blank Velmora"));
  window.setFixedSize(554, 410);
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  QLabel line(QStringLiteral("Един ред текст"), &window);
  line.move(8, 8);
  window.show();
  return QApplication::exec();
}
