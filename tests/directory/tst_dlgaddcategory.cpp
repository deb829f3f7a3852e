// The category and client editor offscreen, for what neither the edit list's own test nor the runs
// against a live server see: the texts and controls of each kind, the Add button following the text,
// a blank rename put back, and closing without a server call.
#include "directory/DlgAddCategory.h"
#include "platform/Message.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

namespace {

QStringList shownKeys(const DlgAddCategory& dialog)
{
    QStringList keys;
    for (int i = 0; i < dialog.ListViewCategories->topLevelItemCount(); ++i)
        keys << dialog.ListViewCategories->topLevelItem(i)->data(0, Qt::UserRole + 1).toString() + "=" +
                    dialog.ListViewCategories->topLevelItem(i)->text(0);
    return keys;
}

void load(DlgAddCategory& dialog, bool clients)
{
    dialog.setClientKind(clients);
    dialog.catId = clients ? 0 : 7;
    if (clients)
        dialog.Form_Load({{"C-12", "Acme Ltd"}, {"C12", "Jane Roe"}});
    else
        dialog.Form_Load({{"C4", "Hardware"}, {"C9", "Software"}});
}

} // namespace

class TestDlgAddCategory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { MessageService::instance().clearHistory(); }
    void controls_data()
    {
        QTest::addColumn<bool>("clients");
        QTest::newRow("categories") << false;
        QTest::newRow("clients")
            << true; // the type combo's second entry makes the new client an organization
    }

    void controls()
    {
        QFETCH(bool, clients);
        DlgAddCategory dialog;
        load(dialog, clients);
        QCOMPARE(
            (QList<int>{dialog.property("textId").toInt(), dialog.LabelList->property("textId").toInt(),
                        dialog.LabelAdd->property("textId").toInt()}),
            (clients ? QList<int>{8002, 8004, 8006} : QList<int>{8001, 8003, 8005})); // window, list, add
        QCOMPARE(dialog.lblType->isHidden(), !clients);
        QCOMPARE(dialog.ClientTypeCombo->isHidden(), !clients);
        QCOMPARE(dialog.ClientTypeCombo->count(), clients ? 2 : 0);
        QVERIFY(dialog.ProgressBarAddNew->isHidden());

        dialog.ListViewCategories->topLevelItem(0)->setText(0, "   "); // what the in-place editor commits
        QVERIFY(!dialog.CommandAdd->isEnabled());
        QTest::keyClicks(dialog.TextNewCategory, "   ");
        QVERIFY(!dialog.CommandAdd->isEnabled());
        dialog.TextNewCategory->clear();
        if (clients)
            dialog.ClientTypeCombo->setCurrentIndex(1);
        QTest::keyClicks(dialog.TextNewCategory, "Beta");
        QVERIFY(dialog.CommandAdd->isEnabled());
        QTest::mouseClick(dialog.CommandAdd, Qt::LeftButton);
        QVERIFY(dialog.TextNewCategory->text().isEmpty());
        QVERIFY(!dialog.CommandAdd->isEnabled());
        QCOMPARE(shownKeys(dialog), (clients ? QStringList{"C-12=Acme Ltd", "C12=Jane Roe", "N-1=Beta"}
                                             : QStringList{"C4=Hardware", "C9=Software", "N1=Beta"}));
        QVERIFY(dialog.arrEdited.isEmpty());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("change"); // Cancel after a change, or else OK without one: closed, no call
        QTest::newRow("OK without a change") << false;
        QTest::newRow("Cancel after a change") << true;
    }

    void closing()
    {
        QFETCH(bool, change);
        const bool ok = !change;
        const int result = ok ? 1 : 0;
        DlgAddCategory dialog;
        load(dialog, false);
        dialog.show();
        if (change) {
            dialog.ListViewCategories->topLevelItem(0)->setSelected(true);
            QTest::mouseClick(dialog.CommandDelete, Qt::LeftButton);
        }
        QTest::mouseClick(ok ? dialog.OKButton : dialog.CancelButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(int(dialog.dlgResult), result);
        QCOMPARE(dialog.result(), result == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // Without a connection any call would have failed with a message.
        QVERIFY(MessageService::instance().history().isEmpty());
    }
};

QTEST_MAIN(TestDlgAddCategory)
#include "tst_dlgaddcategory.moc"
