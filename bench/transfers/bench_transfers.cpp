// Publishing and downloading one large file through the form poster against a local development
// server, next to curl doing the same posts. Reports times and this process's memory; asserts nothing.
#include "platform/FormSender.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

using namespace kitbench;

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr qint64 kFileSize = 100 * kMiB;

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString startServer(QProcess& server, const QString& folder)
{
    server.start(QStringLiteral(DEVSERVER_BINARY),
                 {"--listen", "127.0.0.1:0", "--data", folder, "--server-version", "4.1", "--seed", "demo"});
    if (!server.waitForStarted(10000))
        return {};
    while (server.state() == QProcess::Running && !server.canReadLine())
        server.waitForReadyRead(200);
    const QString line = QString::fromUtf8(server.readLine()).trimmed();
    return line.section(QStringLiteral("http://"), 1);
}

// Runs one post and waits for its end; the status of the completion.
int runPost(FormPost& post)
{
    QEventLoop loop;
    int status = -1;
    QObject::connect(&post, &FormPost::completed, &loop, [&](int s, int) {
        status = s;
        loop.quit();
    });
    post.send();
    loop.exec();
    return status;
}

QList<std::pair<QString, QString>> loginFields(const QString& address)
{
    return {{"__EVENTTARGET", "btnSubmit"},
            {"__EVENTARGUMENT", ""},
            {"Login", "admin@" + address},
            {"Password", "admin"}};
}

double curlSeconds(const QStringList& arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess curl;
    curl.start(QStringLiteral("curl"), QStringList{"-s", "-o", "/dev/null"} + arguments);
    if (!curl.waitForFinished(120000) || curl.exitCode() != 0)
        return -1;
    return timer.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath("big.bin");
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(kMiB, Qt::Uninitialized);
        for (qint64 written = 0; written < kFileSize; written += block.size()) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            file.write(block);
        }
    }
    QProcess server;
    const QString address = startServer(server, dir.filePath("data"));
    if (address.isEmpty()) {
        std::fprintf(stderr, "the development server did not start\n");
        return 1;
    }
    const QString portal = "http://" + address + "/portals/bench/FileLibrary/";
    const long before = peakKiB();

    FormSender sender;
    QElapsedTimer timer;
    timer.start();
    FormPost* upload = sender.createForm(&app);
    for (const auto& [name, value] : loginFields(address))
        upload->addField(name, value);
    for (const auto& [name, value] :
         QList<std::pair<QString, QString>>{{"ObjectTypeId", "10"}, {"AssetId", "0"}, {"ObjectId", "2"}})
        upload->addField(name, value);
    upload->setFile(source, "PublishedFile", "application/octet-stream");
    upload->setAddress(QUrl(portal + "FilePublishing.aspx"));
    const int published = runPost(*upload);
    const double uploadSeconds = timer.elapsed() / 1000.0;
    const QString answer = upload->resultText();
    const QString version = answer.section(QStringLiteral("as version "), 1).section(QLatin1Char(' '), 0, 0);
    const long afterUpload = peakKiB();

    timer.restart();
    FormPost* download = sender.createForm(&app);
    for (const auto& [name, value] : loginFields(address))
        download->addField(name, value);
    download->addField("FolderID", "2");
    download->addField("VersionID", version);
    download->setReceivesFile(true);
    QString saveError;
    QObject::connect(download, &FormPost::fileArriving, download,
                     [&] { saveError = download->receiveInto(dir.filePath("copy.bin")); });
    download->setAddress(QUrl(portal + "FileDownload.aspx"));
    const int downloaded = runPost(*download);
    const double downloadSeconds = timer.elapsed() / 1000.0;
    const long after = peakKiB();

    const QStringList curlLogin{"-F", "__EVENTTARGET=btnSubmit", "-F", "__EVENTARGUMENT=",
                                "-F", "Login=admin@" + address,  "-F", "Password=admin"};
    const double curlUpload = curlSeconds(
        curlLogin + QStringList{"-F", "ObjectTypeId=10", "-F", "AssetId=0", "-F", "ObjectId=2", "-F",
                                "PublishedFile=@" + source, portal + "FilePublishing.aspx"});
    const double curlDownload =
        curlSeconds(curlLogin + QStringList{"-F", "FolderID=2", "-F", "VersionID=" + version,
                                            portal + "FileDownload.aspx"});

    std::printf("file: %lld MiB (status upload %d, download %d%s)\n", kFileSize / kMiB, published, downloaded,
                saveError.isEmpty() ? "" : ", save failed");
    std::printf("publish: %.2f s (%.0f MB/s)   curl -F: %.2f s\n", uploadSeconds,
                kFileSize / 1e6 / uploadSeconds, curlUpload);
    std::printf("download and save: %.2f s (%.0f MB/s)   curl: %.2f s\n", downloadSeconds,
                kFileSize / 1e6 / downloadSeconds, curlDownload);
    std::printf(
        "peak memory of this process: %ld MiB before, %ld MiB after publishing, %ld MiB after downloading\n",
        before / 1024, afterUpload / 1024, after / 1024);
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
