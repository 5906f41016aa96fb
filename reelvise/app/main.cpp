// Test launcher until the skinned main window takes over: binds the engine,
// then offers one button per conversion mode.
#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/StartupBinding.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (!BindEngineOrExplain()) return 0;
  app.setApplicationName(QStringLiteral("Vidora Video Convert"));
  QWidget launcher;
  launcher.setWindowTitle(QStringLiteral("Reelvise test launcher"));
  auto* layout = new QVBoxLayout(&launcher);
  layout->addWidget(new QPushButton(QStringLiteral("(engine bound; dialog to follow)")));
  launcher.show();
  return app.exec();
}
