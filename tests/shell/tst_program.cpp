// The kitbench program started as a user starts it from a terminal: --help, --version, no display.
#include "shell/ProgramInfo.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kitbench;

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startRequests()
    {
        using Row = std::pair<QStringList, StartRequest>; // arguments, request
        // (No option, --help and --version as a user types them: the runs below.)
        for (const auto& [arguments, request] : {
                 Row{{"/upload", "-h"}, StartRequest::Usage}, Row{{"/?"}, StartRequest::Usage},
                 Row{{"--version", "--help"}, StartRequest::Version}, // the first wins
                 Row{{"/home/u/--help"}, StartRequest::Wizard},       // a path is no option
                 Row{{"/H"}, StartRequest::Wizard},                   // not help
             })
            QCOMPARE(startRequest(arguments), request);
    }

    void answersOnStandardOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        const QStringList usage{"Usage: kitbench",
                                "/CREATEINCIDENT",
                                "/IMPORTLIST file",
                                "/UNATTENDED answers.txt",
                                "--version",
                                "Exit status",
                                "  3  a question the answer file does not answer"};
        QTest::newRow("--help") << QStringList{"--help"} << usage;
        // Before the wizard's own command line: a job or a display changes nothing, no window opens.
        QTest::newRow("--help after a job") << QStringList{"/createtask", "/L", "u@h", "--help"} << usage;
        QTest::newRow("--version") << QStringList{"--version"}
                                   << QStringList{"Orvello Kitbench " KITBENCH_VERSION "\n"};
    }

    void answersOnStandardOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        for (bool display : {false, true}) {
            const Run result = run(arguments, display);
            QCOMPARE(result.status, QProcess::NormalExit);
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.err, QString());
            for (const QString& part : expected)
                QVERIFY2(result.out.contains(part), qPrintable(part));
        }
    }

    void withoutDisplaySaysWhatToDo()
    {
        for (const QStringList& arguments :
             {QStringList{}, QStringList{"/createincident", "/L", "admin@127.0.0.1"}}) {
            const Run result = run(arguments);
            QCOMPARE(result.status, QProcess::NormalExit); // not an abort
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.out, QString());
            QVERIFY2(result.err.contains("no display") && result.err.contains("/UNATTENDED"),
                     qPrintable(result.err));
        }
    }

private:
    struct Run
    {
        int exitCode = -1;
        QProcess::ExitStatus status = QProcess::CrashExit;
        QString out, err;
    };
    Run run(const QStringList& arguments, bool display = false)
    {
        QTemporaryDir home;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (display)
            env.insert("DISPLAY", ":kitbench-test-display-that-does-not-exist");
        else
            env.remove("DISPLAY");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KITBENCH_BINARY), arguments);
        Run result;
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result = {process.exitCode(), process.exitStatus(),
                  QString::fromLocal8Bit(process.readAllStandardOutput()),
                  QString::fromLocal8Bit(process.readAllStandardError())};
        return result;
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
