#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

namespace reelvise {

constexpr int kSkinButtonCount = 11;
// Pixels of this colour are outside the window or transparent in a button.
constexpr QRgb kSkinKeyColour = 0xFFFF00FF;

// One line of a skin.ini "Controls" section: button N at (X, Y).
struct SkinControlLine {
  int number = 0;
  int x = 0;
  int y = 0;
  bool operator==(const SkinControlLine&) const = default;
};

// The decimal value at the start of the first 79 characters of `text`
// (blanks, an optional sign, digits; 0 when there are none), as the
// C library's atoi reads it.
int leadingDecimal(QStringView text);

// N before "=", X between "=" and the first "," after it, Y after that ",".
// A line without "=" or without that "," is not a control line.
std::optional<SkinControlLine> parseControlLine(const QString& line);

// The picture of button `number` in a skin folder; button 11 uses number 12.
QString controlPicturePath(const QString& skinFolder, int number);

// Frames of equal size cut from a strip picture, the key colour made
// transparent; the images of one image button.
class ImageList {
 public:
  void clear() { images_.clear(); }
  // Adds the four frames of `strip`, each strip width / 4 wide.
  void addStrip(const QImage& strip);
  int count() const { return static_cast<int>(images_.size()); }
  const QImage& image(int index) const { return images_.at(index); }

 private:
  QList<QImage> images_;
};

struct SkinButton {
  QPoint position;
  QSize size;
  ImageList images;
  bool transparent = false;
};

// Shape of a window from its picture (the non-key pixels).
using ShapeBuilder = QRegion (*)(const QImage& picture);

// The look of the main window as the last successful skin load left it:
// face picture, the eleven buttons and the window's shape.
class SkinLook {
 public:
  explicit SkinLook(ShapeBuilder shapeBuilder);

  // Loads skin folder + "//face.bmp", "//skin.ini" and the control
  // pictures. False, with the look unchanged, when the face is missing or
  // unreadable. Control lines whose picture is missing or unreadable leave
  // their button with an empty image list at its old place.
  bool load(const QString& skinFolder);

  const QImage& face() const { return face_; }
  const QRegion& shape() const { return shape_; }
  // number 1..11
  const SkinButton& button(int number) const { return buttons_.at(number - 1); }
  SkinButton& button(int number) { return buttons_.at(number - 1); }

 private:
  ShapeBuilder shapeBuilder_;
  QImage face_;
  QRegion shape_;
  std::array<SkinButton, kSkinButtonCount> buttons_;
};

}  // namespace reelvise
