#include "forms/qt/qt_form.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResource>
#include <cmath>

#include "forms/qt/accessibility.h"
#include "forms/qt/message_box.h"
#include "forms/qt/text_boxes.h"
#include "forms/qt/widgets.h"

namespace velmora::forms::qt {

QColor ToQColor(ColorValue color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

int ToPixels(Twips twips) {
  return twips / kTwipsPerPixel;
}

QString ToQString(std::string_view text) {
  QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

namespace {

QFont ToQFont(const Font& font) {
  QFont converted(QString::fromStdString(font.family));
  converted.setPointSizeF(font.points);
  converted.setWeight(static_cast<QFont::Weight>(font.weight));
  return converted;
}

// The roles of the palette that show a control's background and its text.
QPalette::ColorRole BackgroundRole(ControlKind kind) {
  return kind == ControlKind::kTextBox ? QPalette::Base : QPalette::Window;
}
QPalette::ColorRole ForegroundRole(ControlKind kind) {
  return kind == ControlKind::kTextBox ? QPalette::Text : QPalette::WindowText;
}

}  // namespace

bool IsWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void QtControl::SetBackColor(ColorValue color) {
  if (auto* button = qobject_cast<GraphicalButton*>(widget_)) {
    button->SetFaceColor(ToQColor(color));
    return;
  }
  QPalette palette = widget_->palette();
  palette.setColor(BackgroundRole(kind_), ToQColor(color));
  palette.setColor(ForegroundRole(kind_), ToQColor(kTextOnFixedFace));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
}

void QtControl::SetText(std::string_view text) {
  const QString converted = ToQString(text);
  if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
    button->setText(converted);
  } else if (auto* label = qobject_cast<QLabel*>(widget_)) {
    label->setText(converted);
  } else if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    line->setText(converted);
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget_)) {
    box->setPlainText(converted);
  }
}

void QtControl::SetToolTip(std::string_view text) {
  // Qt's screen readers read the tooltip where a control has no description of its own.
  widget_->setToolTip(ToQString(text));
}

void QtControl::SetAccessibleDescription(std::string_view description) {
  if (auto* button = qobject_cast<GraphicalButton*>(widget_)) {
    button->SetDescription(ToQString(description));
  }
}

void QtControl::SetAccessibleName(std::string_view name) {
  widget_->setAccessibleName(ToQString(name));
}
void QtControl::SetChecked(bool checked) {
  if (auto* button = qobject_cast<GraphicalButton*>(widget_)) button->SetOn(checked);
}

