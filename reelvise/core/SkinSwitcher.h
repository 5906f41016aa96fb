#pragma once

#include <QList>
#include <QString>

#include "core/SkinLook.h"
#include "core/ztini.h"

namespace reelvise {

// One entry of the skin submenu: a thumbnail of a skin or a separator.
struct SkinMenuEntry {
  bool separator = false;
  int skin = 0;
  bool operator==(const SkinMenuEntry&) const = default;
};

// The main window's rules for skins: which skin is current, where its
// folder is, what "config.ini" remembers, and the entries of the skin
// submenu. Every change of skin writes "Index" at once and publishes the
// folder as the process-wide current skin folder.
class SkinSwitcher {
 public:
  // `config` reads and writes "config.ini"; not owned, must outlive this.
  SkinSwitcher(QString programFolder, I_ZTINI* config, ShapeBuilder shapeBuilder);

  // What the window does when it is created: read "Index", load that skin,
  // build the submenu entries.
  void create();
  // Button 9: the following skin, or skin 0 when its folder is missing.
  void nextSkin();
  // A click on the submenu entry at `position` (separators included).
  void selectSubmenuEntry(int position);

  int currentNumber() const { return currentNumber_; }
  const QString& currentFolder() const { return currentFolder_; }
  const SkinLook& look() const { return look_; }
  const QList<SkinMenuEntry>& submenu() const { return submenu_; }
  // The picture a submenu entry of `skin` shows.
  QString thumbnailPath(int skin) const;
  QString skinFolder(int skin) const;

 private:
  void switchTo(int number);
  void writeIndex(int number);
  void setFolder(const QString& folder);

  QString programFolder_;
  I_ZTINI* config_;
  SkinLook look_;
  int currentNumber_ = 0;
  QString currentFolder_;
  QList<SkinMenuEntry> submenu_;
};

}  // namespace reelvise
