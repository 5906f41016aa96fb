#include "ui/TransparentButton.h"

#include <QPainter>

#include "core/SkinLook.h"

namespace {
constexpr int kRestFrame = 0;
constexpr int kPressedFrame = 1;
constexpr int kHoverFrame = 2;
}  // namespace

TTransparentButton::TTransparentButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::PointingHandCursor);
}

void TTransparentButton::setImages(const reelvise::ImageList& images) {
  frames_.clear();
  for (int i = 0; i < images.count(); ++i) {
    frames_.append(images.image(i));
  }
  update();
}

void TTransparentButton::setImages(const QVector<QPixmap>& images) {
  frames_.clear();
  for (const QPixmap& image : images) {
    frames_.append(image.toImage());
  }
  update();
}

int TTransparentButton::shownFrame() const {
  int frame = kRestFrame;
  if (isDown()) {
    frame = kPressedFrame;
  } else if (hover_) {
    frame = kHoverFrame;
  }
  if (frame >= frames_.size()) {
    frame = frames_.isEmpty() ? -1 : kRestFrame;
  }
  return frame;
}

void TTransparentButton::paintEvent(QPaintEvent*) {
  const int frame = shownFrame();
  if (frame < 0) {
    return;
  }
  QPainter painter(this);
  if (!isEnabled()) {
    painter.setOpacity(0.4);
  }
  painter.drawImage(rect(), frames_.at(frame));
}

void TTransparentButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void TTransparentButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}
