// The rows of the templates page without widgets: assignments made from user items and taken back,
// and the row that keeps the selection after a move.
#include "people/PeopleAnswers.h"
#include "people/TemplateAssignmentRows.h"

#include <QTest>

using namespace kitbench;

Q_DECLARE_METATYPE(PeopleItem)

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
    void assignAndTakeBack_data()
    {
        QTest::addColumn<PeopleItem>("user");
        QTest::addColumn<int>("roleId");
        QTest::addColumn<QString>("roleText");
        QTest::addColumn<PeopleItem>("assignment");
        const auto row = [](const char* tag, const PeopleItem& user, int roleId, const QString& roleText,
                            const QString& assignmentText) {
            QTest::newRow(tag) << user << roleId << roleText
                               << item(user.key + ':' + QString::number(roleId), assignmentText);
        };
        row("plain", item("U11", "Ana Garcia"), 1, "Developer", "Ana Garcia (Developer)");
        row("role with a blank", item("U3", "Ursula Brandt"), 3, "Business Analyst",
            "Ursula Brandt (Business Analyst)");
        // Brackets in a name or a role: the role part is cut off exactly, the name stays whole.
        row("brackets in the name", item("U40", "Eva (Evi) Jansen"), 12, "Mover", "Eva (Evi) Jansen (Mover)");
        row("brackets in the role", item("U7", "Li Wong"), 5, "Tester (QA)", "Li Wong (Tester (QA))");
        row("a role without a name", item("U7", "Li Wong"), 9, "", "Li Wong ()");
        // An item that was marked otherwise is an ordinary user in both lists.
        row("other icon", item("U2", "Peter Marsh", "<user_must_be_confirmed>"), 4, "Planner",
            "Peter Marsh (Planner)");
    }

    void assignAndTakeBack()
    {
        QFETCH(PeopleItem, user);
        QFETCH(int, roleId);
        QFETCH(QString, roleText);
        QFETCH(PeopleItem, assignment);
        QCOMPARE(people::assignmentItem(user, roleId, roleText), assignment);
        QCOMPARE(people::assignmentRoleId(assignment.key), roleId);
        QCOMPARE(people::userItemOfAssignment(assignment, roleText), item(user.key, user.text));
    }

    void takeBackWithoutTheRole_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("roleText");
        QTest::addColumn<PeopleItem>("user");
        const auto row = [](const char* tag, const QString& key, const QString& text, const QString& roleText,
                            const PeopleItem& user) {
            QTest::newRow(tag) << key << text << roleText << user;
        };
        // When the role's text is not known (or no longer matches) the text ends before its first " (".
        row("role unknown", "U11:1", "Ana Garcia (Developer)", "", item("U11", "Ana Garcia"));
        row("role renamed", "U11:1", "Ana Garcia (Developer)", "Engineer", item("U11", "Ana Garcia"));
        row("brackets in the name, role unknown", "U40:12", "Eva (Evi) Jansen (Mover)", "",
            item("U40", "Eva"));
        row("no role part", "U5", "Zoe Adams", "", item("U5", "Zoe Adams"));
        row("bracket without a blank", "U5:2", "Zoe(Adams)", "", item("U5", "Zoe(Adams)"));
    }

    void takeBackWithoutTheRole()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, roleText);
        QFETCH(PeopleItem, user);
        QCOMPARE(people::userItemOfAssignment(item(key, text), roleText), user);
    }

    void roleOfAKey()
    {
        using Row = std::pair<QString, int>; // key, role id
        for (const auto& [key, roleId] :
             {Row{"U11:7", 7}, Row{"U11", 0}, Row{"U11:x", 0}, Row{"U11:7:2", 0}, Row{"U11:", 0}})
            QCOMPARE(people::assignmentRoleId(key), roleId);
    }

    void rowAfterMoving()
    {
        using Row = std::tuple<int, int, int>; // last row moved, rows left, row selected then
        for (const auto& [lastMoved, rowsLeft, row] : {
                 Row{-1, 5, -1}, // nothing moved
                 Row{0, 0, -1},  // list emptied
                 Row{2, 5, 2},   // from the middle
                 Row{0, 3, 0},   // the first row
                 Row{4, 4, 3},   // the last row
                 Row{6, 2, 1},   // past the end after several
             })
            QCOMPARE(rowAfterMove(lastMoved, rowsLeft), row);
    }
};

QTEST_APPLESS_MAIN(TestTemplateRows)
#include "tst_template_rows.moc"
