#pragma once

#include "core/Shell.h"

// The desktop's "open" action (the default browser, the help viewer).
class DesktopShell : public reelvise::IShell {
 public:
  bool openUrl(const QString& url) override;
  bool openFile(const QString& path) override;
};
