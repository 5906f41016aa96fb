#include "core/SkinSwitcher.h"

#include <QFileInfo>

#include "core/ProgramFolder.h"

namespace reelvise {

namespace {

constexpr int kIndexChars = 9;
const char* const kIndexKey = "Index";

bool folderExists(const QString& path) {
  return QFileInfo(path).isDir();
}

// The decimal value of the whole text; 0 when it is not a number.
int decimalOrZero(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  return ok ? value : 0;
}

}  // namespace

SkinSwitcher::SkinSwitcher(QString programFolder, I_ZTINI* config, ShapeBuilder shapeBuilder)
    : programFolder_(std::move(programFolder)), config_(config), look_(shapeBuilder) {
  setFolder(programFolder_ + "//SKIN0");
}

QString SkinSwitcher::skinFolder(int skin) const {
  return programFolder_ + "/SKIN" + QString::number(skin);
}

QString SkinSwitcher::thumbnailPath(int skin) const {
  return skinFolder(skin) + "/face.bmp";
}

void SkinSwitcher::setFolder(const QString& folder) {
  currentFolder_ = folder;
  setCurrentSkinFolder(folder);
}

void SkinSwitcher::create() {
  char buffer[kIndexChars + 1] = {};
  if (config_ != nullptr) {
    config_->table->SetFile(config_, "config.ini");
    config_->table->GetString(config_, kIndexKey, "0", buffer, sizeof buffer);
  }
  const int number = decimalOrZero(QString::fromUtf8(buffer));
  setFolder(skinFolder(number));
  currentNumber_ = number;
  look_.load(currentFolder_);

  submenu_.clear();
  for (int n = 0; folderExists(skinFolder(n)); ++n) {
    if (n > 0) {
      submenu_.append(SkinMenuEntry{true, 0});
    }
    submenu_.append(SkinMenuEntry{false, n});
  }
}

void SkinSwitcher::nextSkin() {
  const int next = currentNumber_ + 1;
  switchTo(folderExists(skinFolder(next)) ? next : 0);
}

void SkinSwitcher::selectSubmenuEntry(int position) {
  if (position < 0) {
    return;
  }
  const int skin = position / 2;
  if (folderExists(skinFolder(skin))) {
    switchTo(skin);
  }
}

void SkinSwitcher::switchTo(int number) {
  setFolder(skinFolder(number));
  currentNumber_ = number;
  writeIndex(number);
  look_.load(currentFolder_);
}

void SkinSwitcher::writeIndex(int number) {
  if (config_ == nullptr) {
    return;
  }
  config_->table->SetString(config_, kIndexKey, QString::number(number).toUtf8().constData());
}

}  // namespace reelvise
