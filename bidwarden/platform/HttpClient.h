#pragma once
#include <QByteArray>
#include <QList>
#include <utility>

namespace bw {

struct HttpRequest {
  enum class Method { Get, Post };
  Method method = Method::Get;
  QByteArray url;        // Windows-1252 bytes, sent as they are
  QByteArray userAgent;
  QByteArray body;       // posts only
  QList<std::pair<QByteArray, QByteArray>> headers;  // name, value
  bool http10 = false;   // send as HTTP/1.0
  long port = 0;         // 0: the scheme's port
};

struct HttpResponse {
  bool opened = false;   // a connection was made and an answer began
  long status = 0;
  QByteArray body;       // raw bytes of the answer
  QByteArray error;      // why it was not opened, for the log
};

// What a caller does while a transfer runs: the window layer keeps painting,
// logic and tests just block.
class ITransferWaiter {
 public:
  virtual ~ITransferWaiter() = default;
  virtual void whileWaiting() = 0;
};

class IHttpClient {
 public:
  virtual ~IHttpClient() = default;
  // Follows redirects; an answer that does not come gives opened == false.
  virtual HttpResponse perform(const HttpRequest& request) = 0;
};

// libcurl easy handles driven through a multi handle, so that the waiter
// runs every few milliseconds during a transfer. Proxies come from the usual
// environment variables; connect time-out 20 s, whole answer 60 s.
class CurlHttpClient final : public IHttpClient {
 public:
  explicit CurlHttpClient(ITransferWaiter* waiter = nullptr) : waiter_(waiter) {}
  void setWaiter(ITransferWaiter* waiter) { waiter_ = waiter; }
  void setTimeouts(long connectSeconds, long totalSeconds) {
    connectSeconds_ = connectSeconds;
    totalSeconds_ = totalSeconds;
  }
  HttpResponse perform(const HttpRequest& request) override;

 private:
  ITransferWaiter* waiter_;
  long connectSeconds_ = 20;
  long totalSeconds_ = 60;
};

}  // namespace bw
