#include "core/InputHelpers.h"
#include "core/Error.h"
#include "core/Money.h"
#include "platform/Services.h"

namespace bw {

int FilterOutNonNumeric(int keyAscii, const QString& currentText, bool hasSelection,
                        const QString& clipboardText) {
  try {
    constexpr int kBackspace = 8, kCtrlC = 3, kCtrlX = 24, kCtrlZ = 26, kCtrlV = 22;
    if (keyAscii >= '0' && keyAscii <= '9') return keyAscii;
    const QChar decimal = currentLocale().decimalSeparator;
    if (keyAscii == decimal.unicode())
      return (currentText.contains(decimal) && !hasSelection) ? 0 : keyAscii;
    if (keyAscii == kBackspace || keyAscii == kCtrlC || keyAscii == kCtrlX || keyAscii == kCtrlZ)
      return keyAscii;
    if (keyAscii == kCtrlV) {
      bool numeric = true;
      try {
        numeric = Money::tryFromText(clipboardText, currentLocale()).has_value();
      } catch (const Error&) {
        // too large for an amount, yet a number
      }
      return numeric ? keyAscii : 0;
    }
    return 0;
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.FilterOutNonNumeric"));
    return keyAscii;
  }
}

std::optional<TextSelection> SelectText(bool isTextBox, const QString& text) {
  if (!isTextBox) return std::nullopt;
  return TextSelection{0, static_cast<int>(text.size())};
}

}  // namespace bw
