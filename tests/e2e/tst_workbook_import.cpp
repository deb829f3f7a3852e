// Workbooks written by spreadsheet programs imported unattended against a live development server:
// the wizard offers the server's sheets and columns, CreateListFromExcel gets the chosen ones, and
// the list the server stored shows the sheet's rows.
#include "DevServer.h"
#include "KitbenchRun.h"
#include "ListView.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

class TestWorkbookImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void importSheet_data();
    void importSheet();
    void errorRowsRefused();
    void notAWorkbook();
};

namespace {

QString workbook(const QString& name)
{
    return QStringLiteral(WORKBOOKS "/") + name;
}

KitbenchRun importList(const DevServer& server, const QString& file, const QString& title,
                       const QString& sheet, const QString& columns, bool ignoreErrorRows)
{
    return KitbenchRun::start(
        {"/importlist", workbook(file), "/L", "admin@" + server.address(), "/P", "admin"},
        "[page 14]\nListTitleText = " + title +
            "\nListFolderTreeView = key:F5\n[page 17]\nExcelSheetList = " + sheet +
            "\nExcelSheetFieldList = " + columns +
            "\nIgnoreErrorImportRowCheck = " + (ignoreErrorRows ? "1" : "0") + "\n[messages]\n5061 = Yes\n");
}

} // namespace

void TestWorkbookImport::importSheet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("columns"); // checked, in the order the server listed them
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("lastRow");
    const QString note = "This workbook contains 4 sheets: Visible, Hidden, VeryHidden and Chart";
    QTest::newRow("any_sheets.xls") << "any_sheets.xls"
                                    << "Visible"
                                    << "1|2" << 3 << "3|4" << note + "|";
    QTest::newRow("any_sheets.xlsx") << "any_sheets.xlsx"
                                     << "Visible"
                                     << "1" << 3 << "3" << note;
    QTest::newRow("date.xlsx") << "date.xlsx"
                               << "Sheet1"
                               << "2021-01-01|15" << 2 << "2021-01-02|16"
                               << "1900-01-10T15:10:10|17";
    QTest::newRow("Formate.xls, umlauts") << "Formate.xls"
                                          << "Blätt1"
                                          << "Huber|1907-07-03" << 9 << "Äcker|2005-02-23"
                                          << "wenig|1.2";
    QTest::newRow("Formate.xls, merged cells") << "Formate.xls"
                                               << "ÖÄÜ"
                                               << "-100|Column C" << 1 << "|MERGED CELLS"
                                               << "|MERGED CELLS";
    QTest::newRow("profiles.xls, 30 columns") << "profiles.xls"
                                              << "PROFILELEVELS"
                                              << "PROFIL|Quergefälle|k2" << 14 << "P8.2|0.025|270.65"
                                              << "Q0|0|270.65";
    QTest::newRow("profiles.xls, unnamed first column") << "profiles.xls"
                                                        << "AXISDATUMLEVELS"
                                                        << "Column A|d" << 14 << "P8.2|266.80039"
                                                        << "Q0|267.42773";
    QTest::newRow("errors.xlsx, error rows ignored") << "errors.xlsx"
                                                     << "Feuil1"
                                                     << "#DIV/0!" << 0 << ""
                                                     << "";
}

void TestWorkbookImport::importSheet()
{
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    QFETCH(QString, columns);
    QFETCH(int, rowCount);
    QFETCH(QString, firstRow);
    QFETCH(QString, lastRow);
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = importList(server, file, "Imported", sheet, columns, true);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QList<QJsonObject> created = server.calls("CreateListFromExcel");
    QCOMPARE(created.size(), 1);
    QCOMPARE(created.first().value("status").toString(), QString("OK"));
    const QJsonArray args = created.first().value("args").toArray();
    QCOMPARE(args[1].toString(), sheet);
    QCOMPARE(args[8].toArray().toVariantList(), QVariant(columns.split('|')).toList());

    const std::optional<ListView> list = findListView(server.address(), "Imported");
    QVERIFY(list);
    QCOMPARE(list->rows.size(), rowCount);
    if (rowCount) {
        QCOMPARE(list->fields, columns.split('|'));
        QCOMPARE(list->rows.first(), firstRow);
        QCOMPARE(list->rows.last(), lastRow);
    }
}

void TestWorkbookImport::errorRowsRefused()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run = importList(server, "errors.xlsx", "Errors", "Feuil1", "#DIV/0!", false);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("[5005]"), qPrintable(run.err)); // a fault without a status text
    QCOMPARE(run.pages().last(), 17);
    const QList<QJsonObject> calls = server.calls("CreateListFromExcel");
    QCOMPARE(calls.size(), 1);
    const QString status = calls.first().value("status").toString();
    QVERIFY2(status.contains("Row 2 of sheet 'Feuil1' holds the error #NAME?"), qPrintable(status));
    QVERIFY(!findListView(server.address(), "Errors"));
}

void TestWorkbookImport::notAWorkbook()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    // A picture saved under a workbook's name.
    QTemporaryDir dir;
    QFile picture(dir.filePath("picture.xls"));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    picture.close();
    const KitbenchRun run = KitbenchRun::start(
        {"/importlist", picture.fileName(), "/L", "admin@" + server.address(), "/P", "admin"},
        "[messages]\n5016 = Abort\n5061 = Yes\n");
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.err.contains("[5016]"), qPrintable(run.err));
    QVERIFY(server.calls("CreateListFromExcel").isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkbookImport)
#include "tst_workbook_import.moc"
