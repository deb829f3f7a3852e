// Start-up to the first page shown: the window with all 22 pages built and localized, the command line
// read, the settings restored, the first page on screen. Reports times; asserts nothing.
#include "shell/CommandLine.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kitbench;

namespace {

double startOnce(const QString& commandLine)
{
    QElapsedTimer timer;
    timer.start();
    frmWizard wizard;
    wizard.Form_Load(parseCommandLine(commandLine));
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return -1;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms   min %7.2f ms   max %7.2f ms   (%zu runs)\n", what, times[times.size() / 2],
                times.front(), times.back(), times.size());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QElapsedTimer first;
    first.start();
    startOnce(QStringLiteral("/createincident")); // the first run also loads fonts, plugins and the packs
    std::printf("%-44s %7.2f ms\n", "first start-up in this process", static_cast<double>(first.nsecsElapsed()) / 1e6);

    for (const auto& [name, line] : {std::pair{"start-up, job list (no keyword)", QString()},
                                     std::pair{"start-up, /createincident", QStringLiteral("/createincident")}}) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(startOnce(line));
        report(name, times);
    }

    std::vector<double> lookups;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        for (int id = 1000; id < 6000; ++id)
            (void)GetLocalizedText(id);
        lookups.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    report("5000 text lookups (no language chosen)", lookups);
    return 0;
}
