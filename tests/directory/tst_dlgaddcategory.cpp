// The category and client editor offscreen, for what the runs against a live server do not see: the
// texts and controls of each kind, the Add button following the text, a blank rename put back, and
// OK without a change.
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

class TestDlgAddCategory : public QObject
{
    Q_OBJECT
    static void load(DlgAddCategory& dialog, bool clients)
    {
        dialog.setClientKind(clients);
        dialog.catId = clients ? 0 : 7;
        if (clients)
            dialog.Form_Load({{"C-12", "Acme Ltd"}, {"C12", "Jane Roe"}});
        else
            dialog.Form_Load({{"C4", "Hardware"}, {"C9", "Software"}});
    }

private Q_SLOTS:
    void cleanup() { MessageService::instance().clearHistory(); }
    void controls()
    {
        for (const bool clients : {false, true}) {
            DlgAddCategory dialog;
            load(dialog, clients);
            QCOMPARE(
                (QList<int>{dialog.property("textId").toInt(), dialog.LabelList->property("textId").toInt(),
                            dialog.LabelAdd->property("textId").toInt()}), // window, list, add
                (clients ? QList<int>{8002, 8004, 8006} : QList<int>{8001, 8003, 8005}));
            // The type combo's second entry makes a new client an organization.
            QCOMPARE(dialog.ClientTypeCombo->isHidden() && dialog.lblType->isHidden(), !clients);
            QCOMPARE(dialog.ClientTypeCombo->count(), clients ? 2 : 0);
            QVERIFY(dialog.ProgressBarAddNew->isHidden());
            dialog.ListViewCategories->topLevelItem(0)->setText(0, "   "); // what the in-place editor commits
            QTest::keyClicks(dialog.TextNewCategory, "   ");
            QVERIFY(!dialog.CommandAdd->isEnabled());
            dialog.TextNewCategory->clear();
            dialog.ClientTypeCombo->setCurrentIndex(1);
            QTest::keyClicks(dialog.TextNewCategory, "Beta");
            QTest::mouseClick(dialog.CommandAdd, Qt::LeftButton);
            QVERIFY(dialog.TextNewCategory->text().isEmpty() && !dialog.CommandAdd->isEnabled());
            QStringList shown;
            for (int i = 0; i < dialog.ListViewCategories->topLevelItemCount(); ++i)
                shown << dialog.ListViewCategories->topLevelItem(i)->data(0, Qt::UserRole + 1).toString() +
                             "=" + dialog.ListViewCategories->topLevelItem(i)->text(0);
            QCOMPARE(shown, (clients ? QStringList{"C-12=Acme Ltd", "C12=Jane Roe", "N-1=Beta"}
                                     : QStringList{"C4=Hardware", "C9=Software", "N1=Beta"}));
            QVERIFY(dialog.arrEdited.isEmpty());
        }
    }
    // OK without a change closes without a call (without a connection it would fail with a message); Cancel
    // after a change is the live dialog's.
    void okWithoutChange()
    {
        DlgAddCategory dialog;
        load(dialog, false);
        dialog.show();
        QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(int(dialog.dlgResult), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(MessageService::instance().history().isEmpty());
    }
};

QTEST_MAIN(TestDlgAddCategory)
#include "tst_dlgaddcategory.moc"
