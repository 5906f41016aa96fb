#include <gtest/gtest.h>

#include "core/MenuLayout.h"

namespace {

using reelvise::kMenuCheckMarkRoom;
using reelvise::kMenuFrame;

TEST(MenuLayoutTest, BannerColumnThenWidestEntryColumn) {
  const int entry = 20;
  QList<reelvise::MenuEntryMeasure> entries = {
      {{reelvise::kBannerWidth, reelvise::bannerHeight(entry)}, false},
      {{50, entry}, true},
      {{0, 8}, false},
      {{80, entry}, false},
  };
  const reelvise::MenuLayoutResult layout = reelvise::layoutMenu(entries);
  const int bannerWidth = reelvise::kBannerWidth + kMenuCheckMarkRoom;
  EXPECT_EQ(layout.rects[0], QRect(kMenuFrame, kMenuFrame, bannerWidth, 164));
  EXPECT_EQ(layout.rects[1], QRect(kMenuFrame + bannerWidth, kMenuFrame, 80 + kMenuCheckMarkRoom, entry));
  EXPECT_EQ(layout.rects[2].top(), kMenuFrame + entry);
  EXPECT_EQ(layout.rects[3].width(), 80 + kMenuCheckMarkRoom);
  EXPECT_EQ(layout.total, QSize(2 * kMenuFrame + bannerWidth + 80 + kMenuCheckMarkRoom,
                                2 * kMenuFrame + 164));
}

TEST(MenuLayoutTest, BannerHeightMatchesTheSecondColumn) {
  // Seven captioned entries and three 8-pixel separators.
  EXPECT_EQ(reelvise::bannerHeight(19), 7 * 19 + 3 * 8);
}

TEST(MenuLayoutTest, BannerGradientRisesFromNearWhiteToBlue) {
  const QList<QRgb> short_ = reelvise::bannerRowColours(165);
  EXPECT_EQ(short_.back(), qRgb(255, 255, 255));
  EXPECT_EQ(short_.front(), qRgb(91, 91, 255));

  // Taller than 255 rows: starts h / 255 below white and stops at blue.
  const QList<QRgb> tall = reelvise::bannerRowColours(600);
  EXPECT_EQ(tall.back(), qRgb(253, 253, 255));
  EXPECT_EQ(tall[600 - 1 - 253], qRgb(0, 0, 255));
  EXPECT_EQ(tall.front(), qRgb(0, 0, 255));
  EXPECT_TRUE(reelvise::bannerRowColours(0).isEmpty());
}

}  // namespace
