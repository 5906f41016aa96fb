#include "ui/ConvertArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

const QColor kMagenta(255, 0, 255);

// The shape is drawn without smoothing: blended edge pixels would be
// neither magenta nor window and show as a pink seam.
QPainterPath rounded(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPixmap glyph(QSize size, const std::function<void(QPainter&, int state)>& draw, int state) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, state);
  return pixmap;
}

QVector<QPixmap> threeStates(QSize size, const std::function<void(QPainter&, int)>& draw) {
  return {glyph(size, draw, 0), glyph(size, draw, 1), glyph(size, draw, 2)};
}

QVector<QPixmap> wideButton(const QString& text, QColor base) {
  return threeStates(QSize(64, 25), [text, base](QPainter& p, int state) {
    const QColor face = state == 1 ? base.darker(130) : state == 2 ? base.lighter(125) : base;
    QLinearGradient fill(0, 0, 0, 25);
    fill.setColorAt(0, face.lighter(150));
    fill.setColorAt(0.5, face);
    fill.setColorAt(1, face.darker(140));
    p.setPen(QPen(face.darker(200), 1));
    p.setBrush(fill);
    p.drawPath(rounded(QRectF(0.5, 0.5, 63, 24), 8));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRectF(1, 1 + (state == 1), 64, 25), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, (state == 1), 64, 25), Qt::AlignCenter, text);
  });
}

}  // namespace

QImage convertBackground() {
  QImage image(320, 120, QImage::Format_RGB32);
  image.fill(kMagenta);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QPainterPath outline = rounded(QRectF(0, 0, 320, 120), 16);
  QLinearGradient body(0, 0, 0, 120);
  body.setColorAt(0, QColor(58, 86, 134));
  body.setColorAt(0.22, QColor(37, 55, 90));
  body.setColorAt(1, QColor(20, 29, 48));
  p.fillPath(outline, body);
  p.setClipPath(outline);
  // Title band.
  QLinearGradient band(0, 0, 0, 27);
  band.setColorAt(0, QColor(104, 142, 206));
  band.setColorAt(1, QColor(48, 72, 118));
  p.fillRect(QRect(0, 0, 320, 27), band);
  p.fillRect(QRect(0, 27, 320, 1), QColor(140, 176, 232));
  // Progress well.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(96, 124, 170), 1));
  p.setBrush(QColor(14, 20, 34));
  p.drawRoundedRect(QRectF(2.5, 79.5, 314, 31), 7, 7);
  // Rim.
  p.setClipping(false);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(150, 184, 238), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(rounded(QRectF(0, 0, 319, 119), 16));
  return image;
}

QVector<QPixmap> closeGlyphs() {
  return threeStates(QSize(13, 15), [](QPainter& p, int state) {
    const QColor face = state == 1 ? QColor(150, 30, 30) : state == 2 ? QColor(235, 80, 70)
                                                                      : QColor(200, 56, 50);
    p.setPen(QPen(face.darker(160), 1));
    p.setBrush(face);
    p.drawEllipse(QRectF(0.5, 1.5, 12, 12));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 5), QPointF(9, 10));
    p.drawLine(QPointF(9, 5), QPointF(4, 10));
  });
}

QVector<QPixmap> infoGlyphs() {
  return threeStates(QSize(24, 24), [](QPainter& p, int state) {
    const QColor face = state == 1 ? QColor(30, 90, 170) : state == 2 ? QColor(90, 160, 250)
                                                                      : QColor(56, 128, 220);
    QRadialGradient fill(QPointF(9, 8), 14);
    fill.setColorAt(0, face.lighter(160));
    fill.setColorAt(1, face);
    p.setPen(QPen(face.darker(180), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    QFont font("serif");
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0 + (state == 1), 24, 24), Qt::AlignCenter, QStringLiteral("i"));
  });
}

QVector<QPixmap> convertGlyphs() { return wideButton(QStringLiteral("Convert"), QColor(46, 150, 80)); }

QVector<QPixmap> cancelGlyphs() { return wideButton(QStringLiteral("Cancel"), QColor(196, 92, 40)); }

QIcon openIcon() {
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(242, 200, 80));
  p.drawRect(QRectF(1.5, 4.5, 11, 8));
  p.drawRect(QRectF(1.5, 2.5, 5, 2));
  return QIcon(pixmap);
}

QIcon saveIcon() {
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 50, 100), 1));
  p.setBrush(QColor(80, 120, 200));
  p.drawRect(QRectF(1.5, 1.5, 11, 11));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5, 1.5, 7, 4));
  p.setBrush(QColor(40, 60, 110));
  p.drawRect(QRectF(4.5, 8.5, 5, 4));
  return QIcon(pixmap);
}

}  // namespace artwork
