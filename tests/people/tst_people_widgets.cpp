// What the live team and plan-import pages do not show: the user choice dialog closed by Escape or
// by its window, and preselected users added as the server names them when no project binds the page.
#include "people/DlgOrvUsers.h"
#include "people/ResourceLists.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kitbench;

class TestPeopleWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void preselectedWithoutProject()
    {
        QTreeWidget selected;
        addPeopleItem(&selected, PeopleItem{"U2", "Peter Marsh", "<user>"});
        FillSelectedUsers(&selected,
                          "<Resources><User><UserId>35</UserId><FirstName>Zoe</FirstName><LastName>Adams"
                          "</LastName></User><User><UserId>2</UserId><FirstName>Peter</FirstName>"
                          "<LastName>Marsh</LastName></User></Resources>");
        QCOMPARE(itemKeys(&selected), (QStringList{"U2", "U35", "U2"}));
    }

    void userChoice()
    {
        for (const auto& [action, result] : {std::pair{"OKButton", 1}, std::pair{"CancelButton", 0},
                                             std::pair{"escape", 0}, std::pair{"close", 0}}) {
            QWidget owner;
            auto* dialog = new DlgOrvUsers(&owner);
            dialog->UsersCombo->addItem("(nobody)", -1);
            dialog->UsersCombo->addItem("Ana Garcia", 11);
            // Shown twice: the second time after a choice made with OK, so the outcome of the action under
            // test cannot be left over from before.
            for (int round = 0; round < 2; ++round) {
                dialog->UsersCombo->setCurrentIndex(0);
                bool wasModal = false;
                QTimer::singleShot(0, dialog, [&, action = action] {
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
                QCOMPARE(dialog->UsersCombo->currentData().toInt(), 11);
            }
        }
    }
};

QTEST_MAIN(TestPeopleWidgets)
#include "tst_people_widgets.moc"
