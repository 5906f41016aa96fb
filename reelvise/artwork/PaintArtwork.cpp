// Paints the artwork that ships with Reelvise: the skins (face, button
// strips, skin.ini, preview picture), the splash picture and the about
// box's icon and banner. Run at build time: reelvise_artwork <folder>.
//
// Pictures are painted with antialiasing on a transparent layer and then
// flattened to 24-bit BMP: pixels less than half covered become the key
// colour magenta (outside the window, transparent in a button); button
// edges are blended with the face beneath them, so they stay smooth.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kKey(255, 0, 255);
const char* const kFontFamily = "DejaVu Sans";

QFont font(int pixels, bool bold = false) {
  QFont f(kFontFamily);
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QImage transparentLayer(QSize size) {
  QImage layer(size, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  return layer;
}

// Layer over an opaque background; where the layer covers less than half
// a pixel the result is the key colour.
QImage flatten(const QImage& layer, const QImage& background) {
  QImage out(layer.size(), QImage::Format_RGB32);
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb top = layer.pixel(x, y);
      const int alpha = qAlpha(top);
      if (alpha < 128) {
        out.setPixel(x, y, kKey.rgb());
        continue;
      }
      const QRgb bottom = background.pixel(x, y);
      auto mix = [&](int t, int b) { return std::min(255, t + b * (255 - alpha) / 255); };
      // The layer is premultiplied.
      out.setPixel(x, y, qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                              mix(qBlue(top), qBlue(bottom))));
    }
  }
  return out;
}

