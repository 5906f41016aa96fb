// BuildShapeRegion on hand-made pictures ('#' opaque, 'm' magenta).
#include <gtest/gtest.h>

#include <QImage>

#include "core/ShapeRegion.h"

namespace {

QImage picture(const std::vector<std::string>& rows) {
  QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, rows[y][x] == 'm' ? qRgb(255, 0, 255) : qRgb(20, 40, 60));
  return image;
}

// The region as rows of '#' (inside) and '.' (outside).
std::vector<std::string> drawn(const QRegion& region, int width, int height) {
  std::vector<std::string> rows(height, std::string(width, '.'));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (region.contains(QPoint(x, y))) rows[y][x] = '#';
  return rows;
}

TEST(ShapeRegion, OneAllMagentaRowGivesAnEmptyOutline) {
  EXPECT_TRUE(BuildShapeRegion(picture({"mmmm"})).isEmpty());
  EXPECT_TRUE(BuildShapeRegion(picture({"mmm", "mmm", "mmm"})).isEmpty());
}

struct Case {
  const char* what;
  std::vector<std::string> picture;
  std::vector<std::string> region;
};

class ShapeCases : public ::testing::TestWithParam<Case> {};

// The polygon runs through the outermost opaque pixels, so like any polygon
// region it leaves out its right and bottom edges.
TEST_P(ShapeCases, MatchTheTracedOutline) {
  const Case& c = GetParam();
  const QImage image = picture(c.picture);
  EXPECT_EQ(drawn(BuildShapeRegion(image), image.width(), image.height()), c.region);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ShapeCases,
    ::testing::Values(
        Case{"solid", {"#####", "#####", "#####", "#####"},
             {"####.", "####.", "####.", "....."}},
        Case{"hole", {"#####", "##m##", "#####", "#####"},
             {"####.", "##.#.", "####.", "....."}},
        Case{"cut corners", {"m###m", "#####", "#####", "m###m"},
             {".##..", "####.", "####.", "....."}},
        Case{"magenta middle row", {"#####", "mmmmm", "#####", "#####"},
             {"####.", ".....", "####.", "....."}}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& ch : n)
        if (ch == ' ') ch = '_';
      return n;
    });

}  // namespace
