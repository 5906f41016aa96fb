#include "ui/Splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/MainCommands.h"
#include "core/ProgramFolder.h"

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(programFolder() + "/art/splash.bmp") {
  setObjectName("frmSplash");
  setFixedSize(418, 96);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
  }
}

void TfrmSplash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    painter.drawPixmap(0, 0, picture_);
    return;
  }
  // Without its picture the splash still says what is starting.
  painter.fillRect(rect(), QColor(20, 40, 90));
  painter.setPen(Qt::white);
  painter.drawText(rect(), Qt::AlignCenter, reelvise::kProductTitle);
}
