#pragma once
#include <QString>

namespace bw {

// The page at `url`, whole, or "" when the URL cannot be opened.
QString GetHTML(const QString& url);

// Posts `formData` (name=value&...) as a form. Keeps the scheme: an https
// address is posted over TLS, on port 443 unless `serverPort` is given in
// the URL (`serverPort` 80 with an https address means the scheme's port).
// Returns the answer, or "" when nothing came back.
QString HttpPost(const QString& url, const QString& formData, long accessType = 0,
                 long serverPort = 80, const QString& userName = QString(),
                 const QString& password = QString());

// Fetches ReadIniValue("URLs", "Wave") + fileName into the data folder.
void DownloadBinary(const QString& fileName);

// Every line break becomes one space; a blank before it is absorbed.
QString CleanHTML(const QString& text);

// Encodes a form value: letters, digits and "-*@_." as they are, blank as
// "+", everything else "%XX" of its Windows-1252 code.
QString UrlEncode(const QString& text);

}  // namespace bw
