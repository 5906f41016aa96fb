#pragma once
#include <QAbstractButton>
#include <QPixmap>
#include <QVector>

// A picture button: three images (at rest, pressed, under the mouse),
// drawn without a frame, transparent where the images are.
class TImageButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TImageButton(QWidget* parent = nullptr);
  void setImages(const QVector<QPixmap>& images);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QVector<QPixmap> images_;
  bool hovered_ = false;
};
