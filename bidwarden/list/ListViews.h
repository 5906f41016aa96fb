#pragma once
#include <QString>

namespace bw {

// What the refresh loop shows while it walks the list. The window layer
// fills it with the splash window, status bar and event loop; the default
// shows nothing.
class RefreshProgressView {
 public:
  virtual ~RefreshProgressView() = default;
  // The splash window's loading caption, repainted at once.
  virtual void setSplashCaption(const QString& caption) = 0;
  // The first panel of the main window's status bar.
  virtual void setStatusText(const QString& text) = 0;
  // Lets the window system process pending messages.
  virtual void processPendingMessages() = 0;
};

// What loading and saving tell the main window.
class AuctionsFileView {
 public:
  virtual ~AuctionsFileView() = default;
  virtual void setMainCaption(const QString& caption) = 0;
  // A load stopped at `lineNumber` (1-based) of `path`; the whole file was
  // kept as `copyPath` (empty when it could not be copied, in which case
  // the list refuses to save over the file).
  virtual void tellUnreadLinesKept(const QString& path, int lineNumber,
                                   const QString& copyPath) = 0;
};

class NoRefreshProgressView final : public RefreshProgressView {
 public:
  void setSplashCaption(const QString&) override {}
  void setStatusText(const QString&) override {}
  void processPendingMessages() override {}
};

class NoAuctionsFileView final : public AuctionsFileView {
 public:
  void setMainCaption(const QString&) override {}
  void tellUnreadLinesKept(const QString&, int, const QString&) override {}
};

}  // namespace bw
