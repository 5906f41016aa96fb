#pragma once
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// "File Information": the notice lines and the engine's description.
class TInfoDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TInfoDlg(QWidget* parent = nullptr);
  void setLines(const QStringList& lines);
  QStringList lines() const;

 private:
  QPlainTextEdit* Memo1;
};

// The process-wide information window (created on first use when the
// start-up has not made it).
TInfoDlg* InfoDlg();
void setInfoDlg(TInfoDlg* dialog);

enum class FileInfoRequest { MainWindow, ConvertDialog };

// Fills and shows the information window modally for path, through a new
// engine object of its own.  From the main window a file the engine refuses
// gives "Can not get information of the file!" / "Warning" owned by owner;
// from the conversion dialog it stops silently.
void ShowFileInfo(const QString& path, QWidget* owner = nullptr,
                  FileInfoRequest from = FileInfoRequest::MainWindow);
