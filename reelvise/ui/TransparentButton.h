#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

namespace reelvise {
class ImageList;
}

// Image button of the skinned windows: shows the first image of its list
// at rest, the second while pressed and the third while the mouse is over
// it; transparent pixels let the window's face show through.
class TTransparentButton : public QWidget {
  Q_OBJECT
 public:
  explicit TTransparentButton(QWidget* parent = nullptr);

  // Copies the images; an empty list draws nothing.
  void setImages(const reelvise::ImageList& images);
  int imageCount() const { return static_cast<int>(frames_.size()); }
  // The frame that paints now: 0 rest, 1 pressed, 2 hover, -1 none.
  int shownFrame() const;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QList<QImage> frames_;
  bool hover_ = false;
  bool pressed_ = false;
};