bool save(const QImage& image, const QString& path) {
  if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
    std::fprintf(stderr, "reelvise_artwork: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// A film reel: rim, hub and five windows.
void paintReel(QPainter& p, QPointF centre, qreal radius, QColor metal, QColor hole) {
  p.save();
  QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  shine.setColorAt(0, metal.lighter(150));
  shine.setColorAt(1, metal.darker(130));
  p.setPen(QPen(metal.darker(200), std::max(1.0, radius / 18)));
  p.setBrush(shine);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(hole);
  for (int i = 0; i < 5; ++i) {
    const qreal angle = (i * 72.0 - 90.0) * M_PI / 180.0;
    p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55,
                  radius * 0.24, radius * 0.24);
  }
  p.setBrush(metal.darker(160));
  p.drawEllipse(centre, radius * 0.16, radius * 0.16);
  p.setBrush(hole);
  p.drawEllipse(centre, radius * 0.07, radius * 0.07);
  p.restore();
}

enum class Glyph { None, Exit, Menu, Skin, Help, Home };

struct ButtonSpec {
  int number;
  QRect rect;
  bool round;
  QString label;
  Glyph glyph;
};

struct Palette {
  QColor top, bottom;       // button body gradient
  QColor text, accent;      // label and hover glow
  QColor exitTop, exitBottom;
};

void paintGlyph(QPainter& p, Glyph glyph, QRectF r, QColor colour) {
  p.save();
  const QPointF c = r.center();
  const qreal s = std::min(r.width(), r.height()) / 2.0;
  QPen pen(colour, std::max(1.6, s / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (glyph) {
    case Glyph::Exit:
      p.drawLine(c + QPointF(-s * 0.4, -s * 0.4), c + QPointF(s * 0.4, s * 0.4));
      p.drawLine(c + QPointF(-s * 0.4, s * 0.4), c + QPointF(s * 0.4, -s * 0.4));
      break;
    case Glyph::Menu:
      for (int i = -1; i <= 1; ++i) {
        p.drawLine(c + QPointF(-s * 0.45, i * s * 0.35), c + QPointF(s * 0.45, i * s * 0.35));
      }
      break;
    case Glyph::Skin: {
      // Two arrows chasing each other: the next look.
      const QRectF arc(c.x() - s * 0.5, c.y() - s * 0.5, s, s);
      p.drawArc(arc, 30 * 16, 140 * 16);
      p.drawArc(arc, 210 * 16, 140 * 16);
      p.setBrush(colour);
      p.setPen(Qt::NoPen);
      const qreal a = s * 0.22;
      p.drawPolygon(QPolygonF({c + QPointF(s * 0.5 + a, -a * 0.2), c + QPointF(s * 0.5 - a, -a * 0.2),
                               c + QPointF(s * 0.5, a)}));
      p.drawPolygon(QPolygonF({c + QPointF(-s * 0.5 + a, a * 0.2), c + QPointF(-s * 0.5 - a, a * 0.2),
                               c + QPointF(-s * 0.5, -a)}));
      break;
    }
    case Glyph::Help: {
      QFont f = font(static_cast<int>(s * 1.25), true);
      p.setFont(f);
      p.drawText(r, Qt::AlignCenter, "?");
      break;
    }
    case Glyph::Home: {
      QPainterPath house;
      house.moveTo(c + QPointF(-s * 0.5, -s * 0.02));
      house.lineTo(c + QPointF(0, -s * 0.5));
      house.lineTo(c + QPointF(s * 0.5, -s * 0.02));
      p.drawPath(house);
      p.drawRect(QRectF(c + QPointF(-s * 0.32, -s * 0.05), QSizeF(s * 0.64, s * 0.5)));
      break;
    }
    case Glyph::None:
      break;
  }
  p.restore();
}

// One frame of a button: 0 rest, 1 pressed, 2 hover, 3 disabled.
void paintButtonFrame(QPainter& p, const ButtonSpec& b, const Palette& pal, int frame) {
  const QRectF r(0.5, 0.5, b.rect.width() - 1.0, b.rect.height() - 1.0);
  QPainterPath shape;
  if (b.round) {
    shape.addEllipse(r);
  } else {
    shape.addRoundedRect(r, r.height() / 2.2, r.height() / 2.2);
  }
  const bool exit = b.glyph == Glyph::Exit;
  QColor top = exit ? pal.exitTop : pal.top;
  QColor bottom = exit ? pal.exitBottom : pal.bottom;
  if (frame == 1) {
    std::swap(top, bottom);
    top = top.darker(125);
    bottom = bottom.darker(110);
  } else if (frame == 2) {
    top = top.lighter(135);
    bottom = bottom.lighter(125);
  } else if (frame == 3) {
    const int grey = qGray(top.rgb());
    top = QColor(grey, grey, grey);
    bottom = top.darker(140);
  }
  QLinearGradient body(0, 0, 0, b.rect.height());
  body.setColorAt(0, top);
  body.setColorAt(1, bottom);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(bottom.darker(180), 1.0));
  p.setBrush(body);
  p.drawPath(shape);

  // Gloss on the upper half.
  if (frame != 1) {
    p.save();
    p.setClipPath(shape);
    QLinearGradient gloss(0, 0, 0, b.rect.height() / 2.0);
    gloss.setColorAt(0, QColor(255, 255, 255, frame == 2 ? 120 : 80));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRect(QRectF(0, 0, b.rect.width(), b.rect.height() / 2.0));
    p.restore();
  }
  if (frame == 2) {
    p.setPen(QPen(pal.accent, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
  }

  const QPointF shift = frame == 1 ? QPointF(1, 1) : QPointF(0, 0);
  const QColor ink = frame == 3 ? QColor(150, 150, 150) : (frame == 2 ? pal.accent.lighter(160)
                                                                      : pal.text);
  if (b.glyph != Glyph::None) {
    paintGlyph(p, b.glyph, r.translated(shift).adjusted(3, 3, -3, -3), ink);
  } else {
    p.setFont(font(std::min(13, b.rect.height() / 2 + 1), true));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(r.translated(shift + QPointF(0, 1)), Qt::AlignCenter, b.label);
    p.setPen(ink);
    p.drawText(r.translated(shift), Qt::AlignCenter, b.label);
  }
}

QImage buttonStrip(const ButtonSpec& b, const Palette& pal, const QImage& face) {
  const QSize size = b.rect.size();
  QImage strip(size.width() * 4, size.height(), QImage::Format_RGB32);
  QPainter out(&strip);
  // What lies beneath the button, for smooth edges.
  const QImage beneath = face.copy(b.rect);
  for (int frame = 0; frame < 4; ++frame) {
    QImage layer = transparentLayer(size);
    {
      QPainter p(&layer);
      paintButtonFrame(p, b, pal, frame);
    }
    out.drawImage(frame * size.width(), 0, flatten(layer, beneath));
  }
  return strip;
}

struct SkinDesign {
  QString name;
  QSize size;
  Palette palette;
  std::function<void(QPainter&)> paintFace;  // on a transparent layer
  std::vector<ButtonSpec> buttons;
  QColor welcomeTop, welcomeBottom, welcomeInk;
};

// Recess around each button, so that buttons sit in the face.
void paintWells(QPainter& p, const std::vector<ButtonSpec>& buttons, QColor shade) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (const ButtonSpec& b : buttons) {
    const QRectF r = QRectF(b.rect).adjusted(-2.5, -2.5, 2.5, 2.5);
    p.setPen(QPen(shade.lighter(160), 1.0));
    p.setBrush(shade);
    if (b.round) {
      p.drawEllipse(r);
    } else {
      p.drawRoundedRect(r, r.height() / 2.2, r.height() / 2.2);
    }
  }
  p.restore();
}

void paintText(QPainter& p, const QRectF& r, const QString& text, const QFont& f, QColor ink,
               int flags = Qt::AlignLeft | Qt::AlignVCenter) {
  p.setFont(f);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(r.translated(1, 1), flags, text);
  p.setPen(ink);
  p.drawText(r, flags, text);
}

SkinDesign midnight() {
  SkinDesign d;
  d.name = "Midnight";
  d.size = QSize(490, 239);
  d.palette = {QColor(86, 120, 178), QColor(28, 44, 82), QColor(232, 240, 255), QColor(120, 210, 255),
               QColor(214, 72, 64), QColor(120, 24, 20)};
  const int y = 172;
  const QStringList labels = {"MPG1", "MPG2", "VCD", "DVD", "DivX", "AVI"};
  for (int i = 0; i < 6; ++i) {
    d.buttons.push_back({i + 1, QRect(28 + i * 73, y, 68, 30), false, labels[i], Glyph::None});
  }
  d.buttons.push_back({7, QRect(436, 36, 24, 24), true, {}, Glyph::Exit});
  d.buttons.push_back({8, QRect(354, 70, 32, 32), true, {}, Glyph::Menu});
  d.buttons.push_back({9, QRect(398, 70, 32, 32), true, {}, Glyph::Skin});
  d.buttons.push_back({10, QRect(354, 114, 32, 32), true, {}, Glyph::Help});
  d.buttons.push_back({11, QRect(398, 114, 32, 32), true, {}, Glyph::Home});
  d.welcomeTop = QColor(34, 58, 104);
  d.welcomeBottom = QColor(10, 16, 34);
  d.welcomeInk = QColor(200, 228, 255);
  const std::vector<ButtonSpec> buttons = d.buttons;
  d.paintFace = [buttons](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(8, 22, 474, 211), 34, 34);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(140, 4, 210, 40), 16, 16);
    const QPainterPath outline = body.united(tab).simplified();
    QLinearGradient metal(0, 0, 0, 239);
    metal.setColorAt(0, QColor(70, 88, 124));
    metal.setColorAt(0.45, QColor(36, 48, 78));
    metal.setColorAt(1, QColor(14, 20, 36));
    p.setPen(QPen(QColor(8, 12, 24), 2));
    p.setBrush(metal);
    p.drawPath(outline);
    // Inner bevel.
    p.setPen(QPen(QColor(140, 170, 220, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(12, 26, 466, 203), 31, 31);

    paintText(p, QRectF(140, 6, 210, 22), "Vidora Video Convert", font(13, true),
              QColor(226, 236, 255), Qt::AlignCenter);

    // Display window.
    const QRectF screen(26, 56, 310, 98);
    QLinearGradient glass(0, screen.top(), 0, screen.bottom());
    glass.setColorAt(0, QColor(18, 54, 72));
    glass.setColorAt(1, QColor(6, 22, 32));
    p.setPen(QPen(QColor(4, 8, 14), 2));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 10, 10);
    paintReel(p, QPointF(70, 105), 30, QColor(120, 170, 200), QColor(6, 22, 32));
    paintText(p, QRectF(112, 64, 220, 26), "READY", font(20, true), QColor(120, 230, 255));
    paintText(p, QRectF(112, 90, 220, 18), "Pick a conversion below", font(11),
              QColor(150, 200, 220));
    paintText(p, QRectF(112, 110, 220, 18), "AVI  MPEG  VCD  SVCD  DVD  DivX", font(9),
              QColor(90, 160, 190));
    // Level meter decoration.
    for (int i = 0; i < 14; ++i) {
      const int h = 4 + (i * 7 % 11);
      p.fillRect(QRectF(112 + i * 15, 146 - h, 10, h), QColor(60, 190, 230, 90 + i * 8));
    }
    p.setPen(QPen(QColor(140, 200, 255, 60), 1));
    p.drawLine(QPointF(36, 62), QPointF(326, 62));

    paintText(p, QRectF(346, 150, 96, 14), "MENU  SKIN  HELP  WEB", font(7, true),
              QColor(150, 176, 220), Qt::AlignCenter);
    paintWells(p, buttons, QColor(8, 14, 28));
    paintText(p, QRectF(28, 206, 434, 18), "CONVERT TO", font(8, true), QColor(120, 150, 200),
              Qt::AlignCenter);
  };
  return d;
}

SkinDesign ember() {
  SkinDesign d;
  d.name = "Ember";
  d.size = QSize(480, 222);
  d.palette = {QColor(255, 168, 72), QColor(176, 70, 14), QColor(40, 18, 6), QColor(255, 236, 150),
               QColor(90, 90, 96), QColor(34, 34, 38)};
  const QStringList labels = {"MPEG-1", "MPEG-2", "VCD", "DVD", "DivX", "AVI"};
  for (int i = 0; i < 6; ++i) {
    const int row = i / 3;
    const int column = i % 3;
    d.buttons.push_back({i + 1, QRect(226 + column * 76, 70 + row * 42, 70, 32), false,
                         labels[i], Glyph::None});
  }
  auto around = [](double degrees) {
    const double a = degrees * M_PI / 180.0;
    return QRect(static_cast<int>(std::lround(111 + 80 * std::cos(a) - 15)),
                 static_cast<int>(std::lround(111 - 80 * std::sin(a) - 15)), 30, 30);
  };
  d.buttons.push_back({7, around(18), true, {}, Glyph::Exit});
  d.buttons.push_back({8, around(90), true, {}, Glyph::Menu});
  d.buttons.push_back({9, around(162), true, {}, Glyph::Skin});
  d.buttons.push_back({10, around(234), true, {}, Glyph::Help});
  d.buttons.push_back({11, around(306), true, {}, Glyph::Home});
  d.welcomeTop = QColor(70, 36, 16);
  d.welcomeBottom = QColor(16, 10, 8);
  d.welcomeInk = QColor(255, 210, 150);
  const std::vector<ButtonSpec> buttons = d.buttons;
  d.paintFace = [buttons](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath dial;
    dial.addEllipse(QPointF(111, 111), 108, 108);
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(100, 38, 376, 146), 66, 66);
    const QPainterPath outline = dial.united(capsule).simplified();
    QLinearGradient graphite(0, 0, 0, 222);
    graphite.setColorAt(0, QColor(78, 74, 72));
    graphite.setColorAt(0.5, QColor(40, 38, 38));
    graphite.setColorAt(1, QColor(18, 17, 18));
    p.setPen(QPen(QColor(10, 8, 8), 2));
    p.setBrush(graphite);
    p.drawPath(outline);

    // Dial ring with an ember glow.
    QRadialGradient glow(QPointF(111, 111), 104);
    glow.setColorAt(0.55, QColor(255, 120, 30, 0));
    glow.setColorAt(0.8, QColor(255, 120, 30, 70));
    glow.setColorAt(1, QColor(255, 120, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(111, 111), 104, 104);
    p.setPen(QPen(QColor(255, 150, 60, 160), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(111, 111), 100, 100);
    p.setPen(QPen(QColor(0, 0, 0, 160), 3));
    p.drawEllipse(QPointF(111, 111), 56, 56);
    paintReel(p, QPointF(111, 111), 48, QColor(214, 150, 90), QColor(30, 20, 16));

    paintText(p, QRectF(220, 42, 240, 22), "Vidora Video Convert", font(14, true),
              QColor(255, 196, 120));
    p.setPen(QPen(QColor(255, 150, 60, 110), 1));
    p.drawLine(QPointF(224, 64), QPointF(440, 64));
    paintText(p, QRectF(226, 154, 230, 16), "choose a target  \u2022  right-click for more",
              font(9), QColor(200, 160, 120));
    paintWells(p, buttons, QColor(14, 12, 12));
  };
  return d;
}

SkinDesign frost() {
  SkinDesign d;
  d.name = "Frost";
  d.size = QSize(490, 200);
  d.palette = {QColor(252, 253, 255), QColor(164, 176, 192), QColor(28, 40, 64), QColor(30, 130, 230),
               QColor(236, 96, 84), QColor(150, 30, 24)};
  const QStringList labels = {"MPG1", "MPG2", "VCD", "DVD", "DivX", "AVI"};
  for (int i = 0; i < 6; ++i) {
    d.buttons.push_back({i + 1, QRect(72 + i * 59, 118, 54, 36), false, labels[i], Glyph::None});
  }
  d.buttons.push_back({7, QRect(438, 118, 32, 32), true, {}, Glyph::Exit});
  d.buttons.push_back({8, QRect(20, 22, 32, 32), true, {}, Glyph::Menu});
  d.buttons.push_back({9, QRect(20, 70, 32, 32), true, {}, Glyph::Skin});
  d.buttons.push_back({10, QRect(438, 22, 32, 32), true, {}, Glyph::Help});
  d.buttons.push_back({11, QRect(438, 70, 32, 32), true, {}, Glyph::Home});
  d.welcomeTop = QColor(214, 230, 246);
  d.welcomeBottom = QColor(120, 150, 186);
  d.welcomeInk = QColor(20, 40, 80);
  const std::vector<ButtonSpec> buttons = d.buttons;
  d.paintFace = [buttons](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF outline({QPointF(28, 1), QPointF(462, 1), QPointF(489, 38), QPointF(489, 162),
                             QPointF(462, 199), QPointF(28, 199), QPointF(1, 162), QPointF(1, 38)});
    QPainterPath body;
    body.addPolygon(outline);
    body.closeSubpath();
    QLinearGradient silver(0, 0, 0, 200);
    silver.setColorAt(0, QColor(240, 243, 247));
    silver.setColorAt(0.5, QColor(196, 204, 214));
    silver.setColorAt(1, QColor(140, 150, 164));
    p.setPen(QPen(QColor(90, 100, 116), 2));
    p.setBrush(silver);
    p.drawPath(body);
    // Brushed metal: faint horizontal strokes.
    p.save();
    p.setClipPath(body);
    for (int y = 3; y < 200; y += 3) {
      p.setPen(QPen(QColor(255, 255, 255, (y * 37 % 5) * 9), 1));
      p.drawLine(QPointF(0, y), QPointF(490, y));
    }
    p.restore();
    // Wing panels.
    p.setPen(QPen(QColor(120, 130, 146), 1));
    p.setBrush(QColor(170, 180, 194, 120));
    p.drawRoundedRect(QRectF(12, 14, 48, 98), 12, 12);
    p.drawRoundedRect(QRectF(430, 14, 48, 98), 12, 12);

    const QRectF screen(70, 16, 352, 88);
    QLinearGradient glass(0, screen.top(), 0, screen.bottom());
    glass.setColorAt(0, QColor(22, 38, 70));
    glass.setColorAt(1, QColor(8, 14, 30));
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 8, 8);
    paintReel(p, QPointF(112, 60), 30, QColor(170, 200, 235), QColor(8, 14, 30));
    paintText(p, QRectF(154, 24, 260, 28), "Vidora Video Convert", font(19, true),
              QColor(150, 230, 255));
    paintText(p, QRectF(156, 54, 260, 18), "Ready to convert", font(12), QColor(130, 200, 170));
    paintText(p, QRectF(156, 76, 260, 16), "right-click anywhere for the menu", font(10),
              QColor(110, 150, 190));
    paintText(p, QRectF(60, 166, 370, 20), "VIDORA  VIDEO  CONVERT  2.5", font(10, true),
              QColor(70, 80, 98), Qt::AlignCenter);
    paintWells(p, buttons, QColor(120, 130, 146));
  };
  return d;
}

QImage welcomePicture(const SkinDesign& d) {
  QImage image(320, 240, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 240);
  sky.setColorAt(0, d.welcomeTop);
  sky.setColorAt(1, d.welcomeBottom);
  p.fillRect(image.rect(), sky);
  // Film strip across the picture.
  p.fillRect(QRectF(0, 150, 320, 34), QColor(0, 0, 0, 150));
  for (int x = 6; x < 320; x += 18) {
    p.fillRect(QRectF(x, 154, 9, 6), QColor(255, 255, 255, 70));
    p.fillRect(QRectF(x, 174, 9, 6), QColor(255, 255, 255, 70));
  }
  paintReel(p, QPointF(160, 78), 44, d.palette.top, d.welcomeBottom);
  paintText(p, QRectF(0, 192, 320, 24), "Vidora Video Convert", font(18, true), d.welcomeInk,
            Qt::AlignCenter);
  paintText(p, QRectF(0, 214, 320, 18), "Choose the files and press Convert", font(11),
            d.welcomeInk.darker(125), Qt::AlignCenter);
  return image;
}

bool rowIsKey(const QImage& image, int y) {
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixel(x, y) != kKey.rgb()) {
      return false;
    }
  }
  return true;
}

