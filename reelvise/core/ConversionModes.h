#pragma once
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// One line of the mode table: what the main window sets before it shows the
// conversion dialog.  Filters are in description|pattern pairs.
struct ConversionMode {
  int mode;
  QString title;
  QString openFilter;
  QString saveFilter;
  QString defaultExtension;
};

// Modes 0-4, 100, 101; nullopt for anything else.
std::optional<ConversionMode> findConversionMode(int mode);

// "*.avi|*.avi|*.*|*.*" -> "*.avi (*.avi);;*.* (*.*)" for QFileDialog.
QString fileDialogFilter(const QString& pairs);

// The output name proposed for an input that names an existing file: the
// whole input followed by ".mpg" when the title begins with "AVI", ".avi"
// when it begins with "ALL" (case ignored); nullopt leaves the field alone.
std::optional<QString> proposedOutputName(const QString& title, const QString& inputText,
                                          bool inputExists);

// Top-left that centres a window of size inner on outer (halves truncated).
QPoint centredTopLeft(const QRect& outer, const QSize& inner);
