#pragma once
#include <QImage>
#include <QMutex>
#include <QWidget>

#include "encodery.h"

class QLabel;

// "Vidora Convert Preview": the welcome picture at rest, the engine's
// pictures while a conversion runs.
class TfrmPreview : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmPreview(QWidget* parent = nullptr);
  ~TfrmPreview() override;

  // The handle given to the engine; lives as long as this window.
  ENCODERY_PREVIEW* engineHandle() { return &handle_; }
  // Hidden while converting, so that the engine's pictures show.
  void setPictureVisible(bool visible);
  bool pictureVisible() const;
  // Reloads currentSkinFolder() + "//welcome.bmp"; a bad file changes nothing.
  void loadWelcomePicture();
  QImage lastFrame() const;

 signals:
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  static void deliverFrame(void* owner, const uint8_t* rgb, int32_t width, int32_t height,
                           int32_t stride);
  void showPendingFrame();

  QLabel* Image1;
  ENCODERY_PREVIEW handle_{};
  mutable QMutex frameMutex_;
  QImage pendingFrame_;
  bool framePosted_ = false;
  QImage shownFrame_;
};
