#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up picture, borderless and centred on the desktop.
class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};