bool writeSkin(SkinDesign d, const QString& folder) {
  QDir().mkpath(folder);
  QImage layer = transparentLayer(d.size);
  {
    QPainter p(&layer);
    d.paintFace(p);
  }
  QImage edge(d.size, QImage::Format_RGB32);
  edge.fill(QColor(12, 12, 16));
  QImage face = flatten(layer, edge);
  // The window's outline is traced from the first row down; a face whose
  // top rows are all key colour leaves slivers, so the face starts at its
  // first painted row and ends at its last.
  int top = 0;
  while (top < face.height() - 1 && rowIsKey(face, top)) {
    ++top;
  }
  int bottom = face.height() - 1;
  while (bottom > top && rowIsKey(face, bottom)) {
    --bottom;
  }
  face = face.copy(0, top, face.width(), bottom - top + 1);
  for (ButtonSpec& b : d.buttons) {
    b.rect.translate(0, -top);
  }
  bool ok = save(face, folder + "/face.bmp");
  for (const ButtonSpec& b : d.buttons) {
    const int fileNumber = b.number == 11 ? 12 : b.number;
    ok = save(buttonStrip(b, d.palette, face), folder + QString("/ctrl%1.bmp").arg(fileNumber)) &&
         ok;
  }
  ok = save(welcomePicture(d), folder + "/welcome.bmp") && ok;

  QFile ini(folder + "/skin.ini");
  if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "reelvise_artwork: cannot write %s\n", qPrintable(ini.fileName()));
    return false;
  }
  QTextStream out(&ini);
  out << "; Reelvise skin \"" << d.name << "\": button=left,top in pixels\r\n";
  out << "[Skin]\r\nName=" << d.name << "\r\n\r\n[Controls]\r\n";
  for (const ButtonSpec& b : d.buttons) {
    out << b.number << '=' << b.rect.x() << ',' << b.rect.y() << "\r\n";
  }
  return ok;
}

