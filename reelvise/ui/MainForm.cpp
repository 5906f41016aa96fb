#include "ui/MainForm.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "core/ProgramFolder.h"
#include "core/Shell.h"
#include "ui/OwnerMenu.h"
#include "ui/TransparentButton.h"

using reelvise::MainCommand;

namespace {

constexpr int kThumbnailWidth = 142;
constexpr int kThumbnailHeight = 51;

// White (the picture's own transparent colour) and the skin's key colour
// are left out, so that a thumbnail shows only the face.
QImage thumbnailOf(const QString& facePath) {
  QImage face(facePath);
  if (face.isNull()) {
    return {};
  }
  face = face.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < face.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
    for (int x = 0; x < face.width(); ++x) {
      const QRgb opaque = row[x] | 0xFF000000;
      if (opaque == 0xFFFFFFFF || opaque == reelvise::kSkinKeyColour) {
        row[x] = 0;
      }
    }
  }
  return face;
}

}  // namespace

void TFaceImage::setPicture(const QImage& picture) {
  picture_ = picture;
  resize(picture.size());
  update();
}

void TFaceImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

QImage defaultMainFace() {
  QImage face(490, 239, QImage::Format_RGB32);
  face.fill(QColor(255, 0, 255));
  QPainter painter(&face);
  QPainterPath plate;
  plate.addRoundedRect(QRectF(0, 0, 490, 239), 24, 24);
  painter.fillPath(plate, QColor(48, 52, 60));
  painter.setPen(QColor(230, 230, 235));
  QFont font = painter.font();
  font.setPixelSize(22);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(0, 70, 490, 40), Qt::AlignCenter, reelvise::kProductTitle);
  font.setPixelSize(13);
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(QRect(0, 120, 490, 40), Qt::AlignCenter,
                   "No skin found beside the program. Right-click for the menu.");
  return face;
}

TForm1::TForm1(reelvise::IShell& shell, IMainWindowPeers& peers, I_ZTINI* config,
               reelvise::ShapeBuilder shapeBuilder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      shell_(shell),
      peers_(peers),
      config_(config),
      switcher_(std::make_unique<reelvise::SkinSwitcher>(programFolder(), config, shapeBuilder)) {
  setObjectName("Form1");
  // The buttons' hints show even before the window is first activated.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  setWindowTitle("Form1");
  resize(490, 239);

  Image1 = new TFaceImage(this);
  Image1->setObjectName("Image1");
  Image1->move(0, 0);
  Image1->installEventFilter(this);
  const QImage defaultFace = defaultMainFace();
  Image1->setPicture(defaultFace);
  setMask(shapeBuilder(defaultFace));

  for (int number = 1; number <= reelvise::kSkinButtonCount; ++number) {
    auto* button = new TTransparentButton(this);
    // Until a skin places it, a button has no size and cannot be hit.
    button->setGeometry(0, 0, 0, 0);
    button->setObjectName(QString("Button_Ctrl%1").arg(number));
    const reelvise::MainButtonInfo& info = reelvise::mainButtonInfo(number);
    button->setToolTip(QString::fromLatin1(info.hint));
    const MainCommand command = info.command;
    connect(button, &TTransparentButton::clicked, this, [this, command] { runCommand(command); });
    buttons_.at(number - 1) = button;
  }

  // Creation: centred on the desktop, then the remembered skin.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
  }
  switcher_->create();
  applyLook();
  buildPopupMenu();
}

TForm1::~TForm1() = default;

void TForm1::applyLook() {
  const reelvise::SkinLook& look = switcher_->look();
  if (look.face().isNull()) {
    return;
  }
  Image1->setPicture(look.face());
  resize(look.face().size());
  for (int number = 1; number <= reelvise::kSkinButtonCount; ++number) {
    const reelvise::SkinButton& state = look.button(number);
    TTransparentButton* button = buttons_.at(number - 1);
    button->setGeometry(QRect(state.position, state.size));
    button->setImages(state.images);
    button->raise();
  }
  setMask(look.shape());
}

