#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QVector>

namespace reelvise {
class ImageList;
}

// The image button of every window: shows the first image of its list at
// rest, the second while pressed and the third while the mouse is over it;
// transparent pixels let the window's face show through.
class TTransparentButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TTransparentButton(QWidget* parent = nullptr);

  // Copies the images; an empty list draws nothing.
  void setImages(const reelvise::ImageList& images);
  void setImages(const QVector<QPixmap>& images);
  int imageCount() const { return static_cast<int>(frames_.size()); }
  // The frame that paints now: 0 rest, 1 pressed, 2 hover, -1 none.
  int shownFrame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QList<QImage> frames_;
  bool hover_ = false;
};
