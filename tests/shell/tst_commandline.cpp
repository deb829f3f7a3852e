#include "shell/CommandLine.h"
#include "shell/PublishList.h"
#include "shell/RunMode.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kitbench;

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tokenizer_data();
    void tokenizer();
    void joinedArgumentsTokenizeBack_data();
    void joinedArgumentsTokenizeBack();
    void dispatch();
    void pendingRequestsAreServedInFixedOrder();
    void lastRunModeKeywordWins();
    void unattendedOptionsFollowThePassword();
    void resourceIds_data();
    void resourceIds();
    void folderListsItsFilesBeforeSubfolders();
    void fileNamedDirectlyIsAddedWhateverItsAttributes();
};

void TestCommandLine::tokenizer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("runs of spaces separate once") << "a   b  c" << QStringList{"a", "b", "c"};
    QTest::newRow("leading and trailing spaces") << "  a b  " << QStringList{"a", "b"};
    QTest::newRow("quoted path with spaces is one token")
        << "/upload \"C:/My Files/a b.txt\"" << QStringList{"/upload", "C:/My Files/a b.txt"};
    QTest::newRow("empty quotes give an empty token") << "/P \"\"" << QStringList{"/P", ""};
    QTest::newRow("text before an opening quote stays") << "ab\"c d\"" << QStringList{"abc d"};
    QTest::newRow("text after a closing quote starts a new token") << "\"a b\"cd" << QStringList{"a b", "cd"};
    QTest::newRow("tab is an ordinary character") << "a\tb c" << QStringList{"a\tb", "c"};
    QTest::newRow("unclosed quote keeps its text") << "x \"y z" << QStringList{"x", "y z"};
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("only spaces") << "    " << QStringList{};
}

void TestCommandLine::tokenizer()
{
    QFETCH(QString, text);
    QFETCH(QStringList, tokens);
    QCOMPARE(tokenizeCommandLine(text), tokens);
}

void TestCommandLine::joinedArgumentsTokenizeBack_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain") << QStringList{"/createtask", "/L", "admin@host"};
    QTest::newRow("empty password") << QStringList{"/L", "user one", "/P", ""};
    QTest::newRow("path with spaces") << QStringList{"/upload", "/tmp/my folder/file 1.txt", "/tmp/x"};
}

void TestCommandLine::joinedArgumentsTokenizeBack()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(tokenizeCommandLine(joinArguments(arguments)), arguments);
}

void TestCommandLine::dispatch()
{
    const CommandLineRequest request =
        parseCommandLine(QStringLiteral("/createtask /L \"user one\" /P \"\" -usessl /OpenFile /nonsense /"));
    QCOMPARE(request.runMode, int(CREATETASK));
    QVERIFY(request.startedWithRunMode);
    QCOMPARE(request.login, QStringLiteral("user one"));
    QVERIFY(request.hasPassword);
    QCOMPARE(request.password, QString());
    QVERIFY(request.useSsl);
    QVERIFY(request.openFile);
    QVERIFY(request.publishValues.isEmpty());

    const CommandLineRequest none = parseCommandLine(QStringLiteral("/orvresources 1,2 /L x"));
    QCOMPARE(none.runMode, 0);
    QVERIFY(!none.startedWithRunMode);
}

void TestCommandLine::pendingRequestsAreServedInFixedOrder()
{
    // The import file is served before the login, whatever the order of the options.
    const CommandLineRequest request = parseCommandLine(QStringLiteral("/IMPORTLIST /L admin /tmp/book.xlsx"));
    QCOMPARE(request.runMode, int(IMPORTLIST));
    QCOMPARE(request.importFilePath, QStringLiteral("admin"));
    QCOMPARE(request.login, QStringLiteral("/tmp/book.xlsx"));

    // A request stays pending across later options; values without a request are files to publish.
    const CommandLineRequest later = parseCommandLine(QStringLiteral("/L /upload admin@h secret extra.txt"));
    // An absolute path is a value, not an option.
    QCOMPARE(parseCommandLine(QStringLiteral("/upload /tmp/a.txt /x")).publishValues, QStringList{"/tmp/a.txt"});
    QCOMPARE(later.login, QStringLiteral("admin@h"));
    QCOMPARE(later.publishValues, QStringList{QStringLiteral("secret")} + QStringList{QStringLiteral("extra.txt")});
    QVERIFY(!later.hasPassword);
}

