#include "core/SkinLook.h"

#include <QFileInfo>

#include "core/ProfileFile.h"

namespace reelvise {

namespace {

constexpr int kPartChars = 79;
constexpr int kSectionBufferChars = 10000;
constexpr int kMaxControlLines = 1000;
constexpr int kFramesPerStrip = 4;

QImage readPicture(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    return {};
  }
  return QImage(path);
}

}  // namespace

int leadingDecimal(QStringView text) {
  text = text.left(kPartChars);
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i].unicode() - u'0');
    // Positions far off any screen are no use; clamping keeps the value sane.
    if (value > 1'000'000) {
      value = 1'000'000;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

std::optional<SkinControlLine> parseControlLine(const QString& line) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) {
    return std::nullopt;
  }
  const qsizetype comma = line.indexOf(u',', eq + 1);
  if (comma < 0) {
    return std::nullopt;
  }
  const QStringView view(line);
  return SkinControlLine{leadingDecimal(view.left(eq)),
                         leadingDecimal(view.mid(eq + 1, comma - eq - 1)),
                         leadingDecimal(view.mid(comma + 1))};
}

QString controlPicturePath(const QString& skinFolder, int number) {
  const int fileNumber = number == 11 ? 12 : number;
  return skinFolder + "//ctrl" + QString::number(fileNumber) + ".bmp";
}

void ImageList::addStrip(const QImage& strip) {
  const int width = strip.width() / kFramesPerStrip;
  if (width <= 0 || strip.height() <= 0) {
    return;
  }
  QImage keyed = strip.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((row[x] | 0xFF000000) == kSkinKeyColour) {
        row[x] = 0;
      }
    }
  }
  for (int i = 0; i < kFramesPerStrip; ++i) {
    images_.append(keyed.copy(i * width, 0, width, keyed.height()));
  }
}

SkinLook::SkinLook(ShapeBuilder shapeBuilder) : shapeBuilder_(shapeBuilder) {}

bool SkinLook::load(const QString& skinFolder) {
  const QImage face = readPicture(skinFolder + "//face.bmp");
  if (face.isNull()) {
    return false;
  }
  face_ = face;

  QStringList lines = ProfileFile(skinFolder + "//skin.ini").readSection("Controls",
                                                                         kSectionBufferChars);
  if (lines.size() > kMaxControlLines) {
    lines.resize(kMaxControlLines);
  }

  for (SkinButton& button : buttons_) {
    button.images.clear();
  }

  for (const QString& line : lines) {
    const std::optional<SkinControlLine> control = parseControlLine(line);
    if (!control || control->number < 1 || control->number > kSkinButtonCount) {
      continue;
    }
    const QImage picture = readPicture(controlPicturePath(skinFolder, control->number));
    if (picture.isNull()) {
      continue;
    }
    SkinButton& button = buttons_.at(control->number - 1);
    button.size = QSize(picture.width() / 4, picture.height());
    button.images.addStrip(picture);
    button.position = QPoint(control->x, control->y);
    button.transparent = true;
  }

  shape_ = shapeBuilder_(face_);
  return true;
}

}  // namespace reelvise
