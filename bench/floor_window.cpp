// The floor for start-up time and memory: what any Qt program showing a window of Velmora's
// client size with one line in Velmora's window font must do, and nothing more. A top-level
// QLabel, with no parent widget, no title and no font but the line's.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main() {
  int argc = 1;
  char name[] = "floor_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QLabel line(QStringLiteral("Един ред текст"));
  line.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  line.resize(554, 410);
  line.show();
  return QApplication::exec();
}
