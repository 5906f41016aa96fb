#include "ui/TransparentButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/SkinLook.h"

namespace {
constexpr int kRestFrame = 0;
constexpr int kPressedFrame = 1;
constexpr int kHoverFrame = 2;
}  // namespace

TTransparentButton::TTransparentButton(QWidget* parent) : QWidget(parent) {
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

int TTransparentButton::shownFrame() const {
  int frame = kRestFrame;
  if (pressed_ && hover_) {
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
  painter.drawImage(0, 0, frames_.at(frame));
}

void TTransparentButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void TTransparentButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}

void TTransparentButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    hover_ = rect().contains(event->position().toPoint());
    update();
  }
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) {
    return;
  }
  pressed_ = false;
  const bool inside = rect().contains(event->position().toPoint());
  update();
  if (inside) {
    emit clicked();
  }
}
