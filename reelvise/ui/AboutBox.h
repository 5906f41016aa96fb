#pragma once

#include <QDialog>

namespace reelvise {
class IShell;
}
class QLabel;
class QPushButton;
class TMyLabel;

// "About": icon, two-colour product name, version, maker's lines, and a
// banner that opens the home page.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(reelvise::IShell& shell, QWidget* parent = nullptr);

  TMyLabel* productLabel() const { return MyLabel1; }
  QLabel* banner() const { return Image1; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  reelvise::IShell& shell_;
  QLabel* ProgramIcon;
  TMyLabel* MyLabel1;
  QLabel* Version;
  QLabel* Image1;
  QPushButton* OKButton;
};
