#include "core/ConversionModes.h"

#include <QStringList>

std::optional<ConversionMode> findConversionMode(int mode) {
  const QString aviOpen = QStringLiteral("*.avi|*.avi|*.*|*.*");
  const QString mpgSave = QStringLiteral("*.mpg|*.mpg|*.*|*.*");
  const QString allOpen = QStringLiteral("*.*|*.*");
  const QString aviSave = QStringLiteral("*.avi|*.avi|*.*|*.*");
  switch (mode) {
    case 0: return ConversionMode{0, "AVI to MPG1", aviOpen, mpgSave, "mpg"};
    case 1: return ConversionMode{1, "AVI to VCD", aviOpen, mpgSave, "mpg"};
    case 2: return ConversionMode{2, "AVI to MPG2", aviOpen, mpgSave, "mpg"};
    case 3: return ConversionMode{3, "AVI to SVCD", aviOpen, mpgSave, "mpg"};
    case 4: return ConversionMode{4, "AVI to DVD", aviOpen, mpgSave, "mpg"};
    case 100: return ConversionMode{100, "ALL to AVI", allOpen, aviSave, "avi"};
    case 101: return ConversionMode{101, "ALL to DivX", allOpen, aviSave, "avi"};
    default: return std::nullopt;
  }
}

QString fileDialogFilter(const QString& pairs) {
  const QStringList parts = pairs.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
  return filters.join(QStringLiteral(";;"));
}

std::optional<QString> proposedOutputName(const QString& title, const QString& inputText,
                                          bool inputExists) {
  if (!inputExists) return std::nullopt;
  const QString prefix = title.left(3);
  if (prefix.compare(QLatin1String("AVI"), Qt::CaseInsensitive) == 0) return inputText + ".mpg";
  if (prefix.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) return inputText + ".avi";
  return std::nullopt;
}

QPoint centredTopLeft(const QRect& outer, const QSize& inner) {
  return {outer.left() + outer.width() / 2 - inner.width() / 2,
          outer.top() + outer.height() / 2 - inner.height() / 2};
}
