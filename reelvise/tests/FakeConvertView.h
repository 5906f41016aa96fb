#pragma once
#include <QStringList>

#include <vector>

#include "core/ConvertDialogLogic.h"

// Records what the dialog's rules show.
struct FakeConvertView : IConvertView {
  QString percent = "untouched";
  int progressValue = -99;
  bool infoEnabled = true;
  bool cancelShown = false;
  bool pictureVisible = true;
  std::vector<ConvertMessage> messages;
  bool answerStop = true;
  int questions = 0;
  std::vector<int> pauses;
  ENCODERY_PREVIEW preview{};

  void setPercentText(const QString& text) override { percent = text; }
  void setProgress(int value) override { progressValue = value; }
  void setInfoEnabled(bool enabled) override { infoEnabled = enabled; }
  void setConvertButtonCancel(bool cancel) override { cancelShown = cancel; }
  void setPreviewPictureVisible(bool visible) override { pictureVisible = visible; }
  void showMessage(ConvertMessage message) override { messages.push_back(message); }
  bool askStopConverting() override {
    ++questions;
    return answerStop;
  }
  void pause(int milliseconds) override { pauses.push_back(milliseconds); }
  ENCODERY_PREVIEW* previewHandle() override { return &preview; }
};
