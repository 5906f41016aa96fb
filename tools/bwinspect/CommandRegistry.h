#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

namespace bwinspect {

// Options that stand before the command name.
struct GlobalOptions {
  QString file;  // --file PATH: the auctions file the list commands work on
};

// One command of bwinspect ("read", "synch", ...). A command prints its
// results on `out`, its complaints on `err`, and returns the exit code.
class Command {
 public:
  virtual ~Command() = default;
  virtual QString name() const = 0;
  // The line of the usage text: "read ITEM... | read --page FILE".
  virtual QString usage() const = 0;
  virtual int run(const GlobalOptions& options, const QStringList& arguments, QTextStream& out,
                  QTextStream& err) = 0;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

class CommandRegistry {
 public:
  void add(std::unique_ptr<Command> command);
  const std::vector<std::unique_ptr<Command>>& commands() const { return commands_; }
  Command* find(const QString& name) const;
  QString usage() const;
  // Parses the global options, finds the command and runs it.
  int dispatch(const QStringList& arguments, QTextStream& out, QTextStream& err) const;

 private:
  std::vector<std::unique_ptr<Command>> commands_;
};

// "read" and "synch".
void registerReaderCommands(CommandRegistry& registry);
// The auctions-file commands: "add", "refresh", "show", "sort", "export".
void registerListCommands(CommandRegistry& registry);

// Reads the settings that the item-page reader and the clock use, the way
// the program reads them at start-up.
void readSettingsForReader();

// Every command bwinspect knows; each group registers itself here.
void registerAllCommands(CommandRegistry& registry);

}  // namespace bwinspect
