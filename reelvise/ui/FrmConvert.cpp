#include "ui/FrmConvert.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "core/ConversionModes.h"
#include "core/ShapeRegion.h"
#include "ui/ConvertArtwork.h"
#include "ui/FrmPreview.h"
#include "ui/TransparentButton.h"
#include "ui/InfoDlg.h"

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  l->setGeometry(at);
  l->setAttribute(Qt::WA_TranslucentBackground);
  return l;
}

void wait(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
}  // namespace

TfrmConvert::TfrmConvert(TfrmPreview* preview, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), preview_(preview) {
  setObjectName(QStringLiteral("frmConvert"));
  setWindowTitle(QStringLiteral("Vidora Convert"));
  logic_ = std::make_unique<ConvertDialogLogic>(static_cast<IConvertView&>(*this));
  buildControls();
  // FormCreate: as large as the background, outline from it, kept.
  Timer1->stop();
  setFixedSize(background_.size());
  shapeRegion_ = BuildShapeRegion(background_.toImage());
  setMask(shapeRegion_);
  prepareMode(0);
  connect(preview_, &TfrmPreview::closed, this, [this] { CheckBox1->setChecked(false); });
}

TfrmConvert::~TfrmConvert() {
  // Stops a running conversion while the preview and the controls still exist.
  logic_.reset();
}

