#pragma once
#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>

#include "encodery.h"

enum class ConvertMessage {
  OpenRefused,          // "Convert error!" / "Error", error icon
  StartFailedAvi,       // "error convert to avi" / "error"
  StartFailedDivx,      // "error convert to divx" / "error"
  StartFailedMpeg,      // "error convert to mpeg" / "error"
  ConversionFailed,     // the long text / "Vidora Video Convert", warning icon
};

// What the rules need of the dialog's window.
class IConvertView {
 public:
  virtual ~IConvertView() = default;
  virtual void setPercentText(const QString& text) = 0;
  virtual void setProgress(int value) = 0;
  virtual void setInfoEnabled(bool enabled) = 0;
  virtual void setConvertButtonCancel(bool cancel) = 0;  // and repaint
  virtual void setPreviewPictureVisible(bool visible) = 0;
  virtual void showMessage(ConvertMessage message) = 0;
  virtual bool askStopConverting() = 0;  // "Stop the converting?" OK
  virtual void pause(int milliseconds) = 0;
  virtual ENCODERY_PREVIEW* previewHandle() = 0;
};

QString convertMessageText(ConvertMessage message);
QString convertMessageCaption(ConvertMessage message);

// The conversion dialog's rules: the engine object, the state, the convert /
// cancel button and the progress handler.  Lives on the interface thread;
// the engine's reports from its worker are carried over to that thread.
class ConvertDialogLogic : public QObject {
  Q_OBJECT
 public:
  enum State { Idle = 0, Converting = 1, StopRequested = 2 };

  explicit ConvertDialogLogic(IConvertView& view, ENCODERY_FACTORY factory = nullptr);
  ~ConvertDialogLogic() override;

  void setMode(int mode) { mode_ = mode; }
  int mode() const { return mode_; }
  int state() const { return state_; }
  bool holdsEngine() const { return engine_ != nullptr; }

  // Showing the dialog: the controls' resting values.
  void resetForShow();
  // Mouse down on the convert button.
  void convertPressed();
  // Convert / cancel.
  void convertClicked(const QString& inputText, const QString& outputText);
  // The ordered answers to a report (interface thread).
  bool progress(int value);
  // Close button: Release the engine (stops a running conversion) and forget it.
  void releaseEngine();
  // Close query: may the dialog close?
  bool closeQuery();

  // The callback given to the engine; context is the ConvertDialogLogic.
  static ENCODERY_BOOL EngineProgressProc(int32_t value, void* context);

 private:
  struct PendingReport {
    bool done = false;
    bool answer = false;
  };
  bool reportFromWorker(int value);
  void abandonPendingReports();
  void backToIdle();

  IConvertView& view_;
  ENCODERY_FACTORY factory_;
  I_ENCODERY* engine_ = nullptr;
  int state_ = Idle;
  int mode_ = 0;

  std::mutex reportMutex_;
  std::condition_variable reportDone_;
  std::set<std::shared_ptr<PendingReport>> pending_;
  bool abandoned_ = false;
};
