// marketsim: serves a scenario's marketplace and update server on 127.0.0.1.
#include "marketsim/Simulator.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <pthread.h>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: marketsim --scenario FILE [--port N]\n"
                 "Serves the marketplace described by FILE on 127.0.0.1 (port 8080 unless given; 0 picks one).\n";
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    std::string scenario;
    int port = 8080;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--scenario" || arg == "--port") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--scenario") {
                scenario = value;
            } else {
                try {
                    port = std::stoi(value);
                } catch (const std::exception &) {
                    port = -1;
                }
                if (port < 0 || port > 65535) {
                    std::cerr << "marketsim: bad port " << value << "\n";
                    return 2;
                }
            }
        } else {
            return usage();
        }
    }
    if (scenario.empty()) return usage();

    // The server's threads inherit this mask, so the signals reach sigwait below.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    marketsim::SystemClock clock;
    std::unique_ptr<marketsim::Simulator> simulator;
    try {
        simulator = marketsim::Simulator::fromFile(scenario, clock);
    } catch (const std::exception &e) {
        std::cerr << "marketsim: " << e.what() << "\n";
        return 2;
    }
    if (!simulator->start(port)) {
        std::cerr << "marketsim: cannot listen on 127.0.0.1:" << port << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::cout << "Marketplace simulator listening on " << simulator->baseUrl() << std::endl;

    int received = 0;
    sigwait(&signals, &received);
    simulator->stop();
    std::cout << "Marketplace simulator stopped (signal " << received << ")." << std::endl;
    return 0;
}
