#include "web/Web.h"
#include <QFile>
#include <QUrl>
#include "core/Error.h"
#include "core/Format.h"
#include "core/ProcessState.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/IniFile.h"
#include "settings/LogIt.h"

namespace bw {
namespace {

const QByteArray kBrowserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)";
const QByteArray kDownloadAgent = "BidWarden";

HttpResponse perform(const HttpRequest& request) {
  IHttpClient* client = services().http;
  if (!client) return HttpResponse{};
  return client->perform(request);
}

}  // namespace

QString GetHTML(const QString& url) {
  try {
    HttpRequest request;
    request.url = toCp1252(url);
    request.userAgent = kBrowserAgent;
    const HttpResponse response = perform(request);
    if (!response.opened) {
      LogIt(QStringLiteral("modMain.GetHTML"),
            QStringLiteral("Failed to open URL. Internet connection may be down."));
      return QString();
    }
    return fromCp1252(response.body);
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.GetHTML"));
    return QString();
  }
}

QString HttpPost(const QString& url, const QString& formData, long /*accessType*/, long serverPort,
                 const QString& userName, const QString& password) {
  // The scheme decides plain or TLS; the callers' port 80 is the plain
  // scheme's default and never forces an https address into the clear.
  QString address = url.trimmed();
  QString scheme = QStringLiteral("http");
  if (address.left(7).compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0) {
    address = address.mid(7);
  } else if (address.left(8).compare(QLatin1String("https://"), Qt::CaseInsensitive) == 0) {
    address = address.mid(8);
    scheme = QStringLiteral("https");
  }
  const qsizetype slash = address.indexOf('/');
  const QString host = slash < 0 ? address : address.left(slash);
  const QString path = slash < 0 ? QStringLiteral("/") : address.mid(slash);
  if (host.isEmpty()) return QString();

  HttpRequest request;
  request.method = HttpRequest::Method::Post;
  QByteArray target = toCp1252(scheme + QStringLiteral("://"));
  if (!userName.isEmpty()) {
    target += QUrl::toPercentEncoding(userName);
    if (!password.isEmpty()) target += ':' + QUrl::toPercentEncoding(password);
    target += '@';
  }
  target += toCp1252(host + path);
  request.url = target;
  const bool hostHasPort = host.contains(':') && !host.startsWith('[');
  if (!hostHasPort && serverPort > 0 && !(scheme == QLatin1String("https") && serverPort == 80))
    request.port = serverPort;
  request.userAgent = kBrowserAgent;
  request.http10 = true;
  request.headers.append(std::pair<QByteArray, QByteArray>("Content-Type", "application/x-www-form-urlencoded"));
  request.body = toCp1252(formData);
  const HttpResponse response = perform(request);
  return response.opened ? fromCp1252(response.body) : QString();
}

void DownloadBinary(const QString& fileName) {
  const QString source = QStringLiteral("modMain.DownloadBinary");
  try {
    const QString url = ReadIniValue(QStringLiteral("URLs"), QStringLiteral("Wave")).trimmed() + fileName;
    IHttpClient* client = services().http;
    if (!client) {
      LogIt(source, QStringLiteral("An error occurred calling InternetOpen function"));
      return;
    }
    HttpRequest request;
    request.url = toCp1252(url);
    request.userAgent = kDownloadAgent;
    const HttpResponse response = client->perform(request);
    if (!response.opened) {
      LogIt(source, QStringLiteral("An error occurred calling InternetOpenUrl function"));
      return;
    }
    QFile file(state().gstrPath + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      throw Error(file.error() == QFileDevice::PermissionsError ? Error::PermissionDenied
                                                               : Error::PathFileAccessError,
                  source);
    LogIt(source, QStringLiteral("Preparing to download ") + fileName);
    constexpr qsizetype kChunk = 4096;
    long long total = 0;
    for (qsizetype at = 0; at < response.body.size(); at += kChunk) {
      const qsizetype n = qMin(kChunk, response.body.size() - at);
      if (file.write(response.body.constData() + at, n) != n) throw Error(Error::DeviceIoError, source);
      total += n;
    }
    file.close();
    LogIt(source, QStringLiteral("Finished downloading ") + fileName);
    LogIt(source, QStringLiteral("Total bytes downloaded: ") +
                      formatNumber(total, QStringLiteral("###,###,###,###,##0")));
  } catch (...) {
    logCurrentException(source);
  }
}

namespace {

// One of the four replacements of CleanHTML: every non-overlapping match of
// `pattern`, searched left to right, becomes one blank. It works on a stream
// of characters so that the four can run in a single walk over the page.
// None of the patterns has a prefix that is also its suffix, so after a
// mismatch only the current character can begin a new match.
template <typename Next>
class BlankReplacement {
 public:
  BlankReplacement(QStringView pattern, Next& next) : pattern_(pattern), next_(next) {}

  void put(QChar c) {
    if (c == pattern_[matched_]) {
      if (++matched_ == pattern_.size()) {
        matched_ = 0;
        next_.put(QLatin1Char(' '));
      }
      return;
    }
    for (qsizetype i = 0; i < matched_; ++i) next_.put(pattern_[i]);
    matched_ = 0;
    if (c == pattern_[0]) matched_ = 1;
    else next_.put(c);
  }

  // Nothing held back here or further down the chain.
  bool idle() const { return matched_ == 0 && next_.idle(); }

  void finish() {
    for (qsizetype i = 0; i < matched_; ++i) next_.put(pattern_[i]);
    matched_ = 0;
    next_.finish();
  }

 private:
  QStringView pattern_;
  qsizetype matched_ = 0;
  Next& next_;
};

// The output is never longer than the input, so it is written straight into
// a buffer of the input's size.
struct Collect {
  QChar* at;
  void put(QChar c) { *at++ = c; }
  bool idle() const { return true; }
  void finish() {}
};

}  // namespace

QString CleanHTML(const QString& text) {
  try {
    // Same result as replacing, each time over the whole text and in this
    // order, " \r\n", "\r\n", " \n" and "\n" by one blank.
    QString out(text.size(), Qt::Uninitialized);
    Collect collect{out.data()};
    BlankReplacement<Collect> lineFeed(u"\n", collect);
    BlankReplacement<decltype(lineFeed)> blankLineFeed(u" \n", lineFeed);
    BlankReplacement<decltype(blankLineFeed)> crLf(u"\r\n", blankLineFeed);
    BlankReplacement<decltype(crLf)> blankCrLf(u" \r\n", crLf);
    for (const QChar c : text) {
      // Most of a page is neither blank nor line break and passes unchanged.
      if (c != u' ' && c != u'\r' && c != u'\n' && blankCrLf.idle()) collect.put(c);
      else blankCrLf.put(c);
    }
    blankCrLf.finish();
    out.truncate(collect.at - out.constData());
    return out;
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.CleanHTML"));
    return QString();
  }
}

QString UrlEncode(const QString& text) {
  try {
    static const char kHex[] = "0123456789ABCDEF";
    QString out;
    const QByteArray bytes = toCp1252(text);
    for (const char ch : bytes) {
      const auto b = static_cast<unsigned char>(ch);
      if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
          b == '-' || b == '*' || b == '@' || b == '_' || b == '.') {
        out += QChar(b);
      } else if (b == ' ') {
        out += '+';
      } else {
        out += '%';
        out += QChar(kHex[b >> 4]);
        out += QChar(kHex[b & 15]);
      }
    }
    return out;
  } catch (...) {
    logCurrentException(QStringLiteral("Main.UrlEncode"));
    return QString();
  }
}

}  // namespace bw
