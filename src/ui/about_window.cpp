#include "ui/about_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "i18n/about_text.h"
#include "i18n/window_text.h"
#include "model/parameter_image.h"
#include "morvek_version.h"
#include "ui/widget_factory.h"

namespace morvek::ui {
namespace {

constexpr int kClientWidth = 273;
constexpr int kClientHeight = 368;

// What the project can say of itself (Label2 .. Label5, Label9, Label10): who makes it, its
// license, its release, that it has no site yet, and where its manuals are.
constexpr std::pair<const char*, i18n::AboutLine> kProjectLines[] = {
    {"Label2", i18n::AboutLine::kMaker},
    {"Label3", i18n::AboutLine::kLicense},
    {"Label5", i18n::AboutLine::kNoSite},
    {"Label9", i18n::AboutLine::kManualsIn},
};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QPixmap AboutWindow::Picture() {
  QPixmap picture(161, 81);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // The dial of a rev counter, its red zone and a needle near the limiter.
  const QRectF dial(8, 8, 130, 130);
  p.setPen(QPen(QColor(40, 40, 40), 6, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 30 * 16, 120 * 16);
  p.setPen(QPen(QColor(220, 0, 0), 6, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 30 * 16, 25 * 16);
  // The needle starts off the hub so that it stays clear of the name below it.
  p.setPen(QPen(QColor(0, 160, 0), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(98, 48), QPointF(118, 28));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(20);
  p.setFont(font);
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRectF(0, 57, 158, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Morvek"));
  return picture;
}

AboutWindow::AboutWindow(const std::string& build_date, const std::string& build_time,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("TFormAbout"));
  setModal(true);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  auto* layout = new QVBoxLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(Picture());
  image->setAlignment(Qt::AlignHCenter);
  layout->addWidget(image);
  for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label9", "Label10"}) {
    QLabel* label = MakeLabel(QString::fromLatin1(name), QString(), this);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  }
  findChild<QLabel*>(QStringLiteral("Label4"))
      ->setText(QString::fromStdString(i18n::ReleaseText(MORVEK_VERSION, MORVEK_GIT_DESCRIBE)));
  ApplyLanguage(i18n::Language::kEnglish);
  layout->addSpacing(8);
  for (const auto& [name, text] :
       {std::pair{"LabelDate", build_date}, std::pair{"LabelTime", build_time},
        std::pair{"LabelRsKey", i18n::AboutVersionText(model::kProgramVersion)}}) {
    QLabel* label = MakeLabel(QString::fromLatin1(name), QString::fromStdString(text), this);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
  }
  layout->addStretch(1);
  // OK is the window's default button: a click, Enter or Escape closes it.
  exit_ = new QPushButton(QStringLiteral("OK"), this);
  exit_->setObjectName(QStringLiteral("LabelExit"));
  exit_->setDefault(true);
  exit_->setAutoDefault(true);
  connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(exit_, 0, Qt::AlignHCenter);
  resize(kClientWidth, kClientHeight);
  // Centred once, when made.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
}

void AboutWindow::ApplyLanguage(i18n::Language language) {
  setWindowTitle(FromView(i18n::Caption("TFormAbout", language)));
  if (exit_ != nullptr) exit_->setText(FromView(i18n::Caption("LabelExit", language)));
  for (const auto& [name, line] : kProjectLines)
    findChild<QLabel*>(QString::fromLatin1(name))
        ->setText(FromView(i18n::AboutLineText(line, language)));
}

void AboutWindow::SetManualFolder(const std::string& folder) {
  findChild<QLabel*>(QStringLiteral("Label10"))->setText(QString::fromStdString(folder));
}

}  // namespace morvek::ui
