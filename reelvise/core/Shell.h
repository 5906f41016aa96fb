#pragma once

#include <QString>

namespace reelvise {

// The desktop shell's "open" action: help pages and the home page go
// through it, so that windows can be tested without starting a browser.
class IShell {
 public:
  virtual ~IShell() = default;
  // False when the desktop could not open it.
  virtual bool openUrl(const QString& url) = 0;
  virtual bool openFile(const QString& path) = 0;
};

}  // namespace reelvise
