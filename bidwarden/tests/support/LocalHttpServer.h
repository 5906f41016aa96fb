#pragma once
#include <QByteArray>
#include <memory>
#include <string>

namespace httplib {
class Server;
}

namespace bw::test {

// A cpp-httplib server on 127.0.0.1 with an ephemeral port, run on its own
// thread for the lifetime of the object. Add handlers before start().
class LocalHttpServer {
 public:
  LocalHttpServer();
  ~LocalHttpServer();
  httplib::Server& server() { return *server_; }
  void start();
  int port() const { return port_; }
  // "http://127.0.0.1:<port>"
  std::string base() const;

 private:
  std::unique_ptr<httplib::Server> server_;
  struct Runner;
  std::unique_ptr<Runner> runner_;
  int port_ = 0;
};

}  // namespace bw::test
