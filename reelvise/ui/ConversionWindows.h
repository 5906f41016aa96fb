#pragma once
class TfrmConvert;
class TfrmPreview;
class TInfoDlg;

// The conversion side's windows, made once at start-up and kept until the
// end (the preview outlives the dialog that hands its handle to the engine).
struct ConversionWindows {
  TfrmPreview* preview = nullptr;
  TfrmConvert* convert = nullptr;
  TInfoDlg* info = nullptr;
};
ConversionWindows CreateConversionWindows();
void DestroyConversionWindows(ConversionWindows& windows);
