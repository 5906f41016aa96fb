#include "ui/OwnerMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kTextIndent = 18;
constexpr int kArrowRoom = 16;

}  // namespace

void drawMenuSeparator(QPainter& canvas, const QRect& rect) {
  const int right = rect.left() + rect.width();
  canvas.drawLine(rect.left(), rect.top() + 2, right, rect.top() + 2);
  canvas.save();
  canvas.setPen(Qt::white);
  canvas.drawLine(rect.left(), rect.top() + 3, right, rect.top() + 3);
  canvas.restore();
}

void drawMenuBanner(QPainter& canvas, const QRect& rect, const QString& text) {
  const int height = rect.height();
  const QList<QRgb> rows = reelvise::bannerRowColours(height);
  for (int y = 0; y < height; ++y) {
    canvas.fillRect(QRect(rect.left(), rect.top() + y, rect.width(), 1), QColor(rows[y]));
  }
  canvas.save();
  QFont font = canvas.font();
  font.setPointSize(10);
  canvas.setFont(font);
  canvas.setPen(QColor(254, 14, 0));
  canvas.setBrush(Qt::NoBrush);
  // Reads upwards from the bottom-left corner.
  canvas.translate(rect.left() + 2, rect.top() + height - 3);
  canvas.rotate(-90);
  canvas.drawText(QPoint(0, canvas.fontMetrics().ascent()), text);
  canvas.restore();
}

TPopupMenu::TPopupMenu(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
  setMouseTracking(true);
  // Menus keep the ordinary desktop look, whatever the owner's palette.
  setPalette(QApplication::palette("QMenu"));
  setFont(QApplication::font("QMenu"));
}

TPopupMenu::~TPopupMenu() = default;

TMenuItem* TPopupMenu::addItem(const QString& caption) {
  return insertItem(count(), caption);
}

TMenuItem* TPopupMenu::insertItem(int position, const QString& caption) {
  auto item = std::make_unique<TMenuItem>();
  item->caption = caption;
  if (caption == QLatin1String("-")) {
    item->enabled = false;
  }
  TMenuItem* raw = item.get();
  items_.insert(items_.begin() + std::clamp(position, 0, count()), std::move(item));
  return raw;
}

TPopupMenu* TPopupMenu::addSubmenu(TMenuItem* item) {
  auto* menu = new TPopupMenu(this);
  menu->parentMenu_ = this;
  submenus_.push_back(menu);
  item->submenu = menu;
  return menu;
}

int TPopupMenu::proposedEntryHeight() const {
  return std::max(fontMetrics().height() + 6, 19);
}

QSize TPopupMenu::measure(const TMenuItem& item) const {
  if (item.onMeasure) {
    return item.onMeasure(proposedEntryHeight());
  }
  if (item.isSeparator()) {
    return {0, kSeparatorHeight};
  }
  return {fontMetrics().horizontalAdvance(item.caption) + kTextIndent + kArrowRoom,
          proposedEntryHeight()};
}

void TPopupMenu::relayout() {
  QList<reelvise::MenuEntryMeasure> measures;
  for (const auto& item : items_) {
    measures.append({measure(*item), item->breakColumn});
  }
  layout_ = reelvise::layoutMenu(measures);
  resize(layout_.total);
}

QRect TPopupMenu::itemRect(int index) const {
  return index >= 0 && index < layout_.rects.size() ? layout_.rects[index] : QRect();
}

int TPopupMenu::itemAt(const QPoint& localPos) const {
  for (int i = 0; i < layout_.rects.size(); ++i) {
    if (layout_.rects[i].contains(localPos)) {
      return i;
    }
  }
  return -1;
}

void TPopupMenu::popup(const QPoint& globalPos) {
  relayout();
  active_ = -1;
  QPoint pos = globalPos;
  if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
    const QRect area = screen->availableGeometry();
    pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - width())));
    pos.setY(std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() - height())));
  }
  move(pos);
  show();
  raise();
}

void TPopupMenu::drawOrdinary(QPainter& painter, const TMenuItem& item, const QRect& rect,
                              bool selected) const {
  if (item.isSeparator()) {
    painter.setPen(palette().color(QPalette::Mid));
    drawMenuSeparator(painter, rect);
    return;
  }
  if (selected) {
    painter.fillRect(rect, palette().color(QPalette::Highlight));
  }
  QColor textColour = palette().color(selected ? QPalette::HighlightedText : QPalette::WindowText);
  if (!item.enabled) {
    textColour = palette().color(QPalette::Disabled, QPalette::WindowText);
  }
  painter.setPen(textColour);
  painter.drawText(rect.adjusted(kTextIndent, 0, -kArrowRoom, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   item.caption);
  if (item.submenu != nullptr) {
    const int x = rect.right() - 9;
    const int y = rect.center().y();
    painter.setBrush(textColour);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(x, y - 4), QPoint(x + 4, y), QPoint(x, y + 4)}));
  }
}

