// Loading and saving the auctions file.
#include <QFile>
#include "core/Error.h"
#include "core/TextFile.h"
#include "list/AuctionRecord.h"
#include "list/Auctions.h"
#include "list/ListViews.h"
#include "core/SafeFile.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/LogIt.h"

namespace bw {

namespace {

QString fileNameOnly(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QChar('/'));
  return slash < 0 ? path : path.mid(slash + 1);
}

// Splits at CR LF, and at a lone CR or LF for files edited elsewhere. A line
// end at the very end of the file starts no further line.
template <typename Visit>
void forEachLine(const QString& text, Visit visit) {
  const QChar* p = text.constData();
  const QChar* const end = p + text.size();
  while (p < end) {
    const QChar* stop = p;
    while (stop < end && *stop != QChar('\r') && *stop != QChar('\n')) ++stop;
    if (!visit(QStringView(p, stop - p))) return;
    if (stop < end) {
      const bool carriageReturn = *stop == QChar('\r');
      ++stop;
      if (carriageReturn && stop < end && *stop == QChar('\n')) ++stop;
    }
    p = stop;
  }
}

}  // namespace

// The caption and the last-file setting; a failure here is the caller's
// to log but does not undo the load or save it follows.
void Auctions::announceFile(const QString& path, const QString& source) {
  try {
    fileView_.setMainCaption(QStringLiteral("Bid Warden - ") + fileNameOnly(path));
    if (ISettingsStore* settings = services().settings)
      settings->setValue(QStringLiteral("Files"), QStringLiteral("LastFile"), path);
  } catch (...) {
    logCurrentException(source);
  }
}

bool Auctions::Save(const QString& path) {
  const QString source = QStringLiteral("Auctions.Save");
  try {
    LogIt(source, QStringLiteral("Saving auctions..."));
    const QString target = path.isEmpty() ? fileName_ : path;
    if (target.isEmpty()) throw Error(Error::BadFileNameOrNumber, source);
    if (target == protectedFile_) {
      LogIt(source, QStringLiteral("Not saved: ") + target +
                        QStringLiteral(" holds lines that could not be read and could not be "
                                       "copied aside"));
      return false;
    }
    QString content;
    content.reserve(static_cast<qsizetype>(list_.size()) * (kAuctionRecordLength + 2));
    for (const auto& auction : list_) {
      content += buildAuctionRecord(*auction);
      content += QStringLiteral("\r\n");
    }
    // The old file stays whole until the new one is complete.
    if (const int failure = replaceFileContents(target, toCp1252(content)))
      throw writeError(failure, source);
    fileName_ = target;
    announceFile(target, source);
    return true;
  } catch (...) {
    logCurrentException(source);
    return false;
  }
}

bool Auctions::Load(const QString& path) {
  const QString source = QStringLiteral("Auctions.Load");
  int lineNumber = 0;
  try {
    LogIt(source, QStringLiteral("Loading auctions..."));
    fileName_ = path;
    unreadCopy_.clear();
    QFile file(path);
    if (!file.exists()) {
      fileView_.setMainCaption(QStringLiteral("Bid Warden - ") + fileNameOnly(path));
      return true;
    }
    LogIt(source, QStringLiteral("Opening Auctions File ") + path);
    lineNumber = 1;
    const QString text = readTextFile(path);

    bool readAll = true;
    lineNumber = 0;
    forEachLine(text, [&](QStringView line) {
      ++lineNumber;
      if (line.isEmpty()) return true;  // a blank line holds no auction
      try {
        auto auction = std::make_unique<Auction>();
        readAuctionRecord(line, *auction);
        append(std::move(auction));
        return true;
      } catch (...) {
        logCurrentException(source);
        readAll = false;
        return false;
      }
    });
    if (!readAll) keepUnreadLines(path, lineNumber);
    announceFile(path, source);
    return readAll;
  } catch (...) {
    logCurrentException(source);
    if (lineNumber > 0) keepUnreadLines(path, lineNumber);
    return false;
  }
}

// A load that stopped early must not let a later save drop the lines it
// did not read: the whole file is copied aside first, and when that fails
// the list never saves over the file.
void Auctions::keepUnreadLines(const QString& path, int lineNumber) {
  const QString source = QStringLiteral("Auctions.Load");
  const QString base = path + QStringLiteral(".unread");
  int failure = EEXIST;
  QString copy;
  for (int n = 1; n <= 99 && failure == EEXIST; ++n) {
    copy = n == 1 ? base : base + QString::number(n);
    failure = copyFileExclusive(path, copy);
  }
  const QString stopped = QStringLiteral("Loading stopped at line ") + QString::number(lineNumber) +
                          QStringLiteral(" of ") + path;
  if (failure == 0) {
    unreadCopy_ = copy;
    LogIt(source, stopped + QStringLiteral("; the whole file was kept as ") + copy);
  } else {
    logError(source, Error::fromErrno(failure, source));
    protectedFile_ = path;
    LogIt(source, stopped + QStringLiteral("; the file could not be copied aside and will not be "
                                           "saved over"));
  }
  fileView_.tellUnreadLinesKept(path, lineNumber, unreadCopy_);
}

}  // namespace bw
