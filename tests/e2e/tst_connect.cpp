// Connecting refuses the jobs a server version cannot serve. The rule by version is checked as a table;
// one real run per outcome shows the refusal against a live server: after GetServerVersion (with the
// login in its header) nothing else reaches it, while an admitted job goes on to its first page.
#include "Scenario.h"
#include "session/ServerVersion.h"
#include "shell/RunMode.h"

#include <QTest>

class TestConnect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusalRule_data();
    void refusalRule();
    void againstTheServer_data();
    void againstTheServer();

private:
    ScenarioPlayer m_player;
};

void TestConnect::refusalRule_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<int>>("refused");
    QTest::addColumn<int>("message");
    using namespace kitbench;
    const QList<int> all{CREATEINCIDENT, CREATETASK,    CREATEEVENT,    CREATETODO,
                         CREATELIST,     UPLOAD,        DOWNLOAD,       CREATEPROJECT,
                         IMPORTPROJECT,  EXPORTPROJECT, EXPORTCALENDAR, IMPORTLIST};
    QList<int> exceptFiles = all;
    exceptFiles.removeAll(UPLOAD);
    exceptFiles.removeAll(DOWNLOAD);
    QTest::newRow("3.0: files only") << "3.0" << exceptFiles << 5042;
    QTest::newRow("3.5: no lists, no calendar")
        << "3.5" << QList<int>{CREATELIST, EXPORTCALENDAR, IMPORTLIST} << 5065;
    for (const char* version : {"4.0", "4.1", "4.5", "4.7"})
        QTest::newRow(version) << version << QList<int>{} << 0;
}

void TestConnect::refusalRule()
{
    QFETCH(QString, version);
    QFETCH(QList<int>, refused);
    QFETCH(int, message);
    for (int mode = kitbench::CREATEINCIDENT; mode <= kitbench::IMPORTLIST; ++mode) {
        const auto refusal = kitbench::versionRefusal(version, mode);
        QVERIFY2(refusal.has_value() == refused.contains(mode), qPrintable(QString::number(mode)));
        if (refusal)
            QCOMPARE(refusal->textId, message);
    }
}

void TestConnect::againstTheServer_data()
{
    QTest::addColumn<Scenario>("row");
    // Nothing after the version.
    const QStringList onlyTheVersion{"GetServerVersion [] OK"};
    auto refused = [&](const QString& version, const QString& job, const QString& id) {
        return Scenario{.job = {job},
                        .version = version,
                        .exitCode = 2,
                        .pages = {0, 1},
                        .calls = onlyTheVersion,
                        .onlyCalls = true,
                        .err = {"[" + id + "]"}};
    };
    QTest::newRow("3.0 refuses an incident") << refused("3.0", "/createincident", "5042");
    QTest::newRow("3.5 refuses the calendar") << refused("3.5", "/exportcalendar", "5065");
    QTest::newRow("3.0 serves a download")
        << Scenario{.job = {"/download"},
                    .answers = "[page 7]\nAssetListTreeView = key:A3\n[dialog SaveFile]\nFileName = .\n",
                    .version = "3.0",
                    .pages = {0, 1, 7, 21},
                    .calls = {"GetServerVersion [] OK", "FileDownload.aspx"}};
    QTest::newRow("3.5 serves a to-do") << Scenario{.job = {"/createtodo"},
                                                    .answers = "[page 5]\nToDoTitleText = C\n",
                                                    .version = "3.5",
                                                    .pages = {0, 1, 5, 18, 20, 21},
                                                    .calls = {"GetServerVersion [] OK", "CreateToDo"}};
}

void TestConnect::againstTheServer()
{
    QFETCH(Scenario, row);
    const QString differences = m_player.play(row);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    const QJsonObject version = m_player.server().calls("GetServerVersion").last();
    QCOMPARE(version.value("user").toString(), QString("admin"));
}

QTEST_GUILESS_MAIN(TestConnect)
#include "tst_connect.moc"
