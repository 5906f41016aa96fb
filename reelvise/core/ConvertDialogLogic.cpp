#include "core/ConvertDialogLogic.h"

#include <QByteArray>
#include <QMetaObject>
#include <QThread>

#include "core/EngineBinding.h"

QString convertMessageText(ConvertMessage message) {
  switch (message) {
    case ConvertMessage::OpenRefused: return QStringLiteral("Convert error!");
    case ConvertMessage::StartFailedAvi: return QStringLiteral("error convert to avi");
    case ConvertMessage::StartFailedDivx: return QStringLiteral("error convert to divx");
    case ConvertMessage::StartFailedMpeg: return QStringLiteral("error convert to mpeg");
    case ConvertMessage::ConversionFailed:
      return QStringLiteral(
          "Can not complete the converting.\n"
          "Please check if the input file is really AVI format.\n"
          "Try convert it to AVI with 'ALL to AVI' or 'ALL to DivX' first.\n");
  }
  return {};
}

QString convertMessageCaption(ConvertMessage message) {
  switch (message) {
    case ConvertMessage::OpenRefused: return QStringLiteral("Error");
    case ConvertMessage::ConversionFailed: return QStringLiteral("Vidora Video Convert");
    default: return QStringLiteral("error");
  }
}

ConvertDialogLogic::ConvertDialogLogic(IConvertView& view, ENCODERY_FACTORY factory)
    : view_(view), factory_(factory != nullptr ? factory : &NEW_ENCODERY) {}

ConvertDialogLogic::~ConvertDialogLogic() { releaseEngine(); }

void ConvertDialogLogic::resetForShow() {
  view_.setProgress(0);
  view_.setPercentText(QStringLiteral("0/100"));
  view_.setInfoEnabled(true);
  view_.setConvertButtonCancel(false);
}

void ConvertDialogLogic::convertPressed() {
  if (state_ != Converting) view_.setPercentText(QStringLiteral("Loading..."));
}

void ConvertDialogLogic::convertClicked(const QString& inputText, const QString& outputText) {
  if (state_ == Converting) {
    state_ = StopRequested;
    view_.setConvertButtonCancel(false);
    return;
  }
  if (engine_ == nullptr) engine_ = factory_();
  if (engine_ == nullptr) return;
  // A report of the stopped conversion still waiting here is answered "stop"
  // now, so that its worker can end while the next one starts.
  abandonPendingReports();

  const QByteArray input = inputText.toUtf8();
  const QByteArray output = outputText.toUtf8();
  if (!engine_->vtbl->OpenFile(engine_, input.constData())) {
    view_.setPercentText(QStringLiteral("0/100"));
    view_.showMessage(ConvertMessage::OpenRefused);
    return;
  }
  engine_->vtbl->GetFileValue(engine_);

  ENCODERY_PREVIEW* preview = view_.previewHandle();
  bool started = false;
  ConvertMessage failure = ConvertMessage::StartFailedMpeg;
  if (mode_ == 100) {
    started = engine_->vtbl->ConvertToAvi(engine_, input.constData(), output.constData(), preview,
                                          &ConvertDialogLogic::EngineProgressProc, this);
    failure = ConvertMessage::StartFailedAvi;
  } else if (mode_ == 101) {
    started = engine_->vtbl->ConvertToDivX(engine_, input.constData(), output.constData(), preview,
                                           &ConvertDialogLogic::EngineProgressProc, this);
    failure = ConvertMessage::StartFailedDivx;
  } else {
    engine_->vtbl->SetMpegMode(engine_, mode_, 1);
    started = engine_->vtbl->ConvertToMpeg(engine_, input.constData(), output.constData(), preview,
                                           &ConvertDialogLogic::EngineProgressProc, this);
  }
  if (!started) {
    view_.setPercentText(QStringLiteral("0/100"));
    view_.showMessage(failure);
    return;
  }
  state_ = Converting;
  view_.setConvertButtonCancel(true);
  view_.setInfoEnabled(false);
  view_.setPreviewPictureVisible(false);
}

void ConvertDialogLogic::backToIdle() {
  state_ = Idle;
  view_.setInfoEnabled(true);
  view_.setPreviewPictureVisible(true);
}

bool ConvertDialogLogic::progress(int value) {
  if (value == -1) {
    backToIdle();
    view_.setConvertButtonCancel(false);
    view_.showMessage(ConvertMessage::ConversionFailed);
    return false;
  }
  if (state_ == StopRequested) {
    backToIdle();
    return false;
  }
  if (value == 100) {
    backToIdle();
    view_.setConvertButtonCancel(false);
    view_.setPercentText(QStringLiteral("100%"));
    view_.setProgress(100);
    return true;
  }
  view_.setProgress(value);
  view_.setPercentText(QString::asprintf("%d%%", value));
  return true;
}

void ConvertDialogLogic::releaseEngine() {
  if (engine_ == nullptr) return;
  {
    // Reports of the worker are answered "stop" from here on, so that
    // Release, which waits for the worker, cannot wait for this thread.
    std::lock_guard lock(reportMutex_);
    abandoned_ = true;
  }
  abandonPendingReports();
  engine_->vtbl->Release(engine_);
  engine_ = nullptr;
  // A released engine reports nothing more: the conversion is over.
  state_ = Idle;
  std::lock_guard lock(reportMutex_);
  abandoned_ = false;
}

bool ConvertDialogLogic::closeQuery() {
  if (state_ != Converting) return true;
  if (!view_.askStopConverting()) return false;
  state_ = StopRequested;
  view_.pause(1000);
  return true;
}

ENCODERY_BOOL ConvertDialogLogic::EngineProgressProc(int32_t value, void* context) {
  auto* logic = static_cast<ConvertDialogLogic*>(context);
  if (logic == nullptr) return 0;
  if (QThread::currentThread() == logic->thread()) return logic->progress(value) ? 1 : 0;
  return logic->reportFromWorker(value) ? 1 : 0;
}

bool ConvertDialogLogic::reportFromWorker(int value) {
  auto report = std::make_shared<PendingReport>();
  {
    std::lock_guard lock(reportMutex_);
    if (abandoned_) return false;
    pending_.insert(report);
  }
  QMetaObject::invokeMethod(
      this,
      [this, report, value] {
        {
          std::lock_guard lock(reportMutex_);
          if (report->done) return;
        }
        const bool answer = progress(value);
        {
          std::lock_guard lock(reportMutex_);
          if (!report->done) {
            report->done = true;
            report->answer = answer;
          }
          pending_.erase(report);
        }
        reportDone_.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(reportMutex_);
  reportDone_.wait(lock, [&] { return report->done; });
  pending_.erase(report);
  return report->answer;
}

void ConvertDialogLogic::abandonPendingReports() {
  {
    std::lock_guard lock(reportMutex_);
    for (const auto& report : pending_) {
      report->done = true;
      report->answer = false;
    }
    pending_.clear();
  }
  reportDone_.notify_all();
}