QImage splashPicture() {
  QImage image(418, 96, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, 418, 96);
  band.setColorAt(0, QColor(16, 30, 66));
  band.setColorAt(0.6, QColor(36, 70, 140));
  band.setColorAt(1, QColor(90, 40, 120));
  p.fillRect(image.rect(), band);
  for (int x = -96; x < 418; x += 24) {
    p.setPen(QPen(QColor(255, 255, 255, 14), 8));
    p.drawLine(QPointF(x, 96), QPointF(x + 96, 0));
  }
  paintReel(p, QPointF(50, 48), 32, QColor(150, 190, 240), QColor(16, 30, 66));
  paintText(p, QRectF(96, 14, 310, 34), "Vidora Video Convert", font(26, true),
            QColor(240, 246, 255));
  paintText(p, QRectF(98, 50, 310, 18), "AVI \u2022 MPEG-1 \u2022 MPEG-2 \u2022 VCD \u2022 SVCD "
                                        "\u2022 DVD \u2022 DivX", font(11), QColor(180, 206, 250));
  paintText(p, QRectF(98, 70, 200, 16), "Version 2.5   starting\u2026", font(10),
            QColor(150, 176, 226));
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 417, 95));
  return image;
}

QImage aboutIcon() {
  QImage layer = transparentLayer(QSize(48, 48));
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 48);
    tile.setColorAt(0, QColor(60, 100, 180));
    tile.setColorAt(1, QColor(18, 34, 80));
    p.setPen(QPen(QColor(10, 20, 50), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 9, 9);
    paintReel(p, QPointF(24, 24), 17, QColor(170, 205, 245), QColor(18, 34, 80));
  }
  // The about box's panel colour lies beneath the icon.
  QImage panel(48, 48, QImage::Format_RGB32);
  panel.fill(QColor(239, 239, 239));
  QImage out = flatten(layer, panel);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      if (out.pixel(x, y) == kKey.rgb()) {
        out.setPixel(x, y, panel.pixel(x, y));
      }
    }
  }
  return out;
}

QImage aboutBanner() {
  QImage image(266, 41, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, 266, 0);
  band.setColorAt(0, QColor(20, 44, 100));
  band.setColorAt(1, QColor(70, 120, 200));
  p.fillRect(image.rect(), band);
  paintReel(p, QPointF(21, 20.5), 14, QColor(170, 205, 245), QColor(20, 44, 100));
  paintText(p, QRectF(44, 3, 220, 20), "Visit our home page", font(13, true), Qt::white);
  paintText(p, QRectF(44, 22, 220, 16), "news, new skins and help \u25B8", font(10),
            QColor(200, 220, 255));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: reelvise_artwork <output folder>\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  bool ok = writeSkin(midnight(), root + "/SKIN0");
  ok = writeSkin(ember(), root + "/SKIN1") && ok;
  ok = writeSkin(frost(), root + "/SKIN2") && ok;
  QDir().mkpath(root + "/art");
  ok = save(splashPicture(), root + "/art/splash.bmp") && ok;
  ok = save(aboutIcon(), root + "/art/about-icon.bmp") && ok;
  ok = save(aboutBanner(), root + "/art/about-banner.bmp") && ok;
  return ok ? 0 : 1;
}
