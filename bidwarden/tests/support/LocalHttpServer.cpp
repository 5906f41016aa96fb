#include "support/LocalHttpServer.h"
#include <httplib.h>
#include <stdexcept>
#include <chrono>
#include <thread>

namespace bw::test {

struct LocalHttpServer::Runner {
  std::thread thread;
};

LocalHttpServer::LocalHttpServer() : server_(std::make_unique<httplib::Server>()) {}

LocalHttpServer::~LocalHttpServer() {
  if (runner_) {
    server_->stop();
    if (runner_->thread.joinable()) runner_->thread.join();
  }
}

void LocalHttpServer::start() {
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("cannot bind a local port");
  runner_ = std::make_unique<Runner>();
  runner_->thread = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::string LocalHttpServer::base() const { return "http://127.0.0.1:" + std::to_string(port_); }

}  // namespace bw::test