void TfrmConvert::buildControls() {
  background_ = QPixmap::fromImage(artwork::convertBackground());
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(background_);
  Image1->setGeometry(QRect(QPoint(0, 0), background_.size()));
  Image1->installEventFilter(this);

  // Only the dialog's own controls: the message boxes it owns keep the
  // desktop's look (light text would vanish on their light background).
  setStyleSheet(QStringLiteral(
      "TfrmConvert > QLabel { color: #e6edfb; background: transparent; }"
      "TfrmConvert > QLabel#Label_Title { color: white; }"
      "TfrmConvert > QCheckBox { background: transparent; }"
      "TfrmConvert > QCheckBox::indicator { width: 11px; height: 11px; border: 1px solid #9fb6dc;"
      " background: #f4f7fd; }"
      "TfrmConvert > QCheckBox::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
      " fx:0.5, fy:0.5, stop:0 #2f7de0, stop:0.55 #2f7de0, stop:0.6 #f4f7fd); }"
      "TfrmConvert > QLineEdit { background: #f4f7fd; color: #101828; border: 1px solid #7d97c4;"
      " padding: 0 2px; selection-background-color: #3b6fc4; }"
      "TfrmConvert > QToolButton { background: #d9e3f5; border: 1px solid #7d97c4; }"
      "TfrmConvert > QToolButton:hover { background: #eef3fc; }"
      "TfrmConvert > QToolButton:pressed { background: #b8c8e6; }"
      "TfrmConvert > QProgressBar { background: #0b1120; border: 1px solid #5c77a6; color: transparent; }"
      "TfrmConvert > QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #8fd3ff, stop:0.5 #3a8ee6, stop:1 #1d5fb0); }"));

  QFont small = font();
  small.setPixelSize(10);
  Label_Title = label(this, "Label_Title", QString(), {5, 6, 72, 15});
  QFont bold = small;
  bold.setBold(true);
  Label_Title->setFont(bold);
  Label_Title->resize(110, 15);  // room for "AVI to SVCD" in this font

  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(129, 6, 14, 18);
  Label3 = label(this, "Label3", QStringLiteral("Preview"), {146, 8, 38, 13});
  Label3->setFont(small);
  Label3->resize(50, 13);

  TransparentButton1 = new TTransparentButton(this);
  TransparentButton1->setObjectName(QStringLiteral("TransparentButton1"));
  TransparentButton1->setImages(artwork::closeGlyphs());
  TransparentButton1->setGeometry(298, 6, 13, 15);

  Label1 = label(this, "Label1", QStringLiteral("Input File"), {7, 31, 43, 13});
  Label1->setFont(small);
  Label1->resize(54, 13);
  Edit_InputFile = new QLineEdit(this);
  Edit_InputFile->setObjectName(QStringLiteral("Edit_InputFile"));
  Edit_InputFile->setGeometry(62, 30, 162, 22);
  Edit_InputFile->setToolTip(QStringLiteral("Input source file path and name"));
  btnOpen = new QToolButton(this);
  btnOpen->setObjectName(QStringLiteral("btnOpen"));
  btnOpen->setGeometry(224, 28, 16, 22);
  btnOpen->setIcon(artwork::openIcon());
  btnOpen->setAutoRaise(true);
  btnInfo = new TTransparentButton(this);
  btnInfo->setObjectName(QStringLiteral("btnInfo"));
  btnInfo->setImages(artwork::infoGlyphs());
  btnInfo->setGeometry(266, 26, 24, 24);
  btnInfo->setToolTip(QStringLiteral("File information"));

  Label2 = label(this, "Label2", QStringLiteral("Output File"), {7, 57, 51, 13});
  Label2->setFont(small);
  Label2->resize(55, 13);
  Edit_OutputFile = new QLineEdit(this);
  Edit_OutputFile->setObjectName(QStringLiteral("Edit_OutputFile"));
  Edit_OutputFile->setGeometry(62, 55, 162, 22);
  Edit_OutputFile->setToolTip(QStringLiteral("Input destination file path and name"));
  btnSave = new QToolButton(this);
  btnSave->setObjectName(QStringLiteral("btnSave"));
  btnSave->setGeometry(224, 54, 16, 22);
  btnSave->setIcon(artwork::saveIcon());
  btnSave->setAutoRaise(true);
  btnConvert = new TTransparentButton(this);
  btnConvert->setObjectName(QStringLiteral("btnConvert"));
  btnConvert->setImages(artwork::convertGlyphs());
  btnConvert->setGeometry(247, 51, 64, 25);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(5, 82, 239, 24);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  Label_Percent = label(this, "Label_Percent", QStringLiteral("0/100"), {261, 88, 29, 13});
  Label_Percent->setFont(small);
  Label_Percent->resize(56, 13);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  // One step every 10 ms; a timer instead of a wait keeps the loop free.
  Timer1->setInterval(10);
  connect(Timer1, &QTimer::timeout, this, &TfrmConvert::revealStep);

  connect(TransparentButton1, &QAbstractButton::clicked, this, &TfrmConvert::closeButtonClicked);
  connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
    if (on)
      preview_->show();
    else
      preview_->close();
  });
  connect(Edit_InputFile, &QLineEdit::textChanged, this, &TfrmConvert::onInputChanged);
  connect(btnOpen, &QToolButton::clicked, this, [this] {
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(),
                                                      fileDialogFilter(openFilter_), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!file.isEmpty()) Edit_InputFile->setText(file);
  });
  connect(btnSave, &QToolButton::clicked, this, [this] {
    QFileDialog dialog(this, QStringLiteral("Save As"), QString(), fileDialogFilter(saveFilter_));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension_);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      Edit_OutputFile->setText(dialog.selectedFiles().front());
  });
  connect(btnInfo, &QAbstractButton::clicked, this, [this] {
    ShowFileInfo(Edit_InputFile->text(), this, FileInfoRequest::ConvertDialog);
  });
  connect(btnConvert, &QAbstractButton::pressed, this, [this] {
    logic_->convertPressed();
    Label_Percent->repaint();  // OpenFile blocks before the next paint
  });
  connect(btnConvert, &QAbstractButton::clicked, this, [this] {
    logic_->convertClicked(Edit_InputFile->text(), Edit_OutputFile->text());
  });
}

bool TfrmConvert::prepareMode(int mode) {
  const auto found = findConversionMode(mode);
  if (!found) return false;
  logic_->setMode(found->mode);
  Label_Title->setText(found->title);
  openFilter_ = found->openFilter;
  saveFilter_ = found->saveFilter;
  defaultExtension_ = found->defaultExtension;
  return true;
}

void TfrmConvert::centreOn(const QWidget* mainWindow) {
  if (mainWindow == nullptr) return;
  move(centredTopLeft(mainWindow->frameGeometry(), size()));
}

int TfrmConvert::showModal(QWidget* mainWindow) {
  mainWindow_ = mainWindow;
  return exec();
}