void TPopupMenu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Window));
  // Raised frame, as the desktop draws pop-up menus.
  painter.setPen(colours.color(QPalette::Light));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.drawLine(0, 0, 0, height() - 1);
  painter.setPen(colours.color(QPalette::Shadow));
  painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
  painter.drawLine(0, height() - 1, width() - 1, height() - 1);

  for (int i = 0; i < count(); ++i) {
    const TMenuItem& entry = *items_[static_cast<std::size_t>(i)];
    const QRect area = layout_.rects[i];
    const bool selected = i == active_ && entry.enabled;
    painter.save();
    painter.setClipRect(area);
    painter.setPen(colours.color(QPalette::Mid));
    if (entry.onDraw) {
      if (selected) {
        painter.fillRect(area, colours.color(QPalette::Highlight));
      }
      entry.onDraw(painter, area, selected);
    } else {
      drawOrdinary(painter, entry, area, selected);
    }
    painter.restore();
  }
}

void TPopupMenu::hoverItem(int index) {
  if (index == active_) {
    return;
  }
  active_ = index;
  update();
  const TMenuItem* entry = index >= 0 ? items_[static_cast<std::size_t>(index)].get() : nullptr;
  if (entry != nullptr && entry->submenu != nullptr && entry->enabled) {
    showSubmenu(index);
  } else {
    closeSubmenu();
  }
}

void TPopupMenu::showSubmenu(int index) {
  TPopupMenu* submenu = items_[static_cast<std::size_t>(index)]->submenu;
  if (openSub_ == submenu && submenu->isVisible()) {
    return;
  }
  closeSubmenu();
  openSub_ = submenu;
  submenu->relayout();
  const QRect area = itemRect(index);
  QPoint pos = mapToGlobal(QPoint(area.right() + 1, area.top() - reelvise::kMenuFrame));
  if (const QScreen* screen = QGuiApplication::screenAt(pos)) {
    if (pos.x() + submenu->width() > screen->availableGeometry().right()) {
      pos.setX(mapToGlobal(QPoint(area.left(), 0)).x() - submenu->width());
    }
  }
  submenu->popup(pos);
}

void TPopupMenu::closeSubmenu() {
  if (openSub_ != nullptr) {
    openSub_->closeSubmenu();
    openSub_->hide();
    openSub_ = nullptr;
  }
}

void TPopupMenu::closeChain() {
  TPopupMenu* top = this;
  while (top->parentMenu_ != nullptr) {
    top = top->parentMenu_;
  }
  top->closeSubmenu();
  top->hide();
}

void TPopupMenu::activateItem(int index) {
  if (index < 0 || index >= count()) {
    return;
  }
  TMenuItem* entry = items_[static_cast<std::size_t>(index)].get();
  if (!entry->enabled) {
    return;
  }
  if (entry->submenu != nullptr) {
    hoverItem(index);
    return;
  }
  closeChain();
  if (entry->onClick) {
    entry->onClick();
  }
}

bool TPopupMenu::handleMove(const QPoint& globalPos) {
  if (openSub_ != nullptr && openSub_->isVisible() && openSub_->handleMove(globalPos)) {
    return true;
  }
  const QPoint local = mapFromGlobal(globalPos);
  if (!rect().contains(local)) {
    return false;
  }
  const int index = itemAt(local);
  if (index >= 0) {
    hoverItem(index);
  }
  return true;
}

bool TPopupMenu::handleRelease(const QPoint& globalPos) {
  if (openSub_ != nullptr && openSub_->isVisible() && openSub_->handleRelease(globalPos)) {
    return true;
  }
  const QPoint local = mapFromGlobal(globalPos);
  if (!rect().contains(local)) {
    return false;
  }
  activateItem(itemAt(local));
  return true;
}

void TPopupMenu::mouseMoveEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  // The topmost pop-up gets every move; the menus beneath it follow too.
  for (TPopupMenu* menu = this; menu != nullptr; menu = menu->parentMenu_) {
    if (menu->rect().contains(menu->mapFromGlobal(global))) {
      menu->handleMove(global);
      return;
    }
  }
}

void TPopupMenu::mousePressEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  for (TPopupMenu* menu = this; menu != nullptr; menu = menu->parentMenu_) {
    if (menu->rect().contains(menu->mapFromGlobal(global))) {
      return;
    }
  }
  closeChain();
}

void TPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  for (TPopupMenu* menu = this; menu != nullptr; menu = menu->parentMenu_) {
    if (menu->rect().contains(menu->mapFromGlobal(global))) {
      menu->handleRelease(global);
      return;
    }
  }
}

void TPopupMenu::stepActive(int direction) {
  int index = active_ >= 0 ? active_ : (direction > 0 ? -1 : count());
  for (int step = 0; step < count(); ++step) {
    index = (index + direction + count()) % count();
    const TMenuItem& entry = *items_[static_cast<std::size_t>(index)];
    if (entry.enabled && !entry.isSeparator()) {
      hoverItem(index);
      return;
    }
  }
}

void TPopupMenu::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (parentMenu_ != nullptr) {
        parentMenu_->closeSubmenu();
      } else {
        hide();
      }
      return;
    case Qt::Key_Down:
      stepActive(1);
      return;
    case Qt::Key_Up:
      stepActive(-1);
      return;
    case Qt::Key_Left:
      if (parentMenu_ != nullptr) {
        parentMenu_->closeSubmenu();
      }
      return;
    case Qt::Key_Right:
      if (openSub_ != nullptr && openSub_->isVisible()) {
        openSub_->stepActive(1);
      }
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      activateItem(active_);
      if (openSub_ != nullptr && openSub_->isVisible()) {
        openSub_->stepActive(1);
      }
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TPopupMenu::hideEvent(QHideEvent* event) {
  closeSubmenu();
  active_ = -1;
  QWidget::hideEvent(event);
}
