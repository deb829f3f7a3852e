// The server's description of an uploaded workbook and the call that makes a list from one sheet.
#include "items/CreateCalls.h"
#include "lists/Workbook.h"

#include <QTest>

using namespace kitbench;

class TestWorkbook : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sheetsAndColumns()
    {
        const std::optional<Workbook> workbook = parseWorkbook(
            "<Lists><File>U7_contacts.xls</File>"
            "<List><SheetName>People</SheetName><Field><Name>Name</Name></"
            "Field><Field><Name>Phone</Name></Field></List>"
            "<List><SheetName>Empty</SheetName></List>"
            "<List><SheetName>People</SheetName><Field><Name>Other</Name></Field></List></Lists>");
        QVERIFY(workbook);
        QCOMPARE(workbook->file, QString("U7_contacts.xls"));
        QCOMPARE(workbook->sheets.size(), 3);
        QCOMPARE(workbook->columnsOf("People"), (QStringList{"Name", "Phone"})); // the first of that name
        QCOMPARE(workbook->columnsOf("Empty"), QStringList{});
        QCOMPARE(workbook->columnsOf("Missing"), QStringList{});
        QVERIFY(parseWorkbook("<Lists><File>U1_x.xls</File></Lists>").value().sheets.isEmpty());
        QVERIFY(!parseWorkbook("<Lists>") && !parseWorkbook(""));
    }

    // A run against a live server sends columns and ignores error rows; here the other way round, with the
    // list page's values the run leaves at their defaults.
    void createCall()
    {
        const ListValues values{" Contacts ", "From the fair", QVariant::fromValue<qint16>(5), 3, 9, {17, 4}};
        const std::optional<ServerCall> call =
            listFromSheetCall(values, "U7_contacts.xls", "People", {}, false);
        QVERIFY(call);
        QCOMPARE(call->method, QString("CreateListFromExcel"));
        QCOMPARE(call->arguments.mid(0, 5), (QVariantList{"U7_contacts.xls", "People", " Contacts ",
                                                          "From the fair", values.folderTag}));
        QCOMPARE((QList<int>{call->arguments[5].toInt(), call->arguments[6].toInt()}), (QList<int>{3, 9}));
        QCOMPARE(call->arguments[7].value<QList<qint32>>(), (QList<qint32>{17, 4}));
        QCOMPARE(call->arguments[8].toStringList(), QStringList{});
        QCOMPARE(call->arguments[9].typeName() + (" " + call->arguments[9].toString()),
                 QString("short 0")); // 16 bits
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
