#include "core/ShapeRegion.h"

#include <QPolygon>
#include <QVector>

namespace {
bool isMagenta(const QImage& picture, int x, int y) {
  return (picture.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
}
}  // namespace

QRegion BuildShapeRegion(const QImage& picture) {
  const int width = picture.width();
  const int height = picture.height();
  // Two points per row: the left edge downwards (0..H-1), the right edge
  // upwards (H..2H-1).  Rows without an opaque pixel repeat the row above.
  QVector<QPoint> points(2 * height, QPoint(0, 0));
  QRegion region(0, 0, width, height);
  for (int y = 0; y < height; ++y) {
    int x = 0;
    while (x < width && isMagenta(picture, x, y)) ++x;
    if (x < width)
      points[y] = QPoint(x, y);
    else if (y > 0)
      points[y] = points[y - 1];
    x = width - 1;
    while (x >= 0 && isMagenta(picture, x, y)) --x;
    if (x >= 0)
      points[2 * height - 1 - y] = QPoint(x, y);
    else if (y > 0)
      points[2 * height - 1 - y] = points[2 * height - y];
  }
  for (int y = 0; y < height; ++y) {
    const int right = points[2 * height - 1 - y].x();
    for (int x = points[y].x(); x < right; ++x)
      if (isMagenta(picture, x, y)) region = region.xored(QRegion(x, y, 1, 1));
  }
  return region.intersected(QRegion(QPolygon(points), Qt::OddEvenFill));
}
