// The category and client editor offscreen: the controls drive the change tracking, the update
// document carries exactly the changes, and OK without a connection keeps the dialog open.
#include "directory/CategoryEditing.h"
#include "directory/DlgAddCategory.h"
#include "platform/Message.h"
#include "shell/RunMode.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

namespace {

QList<CategoryEditorEntry> existingCategories()
{
    return {{"C4", "Hardware"}, {"C9", "Software"}, {"C12", "Network"}};
}

QList<CategoryEditorEntry> existingClients()
{
    return {{"C-12", "Acme Ltd"}, {"C12", "Jane Roe"}};
}

// Steps typed as text: "add:Name", "org:Name" (a new organization), "ren:index:Name", "del:i,j".
void runSteps(DlgAddCategory& dialog, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        if (verb == "add" || verb == "org") {
            dialog.ClientTypeCombo->setCurrentIndex(verb == "org" ? 1 : 0);
            QTest::keyClicks(dialog.TextNewCategory, step.section(QLatin1Char(':'), 1));
            QVERIFY(dialog.CommandAdd->isEnabled());
            QTest::mouseClick(dialog.CommandAdd, Qt::LeftButton);
            QVERIFY(dialog.TextNewCategory->text().isEmpty());
            QVERIFY(!dialog.CommandAdd->isEnabled());
        } else if (verb == "ren") {
            const int index = step.section(QLatin1Char(':'), 1, 1).toInt();
            // What the in-place editor commits.
            dialog.ListViewCategories->topLevelItem(index)->setText(0, step.section(QLatin1Char(':'), 2));
        } else if (verb == "del") {
            dialog.ListViewCategories->clearSelection();
            for (const QString& index : step.section(QLatin1Char(':'), 1).split(QLatin1Char(',')))
                dialog.ListViewCategories->topLevelItem(index.toInt())->setSelected(true);
            QTest::mouseClick(dialog.CommandDelete, Qt::LeftButton);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

QStringList shownKeys(const DlgAddCategory& dialog)
{
    QStringList keys;
    for (int i = 0; i < dialog.ListViewCategories->topLevelItemCount(); ++i)
        keys << dialog.ListViewCategories->topLevelItem(i)->data(0, Qt::UserRole + 1).toString() + "=" +
                    dialog.ListViewCategories->topLevelItem(i)->text(0);
    return keys;
}

} // namespace

class TestDlgAddCategory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { MessageService::instance().clearHistory(); }

    void loadShowsEntriesAndKind_data();
    void loadShowsEntriesAndKind();
    void editing_data();
    void editing();
    void blankRenameIsRefused();
    void okWithoutChangesClosesWithoutCall();
    void okWithChangesAndFailedCallStaysOpen();
    void cancelClosesWithResultZero();
    void kindsAndCatIds();
};

void TestDlgAddCategory::loadShowsEntriesAndKind_data()
{
    QTest::addColumn<bool>("clients");
    QTest::newRow("categories") << false;
    QTest::newRow("clients") << true;
}

void TestDlgAddCategory::loadShowsEntriesAndKind()
{
    QFETCH(bool, clients);
    DlgAddCategory dialog;
    dialog.setClientKind(clients);
    dialog.catId = clients ? 0 : 7;
    dialog.Form_Load(clients ? existingClients() : existingCategories());
    QCOMPARE(dialog.ListViewCategories->topLevelItemCount(), clients ? 2 : 3);
    QCOMPARE(dialog.lblType->isHidden(), !clients);
    QCOMPARE(dialog.ClientTypeCombo->isHidden(), !clients);
    QCOMPARE(dialog.ClientTypeCombo->count(), clients ? 2 : 0);
    QCOMPARE(dialog.property("textId").toInt(), clients ? 8002 : 8001);
    QCOMPARE(dialog.LabelList->property("textId").toInt(), clients ? 8004 : 8003);
    QCOMPARE(dialog.LabelAdd->property("textId").toInt(), clients ? 8006 : 8005);
    QVERIFY(dialog.ProgressBarAddNew->isHidden());
    QVERIFY(!dialog.CommandAdd->isEnabled());
    QCOMPARE(dialog.dlgResult, qint16(0));
    for (const char* name :
         {"ListViewCategories", "TextNewCategory", "ClientTypeCombo", "lblType", "LabelList", "LabelAdd",
          "CommandAdd", "CommandEdit", "CommandDelete", "OKButton", "CancelButton", "ProgressBarAddNew"})
        QVERIFY2(dialog.findChild<QWidget*>(QString::fromLatin1(name)), name);
    QTest::keyClicks(dialog.TextNewCategory, "   ");
    QVERIFY(!dialog.CommandAdd->isEnabled());
}

void TestDlgAddCategory::editing_data()
{
    QTest::addColumn<bool>("clients");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<qint32>>("edited");
    QTest::addColumn<QList<qint32>>("deleted");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("modified");

    QTest::newRow("add rename delete")
        << false << QStringList{"add:Printers", "ren:1:Software & tools", "del:2"}
        << QStringList{"C4=Hardware", "C9=Software & tools", "N1=Printers"} << QList<qint32>{9}
        << QList<qint32>{12}
        << "<Categories><Category State=\"Added\"><CategoryId/><CategoryName>Printers"
           "</CategoryName></Category><Category State=\"Modified\"><CategoryId>9</CategoryId><CategoryName>"
           "Software &amp; tools</CategoryName></Category><Category State=\"Deleted\"><CategoryId>12"
           "</CategoryId>"
        << 1;
    QTest::newRow("renamed twice recorded once")
        << false << QStringList{"ren:0:Hard", "ren:0:Hardware 2"}
        << QStringList{"C4=Hardware 2", "C9=Software", "C12=Network"} << QList<qint32>{4} << QList<qint32>{}
        << "<Category State=\"Modified\"><CategoryId>4</CategoryId><CategoryName>Hardware 2</CategoryName>"
        << 1;
    QTest::newRow("renamed then deleted sends only the deletion")
        << false << QStringList{"ren:2:Net", "del:2"} << QStringList{"C4=Hardware", "C9=Software"}
        << QList<qint32>{12} << QList<qint32>{12} << "<Category State=\"Deleted\"><CategoryId>12</CategoryId>"
        << 0;
    QTest::newRow("new entry added then deleted leaves nothing")
        << false << QStringList{"add:Temp", "del:3"}
        << QStringList{"C4=Hardware", "C9=Software", "C12=Network"} << QList<qint32>{} << QList<qint32>{}
        << "" << 0;
    QTest::newRow("client organization and contact")
        << true << QStringList{"org:Beta GmbH", "add:Bob Poe", "del:0"}
        << QStringList{"C12=Jane Roe", "N-1=Beta GmbH", "N2=Bob Poe"} << QList<qint32>{} << QList<qint32>{-12}
        << "<Item State=\"Added\"><Value>Beta GmbH</Value><Data>-1</Data></Item><Item State=\"Added\">"
           "<Value>Bob Poe</Value><Data>1</Data></Item><Item State=\"Deleted\">"
        << 0;
}

void TestDlgAddCategory::editing()
{
    QFETCH(bool, clients);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, keys);
    QFETCH(QList<qint32>, edited);
    QFETCH(QList<qint32>, deleted);
    QFETCH(QString, xml);
    QFETCH(int, modified);

