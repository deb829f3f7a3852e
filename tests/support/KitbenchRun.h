#pragma once

// Runs the kitbench program unattended, as scripts and add-ins do, in a home of its own.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

struct KitbenchRun
{
    int exitCode = -1; // -1: did not finish in time
    QString out;
    QString err;
    QStringList screenshots;
    // The files the run left in its working folder (a download is saved there) and its data folder
    // ("data/..."), by path relative to the folder of the run.
    QMap<QString, QByteArray> savedFiles;

    // The pages in the order they were shown (from the screenshot names NN-pageP.png).
    QList<int> pages() const
    {
        QList<int> path;
        for (const QString& name : screenshots)
            path.append(name.section(QStringLiteral("page"), 1).section(QLatin1Char('.'), 0, 0).toInt());
        return path;
    }

    // `environment` is added to (or overrides) the run's environment; `prepare` may put files or folders
    // into the run's working folder before it starts. `home`, when given, is the run's home and working
    // folder instead of a fresh one, so a second run finds the settings the first one left there.
    static KitbenchRun start(const QStringList& arguments, const QString& answers, int timeoutMs = 60000,
                             const QMap<QString, QString>& environment = {},
                             const std::function<void(const QDir&)>& prepare = {}, const QString& home = {})
    {
        KitbenchRun result;
        QTemporaryDir fresh;
        const QDir dir(home.isEmpty() ? fresh.path() : home);
        if (prepare)
            prepare(dir);
        const QString answerPath = dir.filePath("job.answers");
        QFile file(answerPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(answers.toUtf8()) < 0)
            return result;
        file.close();
        const QString shots = dir.filePath("shots");
        QDir(shots).removeRecursively(); // a reused home keeps only this run's pages

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir.path());
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        // Without a display the wizard picks the offscreen platform by itself.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "http_proxy", "HTTP_PROXY"})
            env.remove(name);
        for (auto it = environment.begin(); it != environment.end(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KITBENCH_BINARY),
                      arguments + QStringList{"/UNATTENDED", answerPath, "/SCREENSHOTS", shots});
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished(2000);
            result.err = QString::fromLocal8Bit(process.readAllStandardError());
            return result;
        }
        result.exitCode = process.exitCode();
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        result.screenshots = QDir(shots).entryList({"*.png"}, QDir::Files, QDir::Name);
        for (QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString name = QDir(dir.path()).relativeFilePath(it.next());
            QFile saved(it.filePath());
            if (name != QLatin1String("job.answers") && !name.startsWith(QLatin1String("shots/")) &&
                !name.startsWith(QLatin1String("config/")) && saved.open(QIODevice::ReadOnly))
                result.savedFiles.insert(name, saved.readAll());
        }
        return result;
    }
};
