#pragma once
#include <QString>

namespace bw {

// The one writer of the activity log, gstrPath + "BidWarden.log". Never
// throws; the first two failures of a run show a message box.
void LogIt(const QString& source, const QString& message);

// The head of a line: date-time and source, exactly 52 characters.
QString logLineHead(const QString& source);

// The log file and its backup, in the data folder.
QString logFilePath();
QString logBackupPath();

// Failures that showed a message box so far; reset by ScopedProcessState.
int logFailuresShown();

}  // namespace bw
