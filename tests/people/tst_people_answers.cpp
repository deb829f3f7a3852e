// The people answers read into rows and the set-up of the team page per job.
#include "people/PeopleAnswers.h"
#include "people/PeopleRequests.h"
#include "people/TeamPageMode.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

const QString kUsers = QStringLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<Resources>
  <User><UserId>3</UserId><FirstName>Ursula</FirstName><LastName>Brandt</LastName><Login>user</Login></User>
  <User><UserId>11</UserId><FirstName>Ana</FirstName><LastName>Garcia</LastName></User>
  <User><UserId>3</UserId><FirstName>Ursula</FirstName><LastName>Brandt</LastName></User>
  <User><UserId>24</UserId><FirstName>Owen</FirstName><LastName>O'Connor &amp; Sons</LastName></User>
</Resources>)");

const QString kGroups = QStringLiteral(
    "<Groups><Group><GroupId>1</GroupId><GroupName>Harlowe Ltd</GroupName><Level>1</Level></Group>"
    "<Group><GroupId>2</GroupId><GroupName>Engineering</GroupName><Level>2</Level></Group>"
    "<Group><GroupId>3</GroupId><GroupName>Platform</GroupName><Level>3</Level></Group>"
    "<Group><GroupId>8</GroupId><GroupName>Operations</GroupName><Level>2</Level></Group>"
    "<Group><GroupId>12</GroupId><GroupName>Guests</GroupName><Level>1</Level></Group></Groups>");

PeopleItem user(const char* key, const char* text)
{
    return PeopleItem{QString::fromLatin1(key), QString::fromUtf8(text), QStringLiteral("<user>")};
}

} // namespace

class TestPeopleAnswers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void usersInAnswerOrder()
    {
        // The selected list takes every user, the same one twice when the server names it twice.
        QCOMPARE(userItems(kUsers),
                 (QList<PeopleItem>{user("U3", "Ursula Brandt"), user("U11", "Ana Garcia"),
                                    user("U3", "Ursula Brandt"), user("U24", "Owen O'Connor & Sons")}));
    }

    void groupsIndentedByLevel()
    {
        // Tree order is kept; each level below the top adds two spaces.
        QCOMPARE(groupEntries(kGroups), (QList<ComboEntry>{{"Harlowe Ltd", 0, 1},
                                                           {"  Engineering", 0, 2},
                                                           {"    Platform", 0, 3},
                                                           {"  Operations", 0, 8},
                                                           {"Guests", 0, 12}}));
        QCOMPARE(groupEntryText(0, "Odd"), QString("Odd"));
    }

    void unusableAnswersGiveNoRows()
    {
        for (const QString& answer :
             {QString(), // a failed query
              QStringLiteral("<Resources><User><UserId>3</UserId></Resources>"),
              QStringLiteral("<Projects><User><UserId>3</UserId></User></Projects>")}) {
            QVERIFY(resourceUsers(answer).isEmpty());
            QVERIFY(userItems(answer).isEmpty());
            QVERIFY(availableUserItems(answer, {}).isEmpty());
            QVERIFY(groupEntries(answer).isEmpty());
            QVERIFY(roleEntries(answer).isEmpty());
        }
    }

    void availableUsers()
    {
        const PeopleItem ursula = user("U3", "Ursula Brandt");
        const PeopleItem ana = user("U11", "Ana Garcia");
        const PeopleItem owen = user("U24", "Owen O'Connor & Sons");
        // The users' list keys of the team page, the assignment keys of the templates page (compared by their
        // user part the same way), the users still offered.
        using Row = std::tuple<QStringList, QStringList, QList<PeopleItem>>;
        for (const auto& [selectedKeys, assignmentKeys, available] : {
                 Row{{}, {}, {ursula, ana, ursula, owen}}, // nothing selected: duplicates stay
                 Row{{"U3", "G2"}, {"U3:1"}, {ana, owen}},
                 // A group key is no user key.
                 Row{{"G11", "U1"}, {"U11x:1", "U1:3"}, {ursula, ana, ursula, owen}},
                 Row{{"U24", "U11", "U3"}, {"U24:2", "U11:1", "U3:1"}, {}},
             }) {
            QCOMPARE(availableUserItems(kUsers, selectedKeys), available);
            QCOMPARE(unassignedUserItems(kUsers, assignmentKeys), available);
        }
    }

    void preselectedUsers()
    {
        // ids, preselected: {0} is none given (the start value); the first id counts, above 0
        using Row = std::pair<QList<qint32>, bool>;
        for (const auto& [ids, preselected] :
             {Row{{0}, false}, Row{{}, false}, Row{{7}, true}, Row{{7, 9}, true}, Row{{-7, 9}, false}})
            QCOMPARE(hasPreselectedUsers(ids), preselected);
    }

    // The modes the live team page shows (incidents, tasks and to-dos with users named) are checked there.
    void teamPageModes()
    {
        const auto mode = [](int runMode, int index, QList<qint32> users) {
            TeamPageInputs in{.runMode = runMode, .incidentProjectIndex = index, .incidentProjectId = 6};
            in.taskProjectId = 5, in.resourceUserIds = users;
            const TeamPageMode m = teamPageMode(in);
            return QList<int>{m.projectBound,    m.projectId,        m.showAddGroup,
                              m.showMustConfirm, m.preselectedUsers, m.progressMaximum()};
        };
        // project bound, its id, Add Group, must-confirm box, users preselected; progress maximum
        QCOMPARE(mode(CREATEINCIDENT, 0, {0}), (QList<int>{0, 0, 0, 0, 0, 8}));
        QCOMPARE(mode(CREATEINCIDENT, 2, {0}), (QList<int>{1, 6, 0, 0, 0, 4}));
        QCOMPARE(mode(CREATEEVENT, 3, {0}), (QList<int>{0, 0, 1, 1, 0, 8})); // another job's project
        QCOMPARE(mode(CREATEEVENT, 0, {4}), (QList<int>{0, 0, 1, 1, 1, 12}));
        QCOMPARE(mode(CREATEPROJECT, 0, {0}), (QList<int>{0, 0, 0, 0, 0, 8}));
        QCOMPARE(mode(IMPORTPROJECT, 0, {9}), (QList<int>{0, 0, 0, 0, 1, 12}));
    }
};

QTEST_APPLESS_MAIN(TestPeopleAnswers)
#include "tst_people_answers.moc"
