#pragma once
#include <QString>
#include <QStringList>

#include "encodery.h"

enum class FileInfoOutcome { NoEngine, Refused, Described };

struct FileInfoAnswer {
  FileInfoOutcome outcome = FileInfoOutcome::NoEngine;
  QString engineText;
};

// One information request on an engine object of its own: OpenFile, then
// GetFileInfo and CloseFile when it opened; Release in every case.
// factory null: the program's NEW_ENCODERY.
FileInfoAnswer QueryFileInfo(const QString& path, ENCODERY_FACTORY factory = nullptr);

// Size in bytes by opening the file and seeking to its end; -1 when it
// cannot be opened.
qint64 FileSizeForInfo(const QString& path);

// The information window's lines: the notice, name, size, the engine's text.
QStringList FileInfoLines(const QString& path, const QString& engineText);

inline constexpr const char* kSupportAddress = "support@vidora-convert.example";