void TestCommandLine::lastRunModeKeywordWins()
{
    QCOMPARE(parseCommandLine(QStringLiteral("/download -CreateIncident /exportcalendar")).runMode, int(EXPORTCALENDAR));
    // ORVRESOURCES and OPENFILE select no job.
    QCOMPARE(parseCommandLine(QStringLiteral("/upload /orvresources 5 /openfile")).runMode, int(UPLOAD));
}

void TestCommandLine::unattendedOptionsFollowThePassword()
{
    const CommandLineRequest request = parseCommandLine(
        QStringLiteral("/SCREENSHOTS /UNATTENDED /P /L /createincident shots.dir job.answers pw me@srv"));
    // Served in the order login, password, answer file, screenshot folder.
    QCOMPARE(request.login, QStringLiteral("shots.dir"));
    QCOMPARE(request.password, QStringLiteral("job.answers"));
    QCOMPARE(request.answerFile, QStringLiteral("pw"));
    QCOMPARE(request.screenshotDir, QStringLiteral("me@srv"));
}

void TestCommandLine::resourceIds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint32>>("ids");
    QTest::newRow("non-numeric item skipped") << "12,x,7" << QList<qint32>{12, 7};
    QTest::newRow("blanks trimmed") << " 3 , 4 ,5 " << QList<qint32>{3, 4, 5};
    QTest::newRow("trailing comma") << "9," << QList<qint32>{9};
    QTest::newRow("nothing numeric keeps 0") << "a,b" << QList<qint32>{0};
    QTest::newRow("empty") << "" << QList<qint32>{0};
    QTest::newRow("negative ids") << "-4,8" << QList<qint32>{-4, 8};
}

void TestCommandLine::resourceIds()
{
    QFETCH(QString, text);
    QFETCH(QList<qint32>, ids);
    QCOMPARE(ParseResourceIds(text), ids);
}

namespace {
void writeFile(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}
} // namespace

void TestCommandLine::folderListsItsFilesBeforeSubfolders()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("a_sub/deeper")));
    QVERIFY(root.mkpath(QStringLiteral(".hidden_sub")));
    writeFile(root.filePath(QStringLiteral("z.txt")));
    writeFile(root.filePath(QStringLiteral("b.txt")));
    writeFile(root.filePath(QStringLiteral(".secret")));
    writeFile(root.filePath(QStringLiteral("readonly.txt")));
    QFile::setPermissions(root.filePath(QStringLiteral("readonly.txt")), QFileDevice::ReadOwner);
    QVERIFY(QFile::link(root.filePath(QStringLiteral("b.txt")), root.filePath(QStringLiteral("link.txt"))));
    writeFile(root.filePath(QStringLiteral("a_sub/inner.txt")));
    writeFile(root.filePath(QStringLiteral("a_sub/deeper/deep.txt")));
    writeFile(root.filePath(QStringLiteral(".hidden_sub/h.txt")));

    const QStringList expected{root.filePath(QStringLiteral("b.txt")), root.filePath(QStringLiteral("z.txt")),
                               root.filePath(QStringLiteral("a_sub/inner.txt")),
                               root.filePath(QStringLiteral("a_sub/deeper/deep.txt"))};
    QCOMPARE(filesNamedBy(dir.path()), expected);
    QCOMPARE(filesNamedBy(root.filePath(QStringLiteral("missing"))), QStringList{});
}

void TestCommandLine::fileNamedDirectlyIsAddedWhateverItsAttributes()
{
    QTemporaryDir dir;
    const QString hidden = QDir(dir.path()).filePath(QStringLiteral(".hidden file"));
    writeFile(hidden);
    QFile::setPermissions(hidden, QFileDevice::ReadOwner);
    QCOMPARE(filesNamedBy(hidden), QStringList{hidden});
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
