#pragma once

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "core/MenuLayout.h"

class TPopupMenu;

// One entry of an owner-drawn pop-up menu. An entry without a measure or
// draw handler is measured and drawn the ordinary way; the caption "-"
// makes a separator.
struct TMenuItem {
  QString caption;
  bool enabled = true;
  bool breakColumn = false;  // starts a new column
  // Receives the height the menu proposes for one captioned entry.
  std::function<QSize(int proposedHeight)> onMeasure;
  std::function<void(QPainter& canvas, const QRect& rect, bool selected)> onDraw;
  std::function<void()> onClick;
  TPopupMenu* submenu = nullptr;  // owned by the menu that holds the entry

  bool isSeparator() const { return caption == QLatin1String("-"); }
};

// A pop-up menu whose entries may measure and draw themselves, laid out in
// columns; entries with a submenu open it beside themselves.
class TPopupMenu : public QWidget {
  Q_OBJECT
 public:
  explicit TPopupMenu(QWidget* owner = nullptr);
  ~TPopupMenu() override;

  TMenuItem* addItem(const QString& caption);
  TMenuItem* insertItem(int position, const QString& caption);
  // A new submenu held by `item`.
  TPopupMenu* addSubmenu(TMenuItem* item);
  int count() const { return static_cast<int>(items_.size()); }
  TMenuItem* item(int index) { return items_.at(static_cast<std::size_t>(index)).get(); }

  // Height of one captioned entry in the menu's font.
  int proposedEntryHeight() const;

  // Shows the menu with its top-left corner at `globalPos`, kept on screen.
  void popup(const QPoint& globalPos);
  // The submenu shown now, if any.
  TPopupMenu* openSubmenu() const { return openSub_; }
  QRect itemRect(int index) const;
  // Highlights the entry (and opens its submenu) as the mouse would.
  void hoverItem(int index);
  // Runs the entry as a click would.
  void activateItem(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void relayout();
  int itemAt(const QPoint& localPos) const;
  bool handleMove(const QPoint& globalPos);
  bool handleRelease(const QPoint& globalPos);
  void showSubmenu(int index);
  void closeSubmenu();
  void closeChain();
  void stepActive(int direction);
  QSize measure(const TMenuItem& item) const;
  void drawOrdinary(QPainter& painter, const TMenuItem& item, const QRect& rect,
                    bool selected) const;

  std::vector<std::unique_ptr<TMenuItem>> items_;
  std::vector<TPopupMenu*> submenus_;
  reelvise::MenuLayoutResult layout_;
  TPopupMenu* parentMenu_ = nullptr;
  TPopupMenu* openSub_ = nullptr;
  int active_ = -1;
};

// The two owner-draw routines of the main window's menu.
void drawMenuSeparator(QPainter& canvas, const QRect& rect);
void drawMenuBanner(QPainter& canvas, const QRect& rect, const QString& text);
