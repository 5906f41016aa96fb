#pragma once

#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>

namespace reelvise {

// An owner-drawn menu's entry as it measures itself. `breakColumn` starts
// a new column with this entry.
struct MenuEntryMeasure {
  QSize size;
  bool breakColumn = false;
};

struct MenuLayoutResult {
  QList<QRect> rects;  // one per entry, in entry order
  QSize total;
};

// The platform widens every owner-drawn entry by the room of its check
// mark before laying it out.
constexpr int kMenuCheckMarkRoom = 12;
constexpr int kMenuFrame = 2;

// Entries are stacked in columns; every entry of a column takes the
// column's widest width; the menu is as tall as its tallest column. The
// rectangles are inside the menu's frame.
MenuLayoutResult layoutMenu(const QList<MenuEntryMeasure>& entries);

// Banner entry: 7 captioned entries and three 8-pixel separators tall.
constexpr int kBannerWidth = 6;
inline int bannerHeight(int entryHeight) { return entryHeight * 7 + 24; }

// Colour of every canvas row 0..height-1 of the banner: near white at the
// bottom, rising to blue at the top.
QList<QRgb> bannerRowColours(int height);

}  // namespace reelvise
