#pragma once
#include <QDialog>
#include <QPixmap>
#include <QRegion>

#include <memory>

#include "core/ConvertDialogLogic.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;
class QToolButton;
class TfrmPreview;
class TTransparentButton;

// The shaped conversion dialog "Vidora Convert".  Use from the main window:
//   frmConvert->prepareMode(mode);       // title, filters, default extension
//   frmConvert->centreOn(mainWindow);
//   frmConvert->showModal(mainWindow);   // hides mainWindow, shows it again on close
class TfrmConvert : public QDialog, private IConvertView {
  Q_OBJECT
 public:
  // preview: the program's preview window (lives as long as the dialog).
  explicit TfrmConvert(TfrmPreview* preview, QWidget* parent = nullptr);
  ~TfrmConvert() override;

  // Mode numbers 0-4, 100, 101; false (nothing changed) for others.
  bool prepareMode(int mode);
  void centreOn(const QWidget* mainWindow);
  int showModal(QWidget* mainWindow);
  // prepareMode + centreOn + showModal.
  int runMode(QWidget* mainWindow, int mode);

  ConvertDialogLogic& logic() { return *logic_; }
  const QRegion& shapeRegion() const { return shapeRegion_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // IConvertView
  void setPercentText(const QString& text) override;
  void setProgress(int value) override;
  void setInfoEnabled(bool enabled) override;
  void setConvertButtonCancel(bool cancel) override;
  void setPreviewPictureVisible(bool visible) override;
  void showMessage(ConvertMessage message) override;
  bool askStopConverting() override;
  void pause(int milliseconds) override;
  ENCODERY_PREVIEW* previewHandle() override;

  void buildControls();
  void revealStep();
  void closeButtonClicked();
  void setRevealRegion(int halfHeight);
  void onInputChanged(const QString& text);

  std::unique_ptr<ConvertDialogLogic> logic_;
  TfrmPreview* preview_;
  QWidget* mainWindow_ = nullptr;
  QPixmap background_;
  QRegion shapeRegion_;
  int revealCounter_ = 0;
  bool dragging_ = false;
  QPoint dragAnchor_;
  bool closingByButton_ = false;
  QString openFilter_, saveFilter_, defaultExtension_;

  QLabel* Image1;
  QLabel* Label_Title;
  QCheckBox* CheckBox1;
  QLabel* Label3;
  TTransparentButton* TransparentButton1;
  QLabel* Label1;
  QLineEdit* Edit_InputFile;
  QToolButton* btnOpen;
  TTransparentButton* btnInfo;
  QLabel* Label2;
  QLineEdit* Edit_OutputFile;
  QToolButton* btnSave;
  TTransparentButton* btnConvert;
  QProgressBar* ProgressBar1;
  QLabel* Label_Percent;
  QTimer* Timer1;
};
