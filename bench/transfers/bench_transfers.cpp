// Publishing and downloading one large file with the wizard (kitbench, unattended, a whole process)
// against a local development server, next to curl doing the same posts. Each side is a child
// process measured from the outside: wall time, CPU time (user + system) and peak resident memory.
// Both downloads write a real file. Reports; asserts nothing.
//
//     bench_transfers [--size-mib N]      (default 100; the README's table is measured at 1024)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

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

QString startServer(QProcess& server, const QString& folder)
{
    server.start(QStringLiteral(DEVSERVER_BINARY), {"--listen", "127.0.0.1:0", "--data", folder, "--seed",
                                                    "demo", "--max-upload", "4294967296"});
    if (!server.waitForStarted(10000))
        return {};
    while (server.state() == QProcess::Running && !server.canReadLine())
        server.waitForReadyRead(200);
    return QString::fromUtf8(server.readLine()).trimmed().section("http://", 1);
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

void printRow(const char* what, const Measured& wizard, const Measured& curl)
{
    std::printf("| %s | %.2f s | %.2f s | %.2fx | %.2f s | %.2f s | %.2fx | %ld MiB | %ld MiB |%s\n", what,
                wizard.wallSeconds, curl.wallSeconds, wizard.wallSeconds / curl.wallSeconds,
                wizard.cpuSeconds, curl.cpuSeconds, wizard.cpuSeconds / curl.cpuSeconds,
                wizard.peakKiB / 1024, curl.peakKiB / 1024,
                wizard.exitCode == 0 && curl.exitCode == 0 ? "" : "  (a run failed)");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qint64 sizeMiB = 100;
    const QStringList arguments = app.arguments();
    if (const qsizetype at = arguments.indexOf("--size-mib"); at >= 0 && at + 1 < arguments.size())
        sizeMiB = arguments.at(at + 1).toLongLong();
    QTemporaryDir dir;
    const QString source = dir.filePath("big.bin");
    if (sizeMiB <= 0 || !writeRandomFile(source, sizeMiB * kMiB)) {
        std::fprintf(stderr, "could not write the file to send\n");
        return 1;
    }
    QProcess server;
    const QString address = startServer(server, dir.filePath("data"));
    if (address.isEmpty()) {
        std::fprintf(stderr, "the development server did not start\n");
        return 1;
    }
    const QString portal = "http://" + address + "/portals/bench/FileLibrary/";
    const QStringList login{"/L", "admin@" + address, "/P", "admin"};
    const QStringList curlLogin{"curl", "-s",
                                "-S",   "-f",
                                "-F",   "__EVENTTARGET=btnSubmit",
                                "-F",   "__EVENTARGUMENT=",
                                "-F",   "Login=admin@" + address,
                                "-F",   "Password=admin"};

    // curl publishes under another name, so the wizard's post meets no name already taken.
    const QString curlAnswer = dir.filePath("curl-answer.html");
    const Measured curlPublish =
        run(curlLogin + QStringList{"-o", curlAnswer, "-F", "ObjectTypeId=10", "-F", "AssetId=0", "-F",
                                    "ObjectId=2", "-F", "PublishedFile=@" + source + ";filename=curl.bin",
                                    portal + "FilePublishing.aspx"},
            dir.path(), {});
    const Measured wizardPublish =
        runWizard(dir.filePath("publish"), QStringList{"/upload"} + login,
                  "[page 20]\nPublishedFileList = " + source + "\n[page 6]\nFileListTreeView = key:F2\n");
    QFile answer(curlAnswer);
    const QString version =
        answer.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(answer.readAll()).section("as version ", 1).section(' ', 0, 0)
            : QString();

    const Measured curlDownload =
        run(curlLogin + QStringList{"-o", dir.filePath("curl-copy.bin"), "-F", "FolderID=2", "-F",
                                    "VersionID=" + version, portal + "FileDownload.aspx"},
            dir.path(), {});
    const Measured wizardDownload =
        runWizard(dir.filePath("download"), QStringList{"/download"} + login,
                  "[page 7]\nAssetListTreeView = key:A" + version + "\n[dialog SaveFile]\nFileName = .\n");
    const bool copiesWhole = QFileInfo(dir.filePath("curl-copy.bin")).size() == sizeMiB * kMiB &&
                             QFileInfo(dir.filePath("download/curl.bin")).size() == sizeMiB * kMiB;

    std::printf("file: %lld MiB of random bytes; both downloads %s\n\n", sizeMiB,
                copiesWhole ? "wrote the whole file" : "did NOT write the whole file");
    std::printf("| transfer | kitbench wall | curl wall | ratio | kitbench CPU | curl CPU | ratio | kitbench "
                "peak RSS | curl peak RSS |\n|---|---|---|---|---|---|---|---|---|\n");
    printRow("publish", wizardPublish, curlPublish);
    printRow("download", wizardDownload, curlDownload);
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