int TfrmConvert::runMode(QWidget* mainWindow, int mode) {
  prepareMode(mode);
  centreOn(mainWindow);
  return showModal(mainWindow);
}

void TfrmConvert::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (mainWindow_ != nullptr) mainWindow_->hide();
  const QRect previewFrame = preview_->frameGeometry();
  preview_->move(x() - (previewFrame.width() - background_.width()) / 2,
                 y() - previewFrame.height() - 5);
  Edit_InputFile->clear();
  Edit_OutputFile->clear();
  logic_->resetForShow();
  revealCounter_ = 1;
  setRevealRegion(revealCounter_);
  Timer1->start();
}

void TfrmConvert::setRevealRegion(int halfHeight) {
  const int middle = height() / 2;
  setMask(QRegion(0, middle - halfHeight, width(), 2 * halfHeight).intersected(shapeRegion_));
}

void TfrmConvert::revealStep() {
  const int half = height() / 2;
  if (revealCounter_ == half) {
    Timer1->stop();
    CheckBox1->setChecked(true);
    return;
  }
  revealCounter_ = std::min(revealCounter_ + 2, half);
  setRevealRegion(revealCounter_);
}

void TfrmConvert::closeButtonClicked() {
  // Asked first, so that Cancel leaves the conversion and the dialog as they were.
  if (!logic_->closeQuery()) return;
  Timer1->stop();
  preview_->close();
  for (int n = height() / 2; n > 0; n -= 2) {
    setRevealRegion(n);
    repaint();
    wait(10);
  }
  logic_->releaseEngine();
  if (mainWindow_ != nullptr) {
    mainWindow_->move(centredTopLeft(frameGeometry(), mainWindow_->frameGeometry().size()));
    mainWindow_->show();
  }
  done(QDialog::Rejected);
}

// Escape and the window manager's close take the close button's way, so the
// main window always comes back.
void TfrmConvert::reject() { closeButtonClicked(); }

void TfrmConvert::closeEvent(QCloseEvent* event) {
  event->ignore();
  closeButtonClicked();
}

bool TfrmConvert::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1) {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        dragging_ = true;
        dragAnchor_ = mouse->position().toPoint();
      }
    } else if (event->type() == QEvent::MouseMove) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragging_ && (mouse->buttons() & Qt::LeftButton)) {
        const QPoint shift = mouse->position().toPoint() - dragAnchor_;
        move(pos() + shift);
        preview_->move(preview_->pos() + shift);
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmConvert::onInputChanged(const QString& text) {
  const auto name = proposedOutputName(Label_Title->text(), text, QFileInfo(text).isFile());
  if (name) Edit_OutputFile->setText(*name);
}

void TfrmConvert::setPercentText(const QString& text) { Label_Percent->setText(text); }
void TfrmConvert::setProgress(int value) { ProgressBar1->setValue(value); }
void TfrmConvert::setInfoEnabled(bool enabled) { btnInfo->setEnabled(enabled); }

void TfrmConvert::setConvertButtonCancel(bool cancel) {
  btnConvert->setImages(cancel ? artwork::cancelGlyphs() : artwork::convertGlyphs());
  btnConvert->repaint();
}

void TfrmConvert::setPreviewPictureVisible(bool visible) { preview_->setPictureVisible(visible); }

void TfrmConvert::showMessage(ConvertMessage message) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (message == ConvertMessage::OpenRefused) icon = QMessageBox::Critical;
  if (message == ConvertMessage::ConversionFailed) icon = QMessageBox::Warning;
  QMessageBox box(icon, convertMessageCaption(message), convertMessageText(message),
                  QMessageBox::Ok, this);
  box.exec();
}

bool TfrmConvert::askStopConverting() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sure"),
                  QStringLiteral("Stop the converting?"), QMessageBox::Ok | QMessageBox::Cancel,
                  this);
  return box.exec() == QMessageBox::Ok;
}

void TfrmConvert::pause(int milliseconds) { wait(milliseconds); }

ENCODERY_PREVIEW* TfrmConvert::previewHandle() { return preview_->engineHandle(); }
