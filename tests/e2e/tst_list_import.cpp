// The list import unattended: the workbook published, sheet and columns reaching CreateListFromExcel,
// the rows the server stored; error cells, a file that is no workbook and a failed upload.
#include "Scenario.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTest>

namespace {

// The header cells and the rows (cells joined by "|") of the newest list titled `title`, as the server's
// web view shows it after the auto-login page signed admin in; nothing when there is no such list.
std::optional<std::pair<QStringList, QStringList>> listView(const QString& address, const QString& title)
{
    QNetworkAccessManager network;
    auto get = [&](const QString& path) {
        QNetworkRequest request{QUrl("http://" + address + path)};
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(network.get(request));
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200
                   ? std::optional(QString::fromUtf8(reply->readAll()))
                   : std::nullopt;
    };
    auto cells = [](const QString& row, const QString& tag) {
        QStringList out;
        const QRegularExpression cell("<" + tag + ">(.*?)</" + tag + ">",
                                      QRegularExpression::DotMatchesEverythingOption);
        for (const QRegularExpressionMatch& match : cell.globalMatch(row)) {
            QString text = match.captured(1);
            for (const auto& [escaped, plain] :
                 {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}})
                text.replace(escaped, plain);
            out << text;
        }
        return out;
    };
    std::optional<std::pair<QStringList, QStringList>> found;
    if (!get("/default.aspx?login=admin@" + address + "&password=admin"))
        return found;
    for (int id = 1; id < 200; ++id) {
        const auto html = get("/portals/p/Lists/ListView.aspx?ListID=" + QString::number(id));
        if (!html)
            break;
        if (!html->contains("List " + QString::number(id) + ": " + title.toHtmlEscaped() + "<"))
            continue;
        found.emplace();
        const QRegularExpression row("<tr>(.*?)</tr>", QRegularExpression::DotMatchesEverythingOption);
        for (auto it = row.globalMatch(html->section("<table class=\"rows\">", 1)); it.hasNext();) {
            const QString content = it.next().captured(1);
            if (content.startsWith("<th>"))
                found->first = cells(content, "th");
            else
                found->second << cells(content, "td").join('|');
        }
    }
    return found;
}

// A workbook of tests/data/workbooks imported into a list "Imported", its sheet's columns checked.
Scenario importRow(const QString& file, const QString& sheet, const QString& columns,
                   bool ignoreErrorRows = true)
{
    return Scenario{
        .job = {"/importlist", WORKBOOKS "/" + file},
        .answers =
            "[page 14]\nListTitleText = Imported\nListFolderTreeView = key:F5\n[page 17]\nExcelSheetList = " +
            sheet + "\nExcelSheetFieldList = " + columns +
            "\nIgnoreErrorImportRowCheck = " + (ignoreErrorRows ? "1" : "0") + "\n[messages]\n5061 = Yes\n",
        .pages = {0, 1, 14, 17, 21},
        .calls = {"CreateListFromExcel [*,\"" + sheet + "\",*," +
                  compactJson(QJsonArray::fromStringList(columns.split('|'))) + ",1] OK"}};
}

} // namespace

class TestListImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void imports_data();
    void imports();

private:
    QTemporaryDir m_dir;
    QString m_workbook;
    ScenarioPlayer m_player;
};

void TestListImport::initTestCase()
{
    m_workbook = m_dir.filePath("fair contacts.csv");
    QFile file(m_workbook);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Name,Phone,City\nAda,123,Leeds\nBen,456,York\n"));
}

