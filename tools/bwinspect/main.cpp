#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "CommandRegistry.h"
#include "InspectRuntime.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("bwinspect"));
  bwinspect::InspectRuntime runtime;
  bwinspect::CommandRegistry registry;
  bwinspect::registerAllCommands(registry);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return registry.dispatch(QCoreApplication::arguments().mid(1), out, err);
}
