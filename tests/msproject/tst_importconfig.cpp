// The resource mapping documents of the plan import: the server's proposal read into rows and the
// chooser's users, the rows written back as the second step's request, and the project id of that
// step at the edges of its 16 bits. The proposals in order, the choices sent back and the calls are
// checked against a live server.
#include "msproject/ImportConfig.h"
#include "msproject/MsProjectCalls.h"

#include <QTest>

using namespace kitbench;

namespace {

const QString kNone = "(Not assigned)";

QString answer(const QString& users, const QString& assignments,
               const QString& version = "<XMLVersionID>17</XMLVersionID>")
{
    return "<ImportConfig>" + version + "<Resources>" + users + "</Resources><ImportAssignments>" +
           assignments + "</ImportAssignments></ImportConfig>";
}

QString user(const QString& id, const QString& first, const QString& last)
{
    return "<User><UserId>" + id + "</UserId><FirstName>" + first + "</FirstName><LastName>" + last +
           "</LastName></User>";
}

QString proposal(const QString& resource, const QString& name, const QString& userId)
{
    return "<Assignment><ResourceId>" + resource + "</ResourceId><ResourceName>" + name +
           "</ResourceName><UserId>" + userId + "</UserId></Assignment>";
}

} // namespace

class TestImportConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readAnswer()
    {
        // The users offered in the chooser and the rows shown.
        const auto check = [](const char* tag, const QString& text, const QStringList& users,
                              const QStringList& rows) {
            const ImportConfigAnswer config = readImportConfig(text, kNone);
            QStringList offered, shown;
            for (const ImportConfigUser& entry : config.users)
                offered << QString::number(entry.userId) + "=" + entry.name;
            for (const AssignmentRow& row : config.rows)
                shown << row.resourceKey + "=" + row.resourceName + "|" + row.userKey + "=" + row.userText;
            QCOMPARE(tag + (": " + offered.join(',') + " / " + shown.join(',')),
                     tag + (": " + users.join(',') + " / " + rows.join(',')));
        };
        const QString team = user("3", "Dana", "Rahn") + user("7", "Ole", "Brink");
        const QStringList offered{"3=Dana Rahn", "7=Ole Brink"};
        check("no proposal shows the not-assigned text", answer(team, proposal("5", "Contractor", "-1")),
              offered, QStringList{"a5=Contractor|a-1=" + kNone});
        check("a proposed user not offered counts as none", answer(team, proposal("5", "Mara Voss", "12")),
              offered, QStringList{"a5=Mara Voss|a-1=" + kNone});
        check("a user without a numeric id is not offered",
              answer(user("x", "A", "B") + user("4", "Eva", "Lind"), proposal("1", "Eva Lind", "4")),
              QStringList{"4=Eva Lind"}, QStringList{"a1=Eva Lind|a4=Eva Lind"});
        check("no resources in the plan", answer(team, ""), offered, QStringList{});
        check("not an ImportConfig", "<Fault>denied", QStringList{}, QStringList{});
    }
    void buildRequest()
    {
        // The version token is copied as text; an unreadable answer leaves it empty.
        const QString version = "<XMLVersionID>v2 &amp; x</XMLVersionID>";
        QCOMPARE(buildImportConfigRequest(answer(user("3", "Dana", "Rahn"), "", version), {}),
                 "<ImportConfig>" + version + "<ImportAssignments/></ImportConfig>");
        QCOMPARE(
            buildImportConfigRequest("no xml", {{"a9", "a4"}}),
            QString("<ImportConfig><XMLVersionID/><ImportAssignments><Assignment><ResourceId>9</ResourceId>"
                    "<UserId>4</UserId></Assignment></ImportAssignments></ImportConfig>"));
    }
    void stepTwoProjectId()
    {
        using Row = std::tuple<int, bool, int>; // project id, synchronize; id sent (99999: no call possible)
        for (const auto& [projectId, synchronize, expected] : {
                 Row{-4, true, -4}, Row{-4, false, -4},                // already synchronized stays negative
                 Row{32767, true, -32767}, Row{-32768, false, -32768}, // the 16-bit edges
                 Row{32768, false, 99999}, Row{-32769, true, 99999}, Row{0, true, 0}, // zero is not negated
             }) {
            const std::optional<qint16> id = kitbench::stepTwoProjectId(projectId, synchronize);
            QCOMPARE(id ? int(*id) : 99999, expected);
            QCOMPARE(importStepTwoCall(projectId, synchronize, "<ImportConfig/>").has_value(),
                     expected != 99999);
        }
    }
};

QTEST_GUILESS_MAIN(TestImportConfig)
#include "tst_importconfig.moc"
