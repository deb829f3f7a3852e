// Connecting refuses the jobs a server version cannot serve: after GetServerVersion (with the login in
// its header) nothing else reaches the server, while an admitted job goes on to its first page.
#include "Scenario.h"

#include <QTest>

class TestConnect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void againstTheServer_data();
    void againstTheServer();

private:
    ScenarioPlayer m_player;
};

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
