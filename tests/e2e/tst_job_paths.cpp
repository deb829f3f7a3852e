// Unattended runs of every job through its whole page path (the server work stays out of it here:
// each job's end-to-end test against the development server checks what reaches the server).
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestWalk : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pagePath_data();
    void pagePath();
    void exitCodes_data();
    void exitCodes();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
        QStringList screenshots;
    };
    Run run(const QStringList& arguments, const QString& answers);
};

TestWalk::Run TestWalk::run(const QStringList& arguments, const QString& answers)
{
    QTemporaryDir dir;
    const QString answerPath = dir.filePath("job.answers");
    QFile file(answerPath);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(answers.toUtf8());
    file.close();
    const QString shots = dir.filePath("shots");

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM"); // the wizard picks the offscreen platform by itself
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(KITBENCH_BINARY, arguments + QStringList{"/UNATTENDED", answerPath, "/SCREENSHOTS", shots});
    Run result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    result.screenshots = QDir(shots).entryList({"*.png"}, QDir::Files, QDir::Name);
    return result;
}

void TestWalk::pagePath_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QList<int>>("path");
    const QString login = "[page 1]\nTextLogin = admin@127.0.0.1\nTextPassword = admin\n";
    QTest::newRow("CREATEINCIDENT") << QStringList{"/createincident"} << login << QList<int>{0, 1, 2, 20, 21};
    QTest::newRow("CREATETASK") << QStringList{"/createtask"} << login << QList<int>{0, 1, 3, 18, 20, 21};
    QTest::newRow("CREATEEVENT") << QStringList{"/CREATEEVENT"} << login << QList<int>{0, 1, 4, 18, 20, 21};
    QTest::newRow("CREATETODO") << QStringList{"-createtodo"} << login << QList<int>{0, 1, 5, 18, 20, 21};
    QTest::newRow("CREATELIST") << QStringList{"/createlist"} << login << QList<int>{0, 1, 14, 21};
    QTest::newRow("UPLOAD") << QStringList{"/upload"}
                            << login + "[page 20]\nPublishedFileList = " KITBENCH_BINARY "\n"
                            << QList<int>{0, 1, 20, 6, 21};
    QTest::newRow("DOWNLOAD") << QStringList{"/download"} << login << QList<int>{0, 1, 7, 21};
    QTest::newRow("CREATEPROJECT") << QStringList{"/createproject"} << login << QList<int>{0, 1, 8, 9, 18, 20, 21};
    QTest::newRow("IMPORTPROJECT") << QStringList{"/importproject", "plan.xml"} << login
                                   << QList<int>{0, 1, 11, 12, 21};
    QTest::newRow("EXPORTPROJECT") << QStringList{"/exportproject"} << login << QList<int>{0, 1, 10, 21};
    QTest::newRow("EXPORTCALENDAR") << QStringList{"/exportcalendar"} << login << QList<int>{0, 1, 13, 21};
    QTest::newRow("IMPORTLIST, workbook chosen on page 16")
        << QStringList{"/importlist", ""} << login + "[page 16]\ntxtExcelFilePath = book.xlsx\n"
        << QList<int>{0, 1, 16, 14, 17, 21};
    QTest::newRow("IMPORTLIST, workbook named on the command line")
        << QStringList{"/importlist", "book.xlsx"} << login << QList<int>{0, 1, 14, 17, 21};
}

void TestWalk::pagePath()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answers);
    QFETCH(QList<int>, path);
    const Run result = run(arguments, answers);
    QCOMPARE(result.exitCode, 0);
    QStringList expected;
    for (int i = 0; i < path.size(); ++i)
        expected.append(QString("%1-page%2.png").arg(i + 1, 2, 10, QChar('0')).arg(path[i]));
    QCOMPARE(result.screenshots, expected);
    QVERIFY2(result.out.trimmed().size() > 0, "the final report goes to standard output");
}

void TestWalk::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("unknown control") << QStringList{"/createincident"} << "[page 1]\nTextLogn = x\n" << 1
                                     << "job.answers:2: no control named \"TextLogn\" on page 1";
    QTest::newRow("value that does not fit") << QStringList{"/createincident"} << "[page 1]\nCheckProxy = maybe\n"
                                             << 1 << "job.answers:2: CheckProxy takes 1 or 0";
    QTest::newRow("syntax") << QStringList{"/createincident"} << "TextLogin = x\n" << 1 << "job.answers:1:";
    QTest::newRow("error message keeps the page") << QStringList{"/upload"} << "" << 2 << "[5048]";
    QTest::newRow("unanswered question") << QStringList{"/createincident"} << "[page 1]\ncmdNav_1\n" << 3
                                         << "[3005]";
    QTest::newRow("answered question") << QStringList{"/createincident"} << "[page 1]\ncmdNav_1\n[messages]\n3005 = No\n"
                                       << 0 << "[3005]";
    QTest::newRow("cancel with Yes closes before Finish")
        << QStringList{"/createincident"} << "[page 2]\ncmdNav_1\n[messages]\n3005 = Yes\n" << 4 << "[9105]";
    QTest::newRow("no job chosen: Next disabled") << QStringList{} << "" << 4 << "Next is disabled";
}

void TestWalk::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answers);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    const Run result = run(arguments, answers);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(stderrHas), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(TestWalk)
#include "tst_walk.moc"
