// The command line web pages, add-ins and scripts start the wizard with: tokens, options, the values
// served to them, and the files a folder names.
#include "shell/CommandLine.h"
#include "shell/PublishList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kitbench;

namespace {
// What the wizard takes from a command line, in one line; values no option has are left out.
QString summary(const CommandLineRequest& r)
{
    QStringList parts{
        QStringLiteral("mode %1%2").arg(r.runMode).arg(r.startedWithRunMode ? "" : " (none given)")};
    const auto add = [&](bool has, const char* name, const QString& value) {
        if (has)
            parts << name + ("=" + value);
    };
    add(!r.importFilePath.isEmpty(), "import", r.importFilePath);
    add(r.hasResourceIds, "ids", r.resourceIdsText);
    add(r.hasLogin, "login", r.login);
    add(r.hasPassword, "password", r.password);
    if (r.useSsl)
        parts << "ssl";
    if (r.openFile)
        parts << "openfile";
    add(!r.answerFile.isEmpty(), "answers", r.answerFile);
    add(!r.screenshotDir.isEmpty(), "shots", r.screenshotDir);
    add(!r.publishValues.isEmpty(), "files", r.publishValues.join('|'));
    return parts.join(' ');
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tokenizer()
    {
        using Row = std::pair<QString, QStringList>; // text, tokens
        for (const auto& [text, tokens] : {
                 Row{"a   b  c", {"a", "b", "c"}}, // runs of spaces separate once
                 Row{"  a b  ", {"a", "b"}},
                 Row{"/upload \"C:/My Files/a b.txt\"", {"/upload", "C:/My Files/a b.txt"}}, // one token
                 Row{"/P \"\"", {"/P", ""}},      // empty quotes give an empty token
                 Row{"ab\"c d\"", {"abc d"}},     // text before an opening quote stays
                 Row{"\"a b\"cd", {"a b", "cd"}}, // text after a closing quote starts a new token
                 Row{"a\tb c", {"a\tb", "c"}},    // tab is an ordinary character
                 Row{"x \"y z", {"x", "y z"}},    // unclosed quote keeps its text
             })
            QCOMPARE(tokenizeCommandLine(text), tokens);
        // (Joined arguments split into the same tokens: the command-line fuzz target checks every input.)
    }

    void requests()
    {
        using Row = std::tuple<const char*, QString, QString>; // tag, command line, what the wizard takes
        for (const auto& [tag, line, request] : {
                 Row{"options in any case, after / or -, unknown ones ignored",
                     "/createtask /L \"user one\" /P \"\" -usessl /OpenFile /nonsense /",
                     "mode 2 login=user one password= ssl openfile"},
                 Row{"user ids select no job", "/orvresources 1,2 /L x",
                     "mode 0 (none given) ids=1,2 login=x"},
                 // Values are served in a fixed order whatever the order of the options: import file first.
                 Row{"import file before the login", "/IMPORTLIST /L admin /tmp/book.xlsx",
                     "mode 12 import=admin login=/tmp/book.xlsx"},
                 Row{"login, password, answer file, screenshot folder",
                     "/SCREENSHOTS /UNATTENDED /P /L /createincident shots.dir job.answers pw me@srv",
                     "mode 1 login=shots.dir password=job.answers answers=pw shots=me@srv"},
                 // A request outlives later options; values without a request are files to publish.
                 Row{"pending login across a job", "/L /upload admin@h secret extra.txt",
                     "mode 6 login=admin@h files=secret|extra.txt"},
                 Row{"an absolute path is a value", "/upload /tmp/a.txt /x", "mode 6 files=/tmp/a.txt"},
                 Row{"the last job wins", "/download -CreateIncident /exportcalendar", "mode 11"},
                 Row{"user ids and open file select no job", "/upload /orvresources 5 /openfile",
                     "mode 6 ids=5 openfile"},
             })
            QCOMPARE(std::pair(tag, summary(parseCommandLine(line))), std::pair(tag, request));
    }

    void resourceIds()
    {
        using Row = std::pair<QString, QList<qint32>>; // text, ids
        for (const auto& [text, ids] : {
                 Row{"12,x,7", {12, 7}}, // a non-numeric item is skipped
                 Row{" 3 , 4 ,5 ", {3, 4, 5}},
                 Row{"9,", {9}},
                 Row{"a,b", {0}}, // nothing numeric keeps 0
                 Row{"", {0}},
                 Row{"-4,8", {-4, 8}},
             })
            QCOMPARE(ParseResourceIds(text), ids);
    }

    void folderListsItsFilesBeforeSubfolders()
    {
        // Hidden files and folders and links are left out of a folder; a file named directly is added
        // whatever its attributes.
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath("a_sub/deeper") && root.mkpath(".hidden_sub"));
        for (const char* name : {"z.txt", "b.txt", ".secret", "readonly.txt", "a_sub/inner.txt",
                                 "a_sub/deeper/deep.txt", ".hidden_sub/h.txt"}) {
            QFile file(root.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        }
        QFile::setPermissions(root.filePath("readonly.txt"), QFileDevice::ReadOwner);
        QVERIFY(QFile::link(root.filePath("b.txt"), root.filePath("link.txt")));
        QStringList expected;
        for (const char* name : {"b.txt", "z.txt", "a_sub/inner.txt", "a_sub/deeper/deep.txt"})
            expected << root.filePath(name);
        QCOMPARE(filesNamedBy(dir.path()), expected);
        QCOMPARE(filesNamedBy(root.filePath("missing")), QStringList{});
        for (const char* name : {".secret", "readonly.txt"})
            QCOMPARE(filesNamedBy(root.filePath(name)), QStringList{root.filePath(name)});
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
