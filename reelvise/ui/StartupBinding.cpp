#include "ui/StartupBinding.h"

#include <QMessageBox>

#include "core/EngineBinding.h"

bool BindEngineOrExplain() {
  if (BindEngine()) return true;
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("error"), QStringLiteral("Can not find DLL"),
                  QMessageBox::Ok);
  box.exec();
  return false;
}
