#include "ui/MyLabel.h"

#include <QPainter>

TMyLabel::TMyLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TMyLabel::setBkColor(const QColor& colour) {
  bkColor_ = colour;
  update();
}

void TMyLabel::setPreColor(const QColor& colour) {
  preColor_ = colour;
  update();
}

void TMyLabel::setAutoSize(bool on) {
  if (!on) {
    return;
  }
  adjustSize();
  resize(width() + 1, height());
}

void TMyLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  painter.setBrush(Qt::NoBrush);
  const QRect area = rect();
  painter.setPen(bkColor_);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text());
  painter.setPen(preColor_);
  painter.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, text());
}
