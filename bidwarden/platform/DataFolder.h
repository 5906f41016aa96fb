#pragma once
#include <QString>
#include <QStringList>

namespace bw {

// The folder of BidWarden.ini, BidWarden.log, Auctions.dat, the sounds and
// the help: $BIDWARDEN_HOME, else $XDG_DATA_HOME/BidWarden, else
// ~/.local/share/BidWarden. Created when missing. Ends in "/".
// Returns an empty text when the folder cannot be created.
QString resolveDataFolder();

// Copies every file of `installFolder` that is missing in `dataFolder`
// (the sounds, read-me and help that ship with the program). Returns the
// names copied.
QStringList copyShippedFiles(const QString& installFolder, const QString& dataFolder);

}  // namespace bw
