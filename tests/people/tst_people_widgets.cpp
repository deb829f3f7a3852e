// The fillers of the people lists and the user choice dialog, without a server.
#include "people/DlgOrvUsers.h"
#include "people/ResourceLists.h"
#include "shell/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kitbench;

namespace {

QString users(std::initializer_list<std::pair<int, const char*>> list)
{
    QString xml = QStringLiteral("<Resources>");
    for (const auto& [id, name] : list) {
        const QStringList parts = QString::fromUtf8(name).split(QLatin1Char(' '));
        xml +=
            QStringLiteral("<User><UserId>%1</UserId><FirstName>%2</FirstName><LastName>%3</LastName></User>")
                .arg(id)
                .arg(parts.value(0), parts.value(1));
    }
    return xml + QStringLiteral("</Resources>");
}

// "key text icon" of every item, in list order.
QStringList rows(const QTreeWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        out.append(item->data(0, ItemKeyRole).toString() + ' ' + item->text(0) + ' ' +
                   item->data(0, ItemIconKeyRole).toString());
        if (item->icon(0).isNull())
            out.last() += QStringLiteral(" (no icon)");
    }
    return out;
}

} // namespace

class TestPeopleWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void availableUsersLeaveOutTheSelected();
    void preselectedUsersMoveFromAvailable();
    void assignmentUsersLeaveOutAssigned();
    void combosAppendGroupsAndRoles();
    void userChoice_data();
    void userChoice();
};

void TestPeopleWidgets::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestPeopleWidgets::availableUsersLeaveOutTheSelected()
{
    QTreeWidget available;
    QTreeWidget selected;
    addPeopleItem(&available, PeopleItem{"U99", "Old Entry", "<user>"});
    addPeopleItem(&selected, PeopleItem{"U3", "Ursula Brandt", "<user_must_be_confirmed>"});
    addPeopleItem(&selected, PeopleItem{"G11", "Ana's group", "<folder>"});
    FillAvailableUsers(&available, &selected,
                       users({{3, "Ursula Brandt"}, {11, "Ana Garcia"}, {11, "Ana Garcia"}}));
    QCOMPARE(rows(available), (QStringList{"U11 Ana Garcia <user>", "U11 Ana Garcia <user>"}));
    QCOMPARE(findItemByKey(&available, "U11"), available.topLevelItem(0));
    QCOMPARE(findItemByKey(&available, "U3"), nullptr);

    // A failed query (empty answer) leaves the list cleared.
    FillAvailableUsers(&available, &selected, QString());
    QCOMPARE(available.topLevelItemCount(), 0);
    QCOMPARE(itemKeys(&selected), (QStringList{"U3", "G11"}));
}

void TestPeopleWidgets::preselectedUsersMoveFromAvailable()
{
    QTreeWidget available;
    QTreeWidget selected;
    FillAvailableUsers(&available, &selected,
                       users({{3, "Ursula Brandt"}, {11, "Ana Garcia"}, {2, "Peter Marsh"}}));
    // Only users of the project's team move; a preselected outsider is not added.
    MovePreselectedUsers(&available, &selected,
                         users({{2, "Peter Marsh"}, {35, "Zoe Adams"}, {3, "Ursula Brandt"}}));
    QCOMPARE(rows(available), QStringList{"U11 Ana Garcia <user>"});
    QCOMPARE(rows(selected), (QStringList{"U2 Peter Marsh <user>", "U3 Ursula Brandt <user>"}));

    // Without a project every preselected user is added, even one already there.
    FillSelectedUsers(&selected, users({{35, "Zoe Adams"}, {2, "Peter Marsh"}}));
    QCOMPARE(itemKeys(&selected), (QStringList{"U2", "U3", "U35", "U2"}));
}

void TestPeopleWidgets::assignmentUsersLeaveOutAssigned()
{
    QTreeWidget available;
    QTreeWidget assignments;
    addPeopleItem(&assignments, PeopleItem{"U3:2", "Ursula Brandt (Tester)", "<user>"});
    FillAssignmentUsers(&available, &assignments, users({{3, "Ursula Brandt"}, {31, "Valentina Rossi"}}));
    QCOMPARE(rows(available), QStringList{"U31 Valentina Rossi <user>"});
}

void TestPeopleWidgets::combosAppendGroupsAndRoles()
{
    QComboBox groups;
    groups.addItem("kept", 0);
    FillGroups(&groups,
               "<Groups><Group><GroupId>1</GroupId><GroupName>Top</GroupName><Level>1</Level></Group>"
               "<Group><GroupId>3</GroupId><GroupName>Deep</GroupName><Level>3</Level></Group></Groups>");
    QCOMPARE(groups.count(), 3);
    QCOMPARE(groups.itemText(2), QString("    Deep"));
    QCOMPARE(groups.itemData(2).toInt(), 3);

    QComboBox roles;
    FillRoles(&roles, "<Roles><Role><RoleId>2</RoleId><RoleName>Tester</RoleName></Role></Roles>");
    FillRoles(&roles, QString());
    QCOMPARE(roles.count(), 1);
    QCOMPARE(roles.itemText(0), QString("Tester"));
    QCOMPARE(roles.itemData(0).toInt(), 2);
}

void TestPeopleWidgets::userChoice_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "OKButton" << 1;
    QTest::newRow("Cancel") << "CancelButton" << 0;
    QTest::newRow("Escape") << "escape" << 0;
    QTest::newRow("window closed") << "close" << 0;
}

void TestPeopleWidgets::userChoice()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    QWidget owner;
    auto* dialog = new DlgOrvUsers(&owner);
    QCOMPARE(dialog->Result, 0);
    QCOMPARE(dialog->OKButton->objectName(), QString("OKButton"));
    QCOMPARE(textIdOf(dialog->CancelButton), 8010);
    dialog->UsersCombo->addItem("(nobody)", -1);
    dialog->UsersCombo->addItem("Ana Garcia", 11);

    // The dialog is shown twice: the second time after a choice was made with OK, so the outcome
    // of the action under test cannot be left over from before.
    for (int round = 0; round < 2; ++round) {
        dialog->setWindowTitle("Select user");
        dialog->UsersCombo->setCurrentIndex(0);
        bool wasModal = false;
        QTimer::singleShot(0, dialog, [&] {
            wasModal = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
            dialog->UsersCombo->setCurrentIndex(1);
            const QString act = round == 0 ? QString("OKButton") : action;
            if (act == "escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (act == "close")
                dialog->close();
            else
                dialog->findChild<QPushButton*>(act)->click();
        });
        dialog->exec();
        QVERIFY(wasModal);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->Result, round == 0 ? 1 : result);
        QCOMPARE(dialog->UsersCombo->currentText(), QString("Ana Garcia"));
        QCOMPARE(dialog->UsersCombo->currentData().toInt(), 11);
    }
}

QTEST_MAIN(TestPeopleWidgets)
#include "tst_people_widgets.moc"
