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

    void answersOnStandardOutput()
    {
        const QStringList usage{"Usage: kitbench",
                                "/CREATEINCIDENT",
                                "/IMPORTLIST file",
                                "/UNATTENDED answers.txt",
                                "--version",
                                "Exit status",
                                "  3  a question the answer file does not answer"};
        using Row = std::pair<QStringList, QStringList>; // arguments, parts of the output
        // Before the wizard's own command line: a job or a display changes nothing, no window opens.
        for (const auto& [arguments, expected] :
             {Row{{"--help"}, usage}, Row{{"/createtask", "/L", "u@h", "--help"}, usage},
              Row{{"--version"}, {"Orvello Kitbench " KITBENCH_VERSION "\n"}}})
            for (bool display : {false, true}) {
                const Run result = run(arguments, display);
                QCOMPARE(std::tuple(arguments, display, result.status, result.exitCode, result.err),
                         std::tuple(arguments, display, QProcess::NormalExit, 0, QString()));
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
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitCode(), process.exitStatus(),
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
