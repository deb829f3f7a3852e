// orvello-devserver: the development Orvello server.
#include "cli/ServerOptions.h"
#include "http/DevServer.h"

#include <csignal>
#include <cstdio>
#include <iostream>

namespace {

orvdev::DevServer* runningServer = nullptr;

void onSignal(int)
{
    if (runningServer)
        runningServer->stop();
}

} // namespace

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
    try {
        orvdev::DevServer server(options);
        const int port = server.bind();
        std::cout << "listening on http://" << options.host << ":" << port << std::endl;
        runningServer = &server;
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
        std::signal(SIGPIPE, SIG_IGN);
        server.run();
        runningServer = nullptr;
    } catch (const std::exception& e) {
        std::cerr << "orvello-devserver: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
