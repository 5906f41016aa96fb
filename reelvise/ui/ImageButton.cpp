#include "ui/ImageButton.h"

#include <QPainter>

TImageButton::TImageButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setCursor(Qt::PointingHandCursor);
}

void TImageButton::setImages(const QVector<QPixmap>& images) {
  images_ = images;
  update();
}

QSize TImageButton::sizeHint() const {
  return images_.isEmpty() ? QSize(16, 16) : images_.front().size() / images_.front().devicePixelRatio();
}

void TImageButton::paintEvent(QPaintEvent*) {
  if (images_.isEmpty()) return;
  int index = 0;
  if (isDown() && images_.size() > 1)
    index = 1;
  else if (hovered_ && images_.size() > 2)
    index = 2;
  QPainter painter(this);
  if (!isEnabled()) painter.setOpacity(0.4);
  painter.drawPixmap(rect(), images_[index]);
}

void TImageButton::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void TImageButton::leaveEvent(QEvent*) {
  hovered_ = false;
  update();
}
