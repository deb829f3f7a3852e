// The list import unattended against live development servers: the workbook is published for the
// server to describe, its sheet and chosen columns reach CreateListFromExcel with the list page's
// values, and a failed upload leaves the job on its page.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

class TestListImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void importSheet_data();
    void importSheet();
    void failedUploadStays();

private:
    QTemporaryDir m_dir;
    QString m_workbook;
};

void TestListImport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_workbook = m_dir.filePath("fair contacts.csv");
    QFile file(m_workbook);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name,Phone,City\nAda,123,Leeds\nBen,456,York\n");
}

void TestListImport::importSheet_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("onCommandLine");
    QTest::newRow("4.7, workbook chosen on the option page") << "4.7" << false;
    QTest::newRow("4.0, workbook named on the command line") << "4.0" << true;
}

void TestListImport::importSheet()
{
    QFETCH(QString, version);
    QFETCH(bool, onCommandLine);
    DevServer server({"--seed", "demo", "--server-version", version});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    QString answers = "[page 14]\nListTitleText = \" Fair contacts \"\nListFolderTreeView = key:F5\n"
                      "[page 17]\nExcelSheetFieldList = Name|City\nIgnoreErrorImportRowCheck = 1\n"
                      "[messages]\n5061 = Yes\n";
    if (!onCommandLine)
        answers += "[page 16]\ntxtExcelFilePath = " + m_workbook + "\n";
    const KitbenchRun run = KitbenchRun::start({"/importlist", onCommandLine ? m_workbook : QString(), "/L",
                                                "admin@" + server.address(), "/P", "admin"},
                                               answers);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.pages(),
             onCommandLine ? (QList<int>{0, 1, 14, 17, 21}) : (QList<int>{0, 1, 16, 14, 17, 21}));

    QList<QJsonObject> posts;
    for (const QJsonObject& entry : server.journal())
        if (entry.value("page").toString() == "FilePublishing.aspx")
            posts << entry;
    QCOMPARE(posts.size(), 1);
    const QJsonObject fields = posts.first().value("fields").toObject();
    QCOMPARE(fields.value("ObjectTypeId").toString(), QString("15"));
    QCOMPARE(fields.value("ObjectId").toString(), QString("-1"));
    QCOMPARE(posts.first().value("status").toInt(), 200);

    const QList<QJsonObject> created = server.calls("CreateListFromExcel");
    QCOMPARE(created.size(), 1);
    QCOMPARE(created.first().value("status").toString(), QString("OK"));
    const QJsonArray args = created.first().value("args").toArray();
    QCOMPARE(args.size(), 10);
    QVERIFY2(args[0].toString().endsWith("fair contacts.csv"), qPrintable(args[0].toString()));
    QCOMPARE(args[1].toString(), QString("fair contacts")); // the sheet the server named
    QCOMPARE(args[2].toString(), QString(" Fair contacts "));
    QCOMPARE(args[4].toInt(), 5);
    QCOMPARE(args[8].toArray(), (QJsonArray{"Name", "City"}));
    QCOMPARE(args[9].toInt(), 1);
}

void TestListImport::failedUploadStays()
{
    DevServer server({"--seed", "demo", "--fault", "FilePublishing.aspx=http-500"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = KitbenchRun::start(
        {"/importlist", "", "/L", "admin@" + server.address(), "/P", "admin"},
        "[page 16]\ntxtExcelFilePath = " + m_workbook + "\n[messages]\n5016 = Abort\n5061 = Yes\n");
    QVERIFY2(run.err.contains("[5016]"), qPrintable(run.err));
    QCOMPARE(run.pages().last(), 16);
    QVERIFY(run.exitCode != 0);
    QVERIFY(server.calls("CreateListFromExcel").isEmpty());
}

QTEST_GUILESS_MAIN(TestListImport)
#include "tst_list_import.moc"
