#include "CommandRegistry.h"

namespace bwinspect {

void CommandRegistry::add(std::unique_ptr<Command> command) { commands_.push_back(std::move(command)); }

Command* CommandRegistry::find(const QString& name) const {
  for (const auto& command : commands_) {
    if (command->name() == name) return command.get();
  }
  return nullptr;
}

QString CommandRegistry::usage() const {
  QString text = QStringLiteral("usage: bwinspect [--file PATH] COMMAND [ARGUMENTS]\ncommands:\n");
  for (const auto& command : commands_) text += QStringLiteral("  ") + command->usage() + u'\n';
  return text;
}

int CommandRegistry::dispatch(const QStringList& arguments, QTextStream& out, QTextStream& err) const {
  GlobalOptions options;
  qsizetype at = 0;
  while (at < arguments.size() && arguments[at].startsWith(QStringLiteral("--"))) {
    const QString option = arguments[at];
    if (option == QStringLiteral("--file") && at + 1 < arguments.size()) {
      options.file = arguments[at + 1];
      at += 2;
    } else if (option == QStringLiteral("--help")) {
      out << usage();
      return kExitOk;
    } else {
      err << "bwinspect: unknown option " << option << '\n' << usage();
      return kExitUsage;
    }
  }
  if (at >= arguments.size()) {
    err << usage();
    return kExitUsage;
  }
  Command* command = find(arguments[at]);
  if (command == nullptr) {
    err << "bwinspect: unknown command " << arguments[at] << '\n' << usage();
    return kExitUsage;
  }
  return command->run(options, arguments.mid(at + 1), out, err);
}

void registerAllCommands(CommandRegistry& registry) {
  registerReaderCommands(registry);
  registerListCommands(registry);
}

}  // namespace bwinspect
