#pragma once
#include <QString>
#include <optional>

namespace bw {

// The key filter of every number box: the key code to let through, 0 to
// drop the key. `hasSelection` is whether text in the box is selected;
// `clipboardText` is what Ctrl+V would paste.
int FilterOutNonNumeric(int keyAscii, const QString& currentText, bool hasSelection,
                        const QString& clipboardText);

// What a text box that receives the focus selects: all of its text.
struct TextSelection {
  int start = 0;
  int length = 0;
};
// For a focused text box with `text`, the whole of it; for any other
// control nothing.
std::optional<TextSelection> SelectText(bool isTextBox, const QString& text);

}  // namespace bw