void TForm1::runCommand(MainCommand command) {
  const int mode = reelvise::conversionModeOf(command);
  if (mode >= 0) {
    peers_.runConversion(this, mode);
    return;
  }
  switch (command) {
    case MainCommand::Exit:
      close();
      break;
    case MainCommand::ViewMenu:
      PopupMenu1->popup(QCursor::pos());
      break;
    case MainCommand::ChangeSkin:
      switcher_->nextSkin();
      applyLook();
      break;
    case MainCommand::Help:
      openHelp();
      break;
    case MainCommand::HomePage:
      openHomePage();
      break;
    case MainCommand::FileInfo: {
      const QString path = peers_.chooseInfoFile(this);
      if (!path.isEmpty()) {
        peers_.showFileInfo(this, path);
      }
      break;
    }
    case MainCommand::About:
      peers_.showAbout(this);
      break;
    default:
      break;
  }
}

void TForm1::openHelp() {
  const QString index = programFolder() + '/' + reelvise::kHelpIndex;
  if (!QFileInfo(index).isFile() || !shell_.openFile(index)) {
    QMessageBox::warning(this, "Warning", "Can not open the help file!");
  }
}

void TForm1::openHomePage() {
  if (!shell_.openUrl(reelvise::kHomePageUrl)) {
    QMessageBox::warning(nullptr, "Warning", "Can not open the home page!");
  }
}

void TForm1::buildPopupMenu() {
  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  auto command = [this](MainCommand which) { return [this, which] { runCommand(which); }; };
  auto separator = [this] {
    TMenuItem* item = PopupMenu1->addItem("-");
    item->onDraw = [](QPainter& canvas, const QRect& rect, bool) { drawMenuSeparator(canvas, rect); };
  };

  TMenuItem* banner = PopupMenu1->addItem(QString());
  banner->enabled = false;
  banner->onMeasure = [](int proposedHeight) {
    return QSize(reelvise::kBannerWidth, reelvise::bannerHeight(proposedHeight));
  };
  banner->onDraw = [](QPainter& canvas, const QRect& rect, bool) {
    drawMenuBanner(canvas, rect, reelvise::kProductTitle);
  };

  TMenuItem* convert = PopupMenu1->addItem("Convert");
  convert->breakColumn = true;
  TPopupMenu* conversions = PopupMenu1->addSubmenu(convert);
  for (const reelvise::ConversionEntry& entry : reelvise::kConversionEntries) {
    conversions->addItem(entry.caption)->onClick = command(entry.command);
  }

  PopupMenu1->addItem("File Info...")->onClick = command(MainCommand::FileInfo);
  separator();
  PopupMenu1->addItem("HomePage")->onClick = command(MainCommand::HomePage);
  separator();
  TMenuItem* selectSkin = PopupMenu1->addItem("SelectSkin   ");
  skinSubmenu_ = PopupMenu1->addSubmenu(selectSkin);
  buildSkinSubmenu();
  PopupMenu1->addItem("Help")->onClick = command(MainCommand::Help);
  PopupMenu1->addItem("About")->onClick = command(MainCommand::About);
  separator();
  PopupMenu1->addItem("Exit")->onClick = command(MainCommand::Exit);
}

void TForm1::buildSkinSubmenu() {
  const QList<reelvise::SkinMenuEntry>& entries = switcher_->submenu();
  for (int position = 0; position < entries.size(); ++position) {
    if (entries[position].separator) {
      skinSubmenu_->addItem("-");
      continue;
    }
    TMenuItem* item = skinSubmenu_->addItem(QString());
    const QString facePath = switcher_->thumbnailPath(entries[position].skin);
    item->onMeasure = [](int) { return QSize(kThumbnailWidth, kThumbnailHeight); };
    item->onDraw = [facePath](QPainter& canvas, const QRect& rect, bool) {
      const QImage thumbnail = thumbnailOf(facePath);
      if (!thumbnail.isNull()) {
        canvas.setRenderHint(QPainter::SmoothPixmapTransform);
        canvas.drawImage(rect, thumbnail);
      }
    };
    item->onClick = [this, position] {
      switcher_->selectSubmenuEntry(position);
      applyLook();
    };
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1) {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        dragging_ = true;
        dragAnchor_ = mouse->position().toPoint();
      }
    } else if (event->type() == QEvent::MouseMove) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragging_ && (mouse->buttons() & Qt::LeftButton)) {
        move(pos() + mouse->position().toPoint() - dragAnchor_);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1->popup(event->globalPos());
}
