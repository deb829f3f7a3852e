// Publishing and downloading one large file with the wizard (kitbench, unattended, a whole process)
// against a local development server, next to curl doing the same posts. Each side is a child
// process measured from the outside: wall time, CPU time (user + system) and peak resident memory.
// Both downloads write a real file. Reports; asserts nothing.
//
//     bench_transfers [--size-mib N] [--rounds R]   (default 100 MiB, 3 rounds; the README: 1024, 20)
//
// A single pair of runs says little: the same transfer takes between 2.7 and 4.3 s from one run to the
// next. So each round gives both programs a turn, in turn first, and the table shows the median of the
// rounds' ratios (and their range). In its turn a program publishes the file to a server of its own and
// downloads it again; then the server and its data go, so both programs meet the same memory, disk and
// server.
#include "DevServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 kMiB = 1024 * 1024;

struct Measured
{
    int exitCode = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKiB = 0;
};

// Runs a program to its end in `folder` with extra environment values; measured by wait4.
Measured run(const QStringList& command, const QString& folder, const QStringList& environment)
{
    QList<QByteArray> args;
    for (const QString& part : command)
        args.append(part.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    Measured result;
    // Each program starts with no dirty pages of the one before: otherwise the second writer of a
    // gigabyte pays for writing back the first one's.
    ::sync();
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(QFile::encodeName(folder).constData()) != 0)
            _exit(127);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        for (const QString& pair : environment)
            setenv(pair.section('=', 0, 0).toLocal8Bit().constData(),
                   pair.section('=', 1).toLocal8Bit().constData(), 1);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return result;
    result.wallSeconds = timer.nsecsElapsed() / 1e9;
    result.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                        usage.ru_stime.tv_usec / 1e6;
    result.peakKiB = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool writeRandomFile(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(kMiB, Qt::Uninitialized);
    for (qint64 written = 0; written < size; written += block.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// Runs kitbench unattended in a home of its own under `folder`.
Measured runWizard(const QString& folder, const QStringList& arguments, const QString& answers)
{
    QDir().mkpath(folder);
    QFile answerFile(QDir(folder).filePath("job.answers"));
    if (!answerFile.open(QIODevice::WriteOnly))
        return {};
    answerFile.write(answers.toUtf8());
    answerFile.close();
    return run(QStringList{KITBENCH_BINARY} + arguments + QStringList{"/UNATTENDED", answerFile.fileName()},
               folder,
               {"HOME=" + folder, "XDG_CONFIG_HOME=" + folder + "/config",
                "XDG_DATA_HOME=" + folder + "/data", "QT_QPA_PLATFORM=offscreen"});
}

struct Rounds
{
    QList<Measured> wizard, curl;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field> QList<double> each(const QList<Measured>& runs, Field field)
{
    QList<double> values;
    for (const Measured& run : runs)
        values.append(field(run));
    return values;
}

void printRow(const char* what, const Rounds& rounds)
{
    auto wall = [](const Measured& run) { return run.wallSeconds; };
    auto cpu = [](const Measured& run) { return run.cpuSeconds; };
    QList<double> wallRatios, cpuRatios;
    long wizardPeak = 0, curlPeak = 0;
    bool allOk = true;
    for (qsizetype i = 0; i < rounds.wizard.size(); ++i) {
        wallRatios.append(rounds.wizard[i].wallSeconds / rounds.curl[i].wallSeconds);
        cpuRatios.append(rounds.wizard[i].cpuSeconds / rounds.curl[i].cpuSeconds);
        wizardPeak = std::max(wizardPeak, rounds.wizard[i].peakKiB);
        curlPeak = std::max(curlPeak, rounds.curl[i].peakKiB);
        allOk = allOk && rounds.wizard[i].exitCode == 0 && rounds.curl[i].exitCode == 0;
    }
    const auto range = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return QStringLiteral("%1–%2").arg(values.first(), 0, 'f', 2).arg(values.last(), 0, 'f', 2);
    };
    std::printf(
        "| %s | %.2f s | %.2f s | %.2fx (%s) | %.2f s | %.2f s | %.2fx (%s) | %ld MiB | %ld MiB |%s\n", what,
        median(each(rounds.wizard, wall)), median(each(rounds.curl, wall)), median(wallRatios),
        qPrintable(range(wallRatios)), median(each(rounds.wizard, cpu)), median(each(rounds.curl, cpu)),
        median(cpuRatios), qPrintable(range(cpuRatios)), wizardPeak / 1024, curlPeak / 1024,
        allOk ? "" : "  (a run failed)");
}

qint64 optionValue(const QStringList& arguments, const QString& name, qint64 fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toLongLong() : fallback;
}

// The arguments of a development server for a turn: the demo company, room for the file.
const QStringList kServerArguments{"--seed", "demo", "--max-upload", "4294967296"};

// curl posting a form to `server`'s library pages, signed in as the administrator, run in `folder`.
Measured curl(const DevServer& server, const QString& folder, const QStringList& fields, const QString& page)
{
    return run(QStringList{"curl", "-s", "-S", "-f", "-F", "__EVENTTARGET=btnSubmit", "-F",
                           "__EVENTARGUMENT=", "-F", "Login=admin@" + server.address(), "-F",
                           "Password=admin"} +
                   fields + QStringList{"http://" + server.address() + "/portals/bench/FileLibrary/" + page},
               folder, {});
}

Measured curlPublish(const DevServer& server, const QString& folder, const QString& file,
                     const QString& answer)
{
    return curl(server, folder,
                {"-o", answer, "-F", "ObjectTypeId=10", "-F", "AssetId=0", "-F", "ObjectId=2", "-F",
                 "PublishedFile=@" + file},
                "FilePublishing.aspx");
}

// The version id of the first file published on a fresh demo server: the same on every such server,
// so each program's turn downloads its own copy by it. A download of another id fails the table.
QString firstVersionId(const QString& folder)
{
    QDir().mkpath(folder);
    QFile probe(QDir(folder).filePath("probe.bin"));
    if (!probe.open(QIODevice::WriteOnly) || probe.write("probe") != 5)
        return {};
    probe.close();
    QString version;
    {
        DevServer server(kServerArguments);
        const QString answer = QDir(folder).filePath("answer.html");
        QFile page(answer);
        if (curlPublish(server, folder, probe.fileName(), answer).exitCode == 0 &&
            page.open(QIODevice::ReadOnly))
            version = QString::fromUtf8(page.readAll()).section("as version ", 1).section(' ', 0, 0);
    }
    QDir(folder).removeRecursively();
    return version;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 sizeMiB = optionValue(app.arguments(), "--size-mib", 100);
    const qint64 roundCount = optionValue(app.arguments(), "--rounds", 3);
    QTemporaryDir dir;
    const QString source = dir.filePath("big.bin");
    if (sizeMiB <= 0 || roundCount <= 0 || !writeRandomFile(source, sizeMiB * kMiB)) {
        std::fprintf(stderr, "could not write the file to send\n");
        return 1;
    }
    const QString version = firstVersionId(dir.filePath("probe"));
    if (version.isEmpty()) {
        std::fprintf(stderr, "the development server did not take a file\n");
        return 1;
    }
    Rounds publishes, downloads;
    bool copiesWhole = true;
    // Each copy is checked and deleted at once, so a turn holds no more than the file, the server's copy
    // and one download. On a virtual machine, memory beyond what was in use a few seconds before is
    // backed afresh by the host: here a fifth gigabyte written into a tmpfs took 2.3 s instead of
    // 0.4 s, and when both programs' copies stayed, whichever program wrote last ran twice as long.
    auto checkedCopy = [&](const QString& path, const Measured& measured) {
        copiesWhole = copiesWhole && QFileInfo(path).size() == sizeMiB * kMiB;
        QFile::remove(path);
        return measured;
    };
    // One program's turn: it publishes the file to a server of its own and downloads its copy again.
    auto turn = [&](qint64 round, bool wizard) {
        const QString folder =
            dir.filePath(QStringLiteral("round%1-%2").arg(round).arg(wizard ? "kitbench" : "curl"));
        QDir().mkpath(folder);
        {
            DevServer server(kServerArguments); // its data goes with it
            if (server.address().isEmpty())
                return false;
            const QString copy = QDir(folder).filePath("download/" + QFileInfo(source).fileName());
            if (wizard) {
                const QStringList login{"/L", "admin@" + server.address(), "/P", "admin"};
                publishes.wizard.append(runWizard(
                    QDir(folder).filePath("publish"), QStringList{"/upload"} + login,
                    "[page 20]\nPublishedFileList = " + source + "\n[page 6]\nFileListTreeView = key:F2\n"));
                downloads.wizard.append(checkedCopy(
                    copy, runWizard(QDir(folder).filePath("download"), QStringList{"/download"} + login,
                                    "[page 7]\nAssetListTreeView = key:A" + version +
                                        "\n[dialog SaveFile]\nFileName = .\n")));
            } else {
                QDir().mkpath(QFileInfo(copy).path());
                publishes.curl.append(
                    curlPublish(server, folder, source, QDir(folder).filePath("answer.html")));
                downloads.curl.append(checkedCopy(
                    copy, curl(server, folder, {"-o", copy, "-F", "FolderID=2", "-F", "VersionID=" + version},
                               "FileDownload.aspx")));
            }
        }
        QDir(folder).removeRecursively();
        return true;
    };
    for (qint64 round = 0; round < roundCount; ++round) {
        const bool wizardFirst = round % 2 == 1;
        if (!turn(round, wizardFirst) || !turn(round, !wizardFirst)) {
            std::fprintf(stderr, "the development server did not start\n");
            return 1;
        }
        std::fprintf(stderr,
                     "round %lld: publish %.2f / %.2f s, download %.2f / %.2f s (kitbench / curl wall)\n",
                     round, publishes.wizard.last().wallSeconds, publishes.curl.last().wallSeconds,
                     downloads.wizard.last().wallSeconds, downloads.curl.last().wallSeconds);
    }

    std::printf("file: %lld MiB of random bytes, %lld rounds; every download %s\n\n", sizeMiB, roundCount,
                copiesWhole ? "wrote the whole file" : "did NOT write the whole file");
    std::printf(
        "| transfer | kitbench wall | curl wall | wall ratio (range) | kitbench CPU | curl CPU | CPU ratio "
        "(range) | kitbench peak RSS | curl peak RSS |\n|---|---|---|---|---|---|---|---|---|\n");
    printRow("publish", publishes);
    printRow("download", downloads);
    return 0;
}
