#include "core/MenuLayout.h"

#include <algorithm>

namespace reelvise {

MenuLayoutResult layoutMenu(const QList<MenuEntryMeasure>& entries) {
  MenuLayoutResult result;
  result.rects.resize(entries.size());
  int columnLeft = kMenuFrame;
  int totalHeight = 0;
  qsizetype first = 0;
  while (first < entries.size()) {
    qsizetype last = first + 1;
    while (last < entries.size() && !entries[last].breakColumn) {
      ++last;
    }
    int width = 0;
    for (qsizetype i = first; i < last; ++i) {
      width = std::max(width, entries[i].size.width() + kMenuCheckMarkRoom);
    }
    int top = kMenuFrame;
    for (qsizetype i = first; i < last; ++i) {
      result.rects[i] = QRect(columnLeft, top, width, entries[i].size.height());
      top += entries[i].size.height();
    }
    totalHeight = std::max(totalHeight, top - kMenuFrame);
    columnLeft += width;
    first = last;
  }
  result.total = QSize(columnLeft + kMenuFrame, totalHeight + 2 * kMenuFrame);
  return result;
}

QList<QRgb> bannerRowColours(int height) {
  QList<QRgb> rows(std::max(height, 0));
  int i = height / 255;
  for (int y = height - 1; y >= 0; --y) {
    const int shade = std::max(255 - i, 0);
    rows[y] = qRgb(shade, shade, 255);
    if (i < 255) {
      ++i;
    }
  }
  return rows;
}

}  // namespace reelvise
