#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QVector>

// The conversion dialog's own pictures, drawn once.
namespace artwork {
// 320 x 120, magenta outside the window.
QImage convertBackground();
// Three images each: at rest, pressed, under the mouse.
QVector<QPixmap> closeGlyphs();    // 13 x 15
QVector<QPixmap> infoGlyphs();     // 24 x 24
QVector<QPixmap> convertGlyphs();  // 64 x 25
QVector<QPixmap> cancelGlyphs();   // 64 x 25
QIcon openIcon();
QIcon saveIcon();
}  // namespace artwork
