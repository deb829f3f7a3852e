// orvello-devserver: the development Orvello server.
#include "cli/ServerOptions.h"
#include "http/DevServer.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <thread>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    orvdev::ServerOptions options;
    try {
        options = orvdev::ServerOptions::parse(args);
    } catch (const std::exception& e) {
        std::cerr << "orvello-devserver: " << e.what() << "\n";
        return 2;
    }
    if (options.help) {
        std::cout << orvdev::ServerOptions::usage();
        return 0;
    }
    // SIGINT and SIGTERM are taken by one thread with sigwait, so that stopping runs as ordinary code
    // (it takes locks) rather than in a signal handler. They are blocked before any thread starts.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        orvdev::DevServer server(options);
        const int port = server.bind();
        std::cout << "listening on " << options.scheme() << "://" << options.host << ":" << port << std::endl;
        std::atomic<bool> signalled{false};
        std::thread stopper([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            signalled = true;
            server.stop();
        });
        server.run();
        if (!signalled)
            pthread_kill(stopper.native_handle(), SIGTERM); // the listener ended by itself
        stopper.join();
    } catch (const std::exception& e) {
        std::cerr << "orvello-devserver: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
