#include "ui/ConversionWindows.h"

#include "ui/FrmConvert.h"
#include "ui/FrmPreview.h"
#include "ui/InfoDlg.h"

ConversionWindows CreateConversionWindows() {
  ConversionWindows windows;
  windows.preview = new TfrmPreview();
  windows.convert = new TfrmConvert(windows.preview);
  windows.info = new TInfoDlg();
  setInfoDlg(windows.info);
  return windows;
}

void DestroyConversionWindows(ConversionWindows& windows) {
  delete windows.convert;  // releases its engine first
  delete windows.preview;
  setInfoDlg(nullptr);
  delete windows.info;
  windows = {};
}
