#include "ui/InfoDlg.h"

#include <QApplication>
#include <QFrame>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/FileInfoText.h"

TInfoDlg::TInfoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("InfoDlg"));
  setWindowTitle(QStringLiteral("File Information"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* inner = new QVBoxLayout(bevel);
  Memo1 = new QPlainTextEdit(bevel);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFixedSize(281, 249);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette memo = Memo1->palette();
  memo.setColor(QPalette::Base, memo.color(QPalette::Button));
  Memo1->setPalette(memo);
  inner->addWidget(Memo1);
  layout->addWidget(bevel);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TInfoDlg::setLines(const QStringList& lines) {
  Memo1->clear();
  Memo1->setPlainText(lines.join('\n'));
}

QStringList TInfoDlg::lines() const { return Memo1->toPlainText().split('\n'); }

namespace {
QPointer<TInfoDlg> infoWindow;
}

void setInfoDlg(TInfoDlg* dialog) { infoWindow = dialog; }

TInfoDlg* InfoDlg() {
  if (infoWindow.isNull()) {
    infoWindow = new TInfoDlg();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, infoWindow.data(), &QObject::deleteLater);
  }
  return infoWindow.data();
}

void ShowFileInfo(const QString& path, QWidget* owner, FileInfoRequest from) {
  const FileInfoAnswer answer = QueryFileInfo(path);
  if (answer.outcome == FileInfoOutcome::NoEngine) return;
  if (answer.outcome == FileInfoOutcome::Refused) {
    if (from == FileInfoRequest::MainWindow) {
      QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                      QStringLiteral("Can not get information of the file!"), QMessageBox::Ok, owner);
      box.exec();
    }
    return;
  }
  TInfoDlg* dialog = InfoDlg();
  dialog->setLines(FileInfoLines(path, answer.engineText));
  dialog->adjustSize();
  if (QScreen* screen = dialog->screen())
    dialog->move(screen->availableGeometry().center() - dialog->rect().center());
  dialog->exec();
}
