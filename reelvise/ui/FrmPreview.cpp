#include "ui/FrmPreview.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMutexLocker>
#include <QPainter>
#include <QVBoxLayout>

#include "core/ProgramFolder.h"

TfrmPreview::TfrmPreview(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(QStringLiteral("Vidora Convert Preview"));
  setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setScaledContents(true);
  Image1->setMinimumSize(1, 1);
  layout->addWidget(Image1);
  resize(320, 240);
  QPalette dark = palette();
  dark.setColor(QPalette::Window, Qt::black);
  setPalette(dark);
  setAutoFillBackground(true);

  handle_.deliver = &TfrmPreview::deliverFrame;
  handle_.owner = this;
  handle_.width = 320;
  handle_.height = 240;
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::setPictureVisible(bool visible) {
  Image1->setVisible(visible);
  update();
}

bool TfrmPreview::pictureVisible() const { return !Image1->isHidden(); }

void TfrmPreview::loadWelcomePicture() {
  QPixmap picture;
  if (picture.load(currentSkinFolder() + "//welcome.bmp")) Image1->setPixmap(picture);
}

QImage TfrmPreview::lastFrame() const { return shownFrame_; }

void TfrmPreview::showEvent(QShowEvent* event) {
  loadWelcomePicture();
  QWidget::showEvent(event);
}

void TfrmPreview::closeEvent(QCloseEvent* event) { QWidget::closeEvent(event); }

// Closing by any means (its close box, the dialog) ends in a hide.
void TfrmPreview::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit closed();
}

void TfrmPreview::paintEvent(QPaintEvent*) {
  if (pictureVisible() || shownFrame_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), shownFrame_);
}

// Worker thread: copies the picture and lets the window's thread show it;
// pictures that arrive while one is waiting replace it.
void TfrmPreview::deliverFrame(void* owner, const uint8_t* rgb, int32_t width, int32_t height,
                               int32_t stride) {
  auto* self = static_cast<TfrmPreview*>(owner);
  QImage copy = QImage(rgb, width, height, stride, QImage::Format_RGB888).copy();
  QMutexLocker lock(&self->frameMutex_);
  self->pendingFrame_ = std::move(copy);
  if (self->framePosted_) return;
  self->framePosted_ = true;
  QMetaObject::invokeMethod(self, [self] { self->showPendingFrame(); }, Qt::QueuedConnection);
}

void TfrmPreview::showPendingFrame() {
  {
    QMutexLocker lock(&frameMutex_);
    shownFrame_ = std::move(pendingFrame_);
    pendingFrame_ = QImage();
    framePosted_ = false;
  }
  update();
}