void TestListImport::imports_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<QString>("stored"); // the list the server shows: "rows: first ... last"; "": none made
    // The workbook's upload for the server to read, the list page's dictionaries and categories asked for
    // lists (15), and the list made in folder 5 from the columns chosen.
    auto csv = [this](const QString& version, bool onCommandLine) {
        return Scenario{
            .job = {"/importlist", onCommandLine ? m_workbook : QString()},
            .answers = "[page 14]\nListTitleText = \" Fair contacts \"\nListFolderTreeView = key:F5\n"
                       "[page 17]\nExcelSheetFieldList = Name|City\nIgnoreErrorImportRowCheck = 1\n"
                       "[messages]\n5061 = Yes\n" +
                       (onCommandLine ? "" : "[page 16]\ntxtExcelFilePath = " + m_workbook + "\n"),
            .version = version,
            .pages = onCommandLine ? QList<int>{0, 1, 14, 17, 21} : QList<int>{0, 1, 16, 14, 17, 21},
            .calls = {"GetCategoryList2 [15] OK", "LoadDictionaries [*,15] OK", "GetListFolders [0,-1] OK",
                      "FilePublishing.aspx {*\"ObjectId\":\"-1\",\"ObjectTypeId\":\"15\"*} 200",
                      "CreateListFromExcel [\"*fair contacts.csv\",\"fair contacts\",\" Fair contacts "
                      "\",*,5,*,[\"Name\",\"City\"],1] OK"}};
    };
    QTest::newRow("4.7, workbook chosen on the option page")
        << csv("4.7", false) << "2: Ada|Leeds ... Ben|York";
    QTest::newRow("4.0, workbook named on the command line")
        << csv("4.0", true) << "2: Ada|Leeds ... Ben|York";

    // How the server reads each workbook is the server's own test; these rows pick sheets and columns the
    // wizard offers from it: a later sheet, sheet and column names beyond ASCII, 30 columns, merged cells.
    const QString note = "This workbook contains 4 sheets: Visible, Hidden, VeryHidden and Chart";
    QTest::newRow("any_sheets.xlsx") << importRow("any_sheets.xlsx", "Visible", "1") << "3: 3 ... " + note;
    QTest::newRow("Formate.xls, umlauts")
        << importRow("Formate.xls", "Blätt1", "Huber|1907-07-03") << "9: Äcker|2005-02-23 ... wenig|1.2";
    QTest::newRow("Formate.xls, merged cells")
        << importRow("Formate.xls", "ÖÄÜ", "-100|Column C") << "1: |MERGED CELLS ... |MERGED CELLS";
    QTest::newRow("profiles.xls, 30 columns")
        << importRow("profiles.xls", "PROFILELEVELS", "PROFIL|Quergefälle|k2")
        << "14: P8.2|0.025|270.65 ... Q0|0|270.65";
    QTest::newRow("errors.xlsx, error rows ignored")
        << importRow("errors.xlsx", "Feuil1", "#DIV/0!") << "0: ";

    // Error rows not ignored: the server refuses with a fault that has no status text, the page stays.
    Scenario refused = importRow("errors.xlsx", "Feuil1", "#DIV/0!", false);
    refused.exitCode = 2;
    refused.pages = {0, 1, 14, 17};
    refused.answers.replace("ListTitleText = Imported", "ListTitleText = Errors");
    refused.calls = {"CreateListFromExcel *Row 2 of sheet 'Feuil1' holds the error #NAME?*"};
    refused.err = {"[5005]"};
    QTest::newRow("errors.xlsx, error rows refused") << refused << "";
    // A picture saved under a workbook's name, and an upload the server fails: the workbook cannot be read.
    // Given up (Abort): the error kept the wizard on its page, so the run ends with 2.
    const QString picture = m_dir.filePath("picture.xls");
    QFile file(picture);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    file.close();
    const Scenario unreadable{.job = {"/importlist", picture},
                              .answers = "[messages]\n5016 = Abort\n5061 = Yes\n",
                              .exitCode = 2,
                              .absent = {"CreateListFromExcel"},
                              .err = {"[5016]"}};
    QTest::newRow("not a workbook") << unreadable << "";
    Scenario failedUpload = unreadable;
    failedUpload.job = QStringList{"/importlist", ""};
    failedUpload.answers = "[page 16]\ntxtExcelFilePath = " + m_workbook + "\n" + unreadable.answers;
    failedUpload.faults = {"FilePublishing.aspx=http-500"};
    failedUpload.pages = {0, 1, 16};
    QTest::newRow("failed upload stays") << failedUpload << "";
}

void TestListImport::imports()
{
    QFETCH(Scenario, row);
    QFETCH(QString, stored);
    QVERIFY2(m_player.plays(row), m_player.why());
    const QString title = row.answers.section("ListTitleText = ", 1).section('\n', 0, 0).remove('"');
    if (title.isEmpty())
        return;
    const auto list = listView(m_player.server().address(), title);
    const QStringList rows = list ? list->second : QStringList();
    QCOMPARE(list ? QString::number(rows.size()) + ": " +
                        (rows.isEmpty() ? "" : rows.first() + " ... " + rows.last())
                  : QString(),
             stored);
    if (!rows.isEmpty() && row.job.at(1).startsWith(WORKBOOKS))
        QCOMPARE(list->first,
                 row.answers.section("ExcelSheetFieldList = ", 1).section('\n', 0, 0).split('|'));
}

QTEST_GUILESS_MAIN(TestListImport)
#include "tst_list_import.moc"
