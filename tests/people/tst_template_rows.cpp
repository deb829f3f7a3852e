// The rows of the templates page without widgets: assignments made from user items and taken back,
// and the row that keeps the selection after a move.
#include "people/PeopleAnswers.h"
#include "people/TemplateAssignmentRows.h"

#include <QTest>

using namespace kitbench;

namespace {

PeopleItem item(const QString& key, const QString& text, const QString& icon = "<user>")
{
    return PeopleItem{key, text, icon};
}

} // namespace

class TestTemplateRows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void assignAndTakeBack()
    {
        using Row =
            std::tuple<PeopleItem, int, QString, QString>; // user, role id, role text, assignment text
        // Plain names and roles are given and taken back on the live templates page.
        for (const auto& [user, roleId, roleText, text] : {
                 // Brackets in a name or a role: the role part is cut off exactly, the name stays whole.
                 Row{item("U40", "Eva (Evi) Jansen"), 12, "Mover", "Eva (Evi) Jansen (Mover)"},
                 Row{item("U7", "Li Wong"), 5, "Tester (QA)", "Li Wong (Tester (QA))"},
                 Row{item("U7", "Li Wong"), 9, "", "Li Wong ()"}, // a role without a name
                 // An item that was marked otherwise is an ordinary user in both lists.
                 Row{item("U2", "Peter Marsh", "<user_must_be_confirmed>"), 4, "Planner",
                     "Peter Marsh (Planner)"},
             }) {
            const PeopleItem assignment = item(user.key + ':' + QString::number(roleId), text);
            QCOMPARE(people::assignmentItem(user, roleId, roleText), assignment);
            QCOMPARE(people::assignmentRoleId(assignment.key), roleId);
            QCOMPARE(people::userItemOfAssignment(assignment, roleText), item(user.key, user.text));
        }
        // When the role's text is not known (or no longer matches) the text ends before its first " (".
        using Back = std::tuple<QString, QString, QString, PeopleItem>; // key, text, role text, user
        for (const auto& [key, text, roleText, user] : {
                 Back{"U11:1", "Ana Garcia (Developer)", "", item("U11", "Ana Garcia")},
                 Back{"U11:1", "Ana Garcia (Developer)", "Engineer", item("U11", "Ana Garcia")}, // renamed
                 Back{"U40:12", "Eva (Evi) Jansen (Mover)", "", item("U40", "Eva")},
                 Back{"U5", "Zoe Adams", "", item("U5", "Zoe Adams")},     // no role part
                 Back{"U5:2", "Zoe(Adams)", "", item("U5", "Zoe(Adams)")}, // a bracket without a blank
             })
            QCOMPARE(people::userItemOfAssignment(item(key, text), roleText), user);
        // The role of a key: a number after the one colon.
        using Key = std::pair<QString, int>;
        for (const auto& [key, roleId] :
             {Key{"U11:7", 7}, Key{"U11", 0}, Key{"U11:x", 0}, Key{"U11:7:2", 0}, Key{"U11:", 0}})
            QCOMPARE(people::assignmentRoleId(key), roleId);
    }

    void rowAfterMoving()
    {
        // From the middle and from the last row: the live templates page.
        using Row = std::tuple<int, int, int>; // last row moved, rows left, row selected then
        for (const auto& [lastMoved, rowsLeft, row] : {
                 Row{-1, 5, -1}, // nothing moved
                 Row{0, 0, -1},  // list emptied
                 Row{0, 3, 0},   // the first row
                 Row{6, 2, 1},   // past the end after several
             })
            QCOMPARE(rowAfterMove(lastMoved, rowsLeft), row);
    }
};

QTEST_APPLESS_MAIN(TestTemplateRows)
#include "tst_template_rows.moc"
