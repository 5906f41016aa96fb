#pragma once

#include <QColor>
#include <QLabel>

// Caption painted twice: in BKColor at (0, 0) and in PREColor two pixels
// right and down, for a raised two-colour look.
class TMyLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QColor BKColor READ bkColor WRITE setBkColor)
  Q_PROPERTY(QColor PREColor READ preColor WRITE setPreColor)
 public:
  explicit TMyLabel(const QString& caption = {}, QWidget* parent = nullptr);

  QColor bkColor() const { return bkColor_; }
  void setBkColor(const QColor& colour);
  QColor preColor() const { return preColor_; }
  void setPreColor(const QColor& colour);
  // Sizes the label to its caption, one pixel wider.
  void setAutoSize(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor bkColor_ = Qt::black;
  QColor preColor_ = Qt::black;
};
