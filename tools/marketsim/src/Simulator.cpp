#include "marketsim/Simulator.h"

#include "Market.h"
#include "Pages.h"

#include <httplib.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace marketsim {

std::int64_t SystemClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

struct Simulator::Server {
    httplib::Server http;
    std::thread thread;
    int port = 0;
};

namespace {

std::string jsonText(const QJsonObject &object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

void answerJson(httplib::Response &res, int status, const std::string &body) {
    res.status = status;
    res.set_content(body, "application/json");
}

void control(Market &market, const httplib::Request &req, httplib::Response &res) {
    const std::string &path = req.path;
    try {
        if (req.method == "GET" && path == "/__sim/state") return answerJson(res, 200, market.stateJson());
        if (req.method == "GET" && path == "/__sim/log") {
            const std::string since = req.get_param_value("since");
            return answerJson(res, 200, market.logJson(since.empty() ? 0 : std::stoll(since)));
        }
        if (req.method == "POST" && path == "/__sim/auctions")
            return answerJson(res, 201, jsonText({{"item", QString::fromStdString(market.addAuction(req.body))}}));
        if (req.method == "POST" && path == "/__sim/bids")
            return answerJson(res, 200, jsonText({{"result", QString::fromStdString(market.addRivalBid(req.body))}}));
        if (req.method == "POST" && path == "/__sim/clock") {
            const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(req.body)).object();
            if (!o.value("offset").isDouble()) throw std::invalid_argument("clock: \"offset\" (seconds) is missing");
            market.setClockOffsetMs(static_cast<std::int64_t>(o.value("offset").toDouble() * 1000.0));
            return answerJson(res, 200, jsonText({{"nowMs", static_cast<double>(market.marketNowMs())}}));
        }
        answerJson(res, 404, jsonText({{"error", "no such control address: " + QString::fromStdString(path)}}));
    } catch (const std::exception &e) {
        answerJson(res, 400, jsonText({{"error", QString::fromStdString(e.what())}}));
    }
}

void serve(Market &market, const httplib::Request &req, httplib::Response &res) {
    if (req.path.rfind("/__sim/", 0) == 0) return control(market, req, res);
    HttpRequest request;
    request.method = req.method;
    const std::size_t question = req.target.find('?');
    request.path = req.target.substr(0, question);
    request.query = question == std::string::npos ? "" : req.target.substr(question + 1);
    request.body = req.body;
    request.host = req.get_header_value("Host");
    if (request.host.empty()) request.host = "127.0.0.1:" + std::to_string(req.local_port);
    request.cookie = req.get_header_value("Cookie");

    const Admission admission = market.admit(request);
    const std::string kind = admission.fault ? admission.fault->kind : "";
    const int delay = admission.latencyMs + (kind == "slow" ? admission.fault->delayMs : 0);
    if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));

    if (kind == "empty") {
        market.finish(admission.seq, HttpAnswer{200, "", "", {}, "", "", "empty"}, kind);
        res.status = 200;
        res.set_content("", "text/html; charset=windows-1252");
        return;
    }
    if (kind == "firewall") {
        market.finish(admission.seq, HttpAnswer{403, "", "", {}, "", "", "firewall"}, kind);
        res.status = 403;
        res.set_content(firewallPage(), "text/html; charset=windows-1252");
        return;
    }
    const HttpAnswer answer = market.handle(request);
    market.finish(admission.seq, answer, kind);
    if (kind == "drop") {
        // The marketplace acted on the request; only its answer is lost.
        res.status = 200;
        res.set_content_provider(answer.body.size() + 1, answer.contentType,
                                 [](std::size_t, std::size_t, httplib::DataSink &) { return false; });
        return;
    }
    res.status = answer.status;
    for (const auto &[name, value] : answer.headers) res.set_header(name, value);
    res.set_content(answer.body, answer.contentType);
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::invalid_argument("scenario file " + path + " cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

Simulator::Simulator(std::unique_ptr<Market> market) : market_(std::move(market)) {}

Simulator::~Simulator() { stop(); }

std::unique_ptr<Simulator> Simulator::fromJson(const std::string &json, const MachineClock &clock) {
    return std::unique_ptr<Simulator>(new Simulator(std::make_unique<Market>(parseScenario(json), clock)));
}

std::unique_ptr<Simulator> Simulator::fromFile(const std::string &path, const MachineClock &clock) {
    return fromJson(readFile(path), clock);
}

bool Simulator::start(int port) {
    if (server_) return true;
    auto server = std::make_unique<Server>();
    Market &market = *market_;
    const auto handler = [&market](const httplib::Request &req, httplib::Response &res) { serve(market, req, res); };
    server->http.set_payload_max_length(1 << 20);
    server->http.Get(".*", handler);
    server->http.Post(".*", handler);
    server->port = port == 0 ? server->http.bind_to_any_port("127.0.0.1")
                             : (server->http.bind_to_port("127.0.0.1", port) ? port : -1);
    if (server->port <= 0) return false;
    Server *raw = server.get();
    server->thread = std::thread([raw] { raw->http.listen_after_bind(); });
    // A stop that comes before the listening loop runs would be lost and
    // leave the loop running for ever, so start returns only once it runs.
    while (!raw->http.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server_ = std::move(server);
    return true;
}

void Simulator::stop() {
    if (!server_) return;
    server_->http.stop();
    if (server_->thread.joinable()) server_->thread.join();
    server_.reset();
}

int Simulator::port() const { return server_ ? server_->port : 0; }

std::string Simulator::baseUrl() const { return "http://127.0.0.1:" + std::to_string(port()); }

std::vector<RequestLogEntry> Simulator::requestLog() const { return market_->log(); }

std::string Simulator::stateJson() const { return market_->stateJson(); }

std::int64_t Simulator::marketNowMs() const { return market_->marketNowMs(); }

} // namespace marketsim