QtForm::QtForm() : window_(std::make_unique<QWidget>()) {
  [[maybe_unused]] static const bool accessible_buttons =
      (QAccessible::installFactory(AccessibleInterfaceFactory), true);
  // The layout is absolute: no maximise box, and a fixed size where the platform allows it
  // (see SetClientSize).
  window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

QtForm::~QtForm() {
  // The widgets go with the window; drop the wrappers first so none outlives its widget.
  controls_.clear();
}

QtControl* QtForm::Find(std::string_view array, int index) const {
  const auto found = by_name_.find({std::string(array), index});
  return found == by_name_.end() ? nullptr : found->second;
}

void QtForm::SetCaption(std::string_view caption) {
  window_->setWindowTitle(ToQString(caption));
}

std::string QtForm::Caption() const {
  return window_->windowTitle().toStdString();
}

void QtForm::SetClientSize(Twips width, Twips height) {
  const QSize size(ToPixels(width), ToPixels(height));
  if (!IsWayland()) {
    window_->setFixedSize(size);
    return;
  }
  // A Wayland compositor ends a client whose window does not take the size it is told, as
  // that of a maximized window; and Qt 6.4 draws a maximize button on fixed-size windows all
  // the same. So here the window can grow, its controls staying where they are at its top left.
  window_->setMinimumSize(size);
  window_->resize(size);
}

void QtForm::SetBackColor(ColorValue color) {
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  window_->setPalette(palette);
  window_->setAutoFillBackground(true);
}

void QtForm::SetFont(const Font& font) {
  // The application's font too: a text box lays its text out as it is made, before it takes
  // the window's font, and would otherwise look up and open the desktop's default font, which
  // nothing on screen shows, while the program starts.
  const QFont converted = ToQFont(font);
  QApplication::setFont(converted);
  window_->setFont(converted);
}

void QtForm::SetIcon(std::string_view name) {
  // Icons are compiled in as Qt resources under :/icons/<name>/, one file of bare pixels per
  // size (a square, four bytes a pixel: red, green, blue, alpha). Taking them as they are
  // spares the start-up Qt's image decoders and icon engines, plugins all of them.
  const QDir folder(QStringLiteral(":/icons/") + ToQString(name));
  QIcon icon;
  for (const QString& file : folder.entryList(QDir::Files)) {
    // Stored uncompressed, so this is the program's own memory, not a copy.
    const QResource resource(folder.filePath(file));
    const QByteArray pixels = QByteArray::fromRawData(
        reinterpret_cast<const char*>(resource.data()),
        resource.compressionAlgorithm() == QResource::NoCompression ? resource.size() : 0);
    const int size = static_cast<int>(std::sqrt(pixels.size() / 4));
    if (size == 0 || pixels.size() != 4 * size * size) continue;
    const auto* bits = reinterpret_cast<const uchar*>(pixels.constData());
    icon.addPixmap(QPixmap::fromImage(QImage(bits, size, size, QImage::Format_RGBA8888)));
  }
  window_->setWindowIcon(icon);
}

QWidget* QtForm::CreateWidget(const ControlRow& row) {
  const Qt::Alignment alignment =
      row.alignment == Alignment::kCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  const std::string array(row.array);
  switch (row.kind) {
    case ControlKind::kGraphicalButton: {
      auto* button = new GraphicalButton(window_.get());
      // Not Qt's checkable buttons: Qt would give the focus by Tab and the arrows only to the
      // checked one of a group. Screen readers learn the state from the button itself.
      button->SetToggles(row.checkable);
      button->SetOn(row.checked);
      QButtonGroup*& group = button_groups_[array];
      if (!group) {
        group = new QButtonGroup(window_.get());
        QObject::connect(group, &QButtonGroup::idClicked, window_.get(),
                         [this, array](int index) { handlers_.Click(array, index); });
      }
      group->addButton(button, row.index);
      return button;
    }
    case ControlKind::kLabel: {
      auto* label = new ClickableLabel(window_.get());
      label->setAlignment(alignment | Qt::AlignTop);
      label->setTextFormat(Qt::PlainText);
      QObject::connect(label, &ClickableLabel::clicked, window_.get(),
                       [this, array, index = row.index] { handlers_.Click(array, index); });
      return label;
    }
    case ControlKind::kTextBox:
      // Every text box shown is read-only: the window's one editable box is hidden from the
      // start, and so made a bare widget (AddControl).
      if (row.multi_line) return new ReadOnlyTextEdit(window_.get());
      auto* line = new ReadOnlyLineEdit(window_.get());
      line->setAlignment(alignment | Qt::AlignVCenter);
      return line;
  }
  return nullptr;
}

Control& QtForm::AddControl(const ControlRow& row) {
  // A control hidden from the start stays hidden: nothing in the forms layer shows it later.
  // It is made as a bare widget that keeps its name and place, so that a box nobody can see
  // or reach costs the start-up nothing (Qt's editable boxes lay their text out, and so start
  // the fonts, as they are made).
  QWidget* widget = row.visible ? CreateWidget(row) : new QWidget(window_.get());
  widget->setObjectName(QStringLiteral("%1(%2)").arg(ToQString(row.array)).arg(row.index));
  widget->setGeometry(ToPixels(row.left), ToPixels(row.top), ToPixels(row.width),
                      ToPixels(row.height));
  if (row.font) widget->setFont(ToQFont(*row.font));
  if (!row.enabled) widget->setEnabled(false);
  if (!row.visible) widget->setVisible(false);

  auto& control = controls_.emplace_back(std::make_unique<QtControl>(row.kind, widget));
  if (row.back_color) control->SetBackColor(*row.back_color);
  if (!row.text.empty()) control->SetText(row.text);
  if (!row.tool_tip.empty()) control->SetToolTip(row.tool_tip);
  if (!row.accessible_name.empty()) control->SetAccessibleName(row.accessible_name);
  if (!row.accessible_description.empty()) {
    control->SetAccessibleDescription(row.accessible_description);
  }
  by_name_[{std::string(row.array), row.index}] = control.get();
  return *control;
}

void QtForm::OnClick(std::string_view array, ClickHandler handler) {
  handlers_.Set(array, std::move(handler));
}

void QtForm::SetTabOrder(const std::vector<Control*>& order) {
  tab_order_ = order;
  for (size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(static_cast<QtControl*>(order[i - 1])->widget(),
                         static_cast<QtControl*>(order[i])->widget());
  }
}

MsgBoxResult QtForm::MsgBox(const MsgBoxRequest& box) {
  return ShowMessageBox(window_.get(), box);
}

void QtForm::Show() {
  FocusFirst(tab_order_);
  window_->show();
}

}  // namespace velmora::forms::qt
