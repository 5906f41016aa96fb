#include <curl/curl.h>
#include <mutex>
#include "platform/HttpClient.h"

namespace bw {
namespace {

void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t appendBody(char* data, size_t size, size_t count, void* userData) {
  static_cast<QByteArray*>(userData)->append(data, static_cast<qsizetype>(size * count));
  return size * count;
}

struct EasyHandle {
  CURL* handle = curl_easy_init();
  curl_slist* headers = nullptr;
  ~EasyHandle() {
    if (headers) curl_slist_free_all(headers);
    if (handle) curl_easy_cleanup(handle);
  }
};

// Blanks and 8-bit characters of an address travel percent-encoded.
QByteArray wireUrl(const QByteArray& url) {
  static const char kHex[] = "0123456789ABCDEF";
  QByteArray out;
  for (const char ch : url) {
    const auto b = static_cast<unsigned char>(ch);
    if (b <= 0x20 || b >= 0x7F) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

HttpResponse CurlHttpClient::perform(const HttpRequest& request) {
  initCurlOnce();
  HttpResponse response;
  EasyHandle easy;
  if (!easy.handle) {
    response.error = "curl_easy_init failed";
    return response;
  }
  CURL* h = easy.handle;
  const QByteArray url = wireUrl(request.url);
  curl_easy_setopt(h, CURLOPT_URL, url.constData());
  // Addresses come from pages and downloaded ini files: never let one read
  // a local file or speak another protocol.
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 20L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, connectSeconds_);
  curl_easy_setopt(h, CURLOPT_TIMEOUT, totalSeconds_);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &appendBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &response.body);
  if (!request.userAgent.isEmpty()) curl_easy_setopt(h, CURLOPT_USERAGENT, request.userAgent.constData());
  if (request.port > 0) curl_easy_setopt(h, CURLOPT_PORT, request.port);
  if (request.http10) curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  // Always a fresh copy, never a cache's.
  easy.headers = curl_slist_append(easy.headers, "Cache-Control: no-cache");
  easy.headers = curl_slist_append(easy.headers, "Pragma: no-cache");
  for (const auto& [name, value] : request.headers)
    easy.headers = curl_slist_append(easy.headers, (name + ": " + value).constData());
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, easy.headers);
  const QByteArray body = request.body;
  if (request.method == HttpRequest::Method::Post) {
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.constData());
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  }

  CURLM* multi = curl_multi_init();
  curl_multi_add_handle(multi, h);
  int running = 1;
  CURLcode result = CURLE_OK;
  while (running) {
    if (curl_multi_perform(multi, &running) != CURLM_OK) break;
    if (!running) break;
    curl_multi_poll(multi, nullptr, 0, waiter_ ? 20 : 200, nullptr);
    if (waiter_) waiter_->whileWaiting();
  }
  int pending = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi, &pending)) {
    if (msg->msg == CURLMSG_DONE) result = msg->data.result;
  }
  curl_multi_remove_handle(multi, h);
  curl_multi_cleanup(multi);

  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
  // A transfer that broke off after the answer began still hands back what
  // came; one that never got an answer is "not opened".
  response.opened = result == CURLE_OK || response.status != 0;
  if (result != CURLE_OK) response.error = curl_easy_strerror(result);
  return response;
}

}  // namespace bw