    DlgAddCategory dialog;
    dialog.setClientKind(clients);
    dialog.catId = clients ? 0 : 7;
    dialog.Form_Load(clients ? existingClients() : existingCategories());
    runSteps(dialog, steps);
    QCOMPARE(shownKeys(dialog), keys);
    QCOMPARE(dialog.arrEdited, edited);
    QCOMPARE(dialog.arrDeleted, deleted);
    QString compact = dialog.MakeUpdateXml();
    compact.replace(QRegularExpression(">\\s+<"), "><");
    if (xml.isEmpty())
        QVERIFY2(!compact.contains("State="), qPrintable(compact));
    else
        QVERIFY2(compact.contains(xml), qPrintable(compact));
    QCOMPARE(compact.count("State=\"Modified\""), modified);
}

void TestDlgAddCategory::blankRenameIsRefused()
{
    DlgAddCategory dialog;
    dialog.catId = 5;
    dialog.Form_Load(existingCategories());
    dialog.ListViewCategories->topLevelItem(1)->setText(0, "   ");
    QCOMPARE(dialog.ListViewCategories->topLevelItem(1)->text(0), QString("Software"));
    QVERIFY(dialog.arrEdited.isEmpty());
}

void TestDlgAddCategory::okWithoutChangesClosesWithoutCall()
{
    DlgAddCategory dialog;
    dialog.catId = 4;
    dialog.Form_Load(existingCategories());
    dialog.show();
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    QCOMPARE(dialog.dlgResult, qint16(1));
    QVERIFY(!dialog.ChangesWereMade);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(MessageService::instance().history().isEmpty());
}

void TestDlgAddCategory::okWithChangesAndFailedCallStaysOpen()
{
    DlgAddCategory dialog;
    dialog.catId = 3;
    dialog.Form_Load(existingCategories());
    dialog.show();
    runSteps(dialog, {"add:Planning"});
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    QVERIFY(dialog.ChangesWereMade);
    QVERIFY(dialog.isVisible());
    QCOMPARE(MessageService::instance().history().size(), 1);
    // Controls usable again, the user's changes still there.
    QVERIFY(dialog.OKButton->isEnabled());
    QVERIFY(dialog.ListViewCategories->isEnabled());
    QVERIFY(dialog.ProgressBarAddNew->isHidden());
    QCOMPARE(shownKeys(dialog).constLast(), QString("N1=Planning"));
}

void TestDlgAddCategory::cancelClosesWithResultZero()
{
    DlgAddCategory dialog;
    dialog.catId = 7;
    dialog.Form_Load(existingCategories());
    dialog.show();
    runSteps(dialog, {"del:0"});
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    QCOMPARE(dialog.dlgResult, qint16(0));
    QVERIFY(!dialog.isVisible());
}

void TestDlgAddCategory::kindsAndCatIds()
{
    const QList<qint16> ids{0, 7, 5, 4, 3};
    const QStringList openers{"CommandAddClient", "CommandIssueCategory", "CommandAddTaskCategory",
                              "CommandAddEventCategory", "CommandAddProjectCategory"};
    const QStringList sources{"ProjectClientCombo", "IncidentCategoryListView", "TaskCategoryListView",
                              "EventCategoryListView", "ProjectCatagoryListView"};
    for (int kind = 0; kind < 5; ++kind) {
        QCOMPARE(CategoryEditing::catIdOf(kind), ids[kind]);
        QCOMPARE(CategoryEditing::openerButtonOf(kind), openers[kind]);
        QCOMPARE(CategoryEditing::sourceListOf(kind), sources[kind]);
    }
}

QTEST_MAIN(TestDlgAddCategory)
#include "tst_dlgaddcategory.moc"
