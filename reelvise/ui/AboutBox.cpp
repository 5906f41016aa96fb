#include "ui/AboutBox.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "core/MainCommands.h"
#include "core/ProgramFolder.h"
#include "core/Shell.h"
#include "ui/MyLabel.h"

namespace {

QLabel* pictureLabel(QWidget* parent, const QString& file, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setPixmap(QPixmap(programFolder() + "/art/" + file));
  label->setScaledContents(true);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(reelvise::IShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), shell_(shell) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setFixedSize(301, 267);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(8, 8, 285, 211);

  ProgramIcon = pictureLabel(panel, "about-icon.bmp", QRect(10, 10, 48, 48));

  MyLabel1 = new TMyLabel(reelvise::kProductTitle, panel);
  QFont nameFont = MyLabel1->font();
  nameFont.setPixelSize(13);
  nameFont.setBold(true);
  MyLabel1->setFont(nameFont);
  MyLabel1->setBkColor(QColor(128, 128, 128));
  MyLabel1->setPreColor(QColor(0, 0, 128));
  MyLabel1->setGeometry(72, 14, 200, 20);

  Version = new QLabel("Version  2.5", panel);
  Version->setGeometry(72, 40, 200, 16);

  const char* const makerLines[] = {"Quorvin Software", "Copyright (C) 2003-2026 Quorvin",
                                    "All rights reserved.", "reelvise.quorvin.example"};
  int top = 74;
  for (const char* line : makerLines) {
    auto* label = new QLabel(line, panel);
    label->setGeometry(10, top, 265, 16);
    top += 18;
  }

  Image1 = pictureLabel(panel, "about-banner.bmp", QRect(9, 160, 266, 41));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(reelvise::kHomePageUrl);
  Image1->installEventFilter(this);

  OKButton = new QPushButton("OK", this);
  OKButton->setGeometry(113, 229, 75, 27);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    shell_.openUrl(reelvise::kHomePageUrl);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::showEvent(event);
}
