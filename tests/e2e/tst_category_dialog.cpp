// The category editor in-process: add, rename and delete reach the server as one update document and the
// page shows the server's list; a user without the right sees the refusal in the open dialog.
#include "WizardFixture.h"

#include "directory/DlgAddCategory.h"
#include "items/IncidentPage.h"
#include "items/ProjectPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

using namespace kitbench;

class TestCategoryDialog : public QObject
{
    Q_OBJECT
    WizardFixture f;
    QStringList categoryTexts() const
    {
        QStringList texts;
        const QTreeWidget* list = static_cast<IncidentPage*>(f.wizard->page(2))->IncidentCategoryListView;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(0);
        return texts;
    }
    // Opens the editor by `opener` and lets `drive` work it; the calls that reached the server meanwhile.
    QStringList edit(QPushButton* opener, const std::function<void(DlgAddCategory*)>& drive)
    {
        return f.callsDuring(
            [&] { QVERIFY(WizardFixture::onDialog<DlgAddCategory>([opener] { opener->click(); }, drive)); });
    }
    QPushButton* incidentEditor() const
    {
        return static_cast<IncidentPage*>(f.wizard->page(2))->CommandIssueCategory;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(f.serve("4.7")); }
    void init() { f.init(); }
    void cleanup() { f.cleanup(true); }

    void addRenameDeleteSendsOneDocument()
    {
        f.start("/createincident");
        const QStringList before = categoryTexts();
        QVERIFY2(before.size() >= 2, qPrintable(before.join(", ")));
        const QStringList calls = edit(incidentEditor(), [&](DlgAddCategory* dialog) {
            QCOMPARE(dialog->ListViewCategories->topLevelItemCount(), before.size());
            QTest::keyClicks(dialog->TextNewCategory, "Printers & scanners");
            dialog->CommandAdd->click();
            dialog->ListViewCategories->topLevelItem(0)->setText(0, "Renamed category");
            dialog->ListViewCategories->clearSelection();
            dialog->ListViewCategories->topLevelItem(1)->setSelected(true);
            dialog->CommandDelete->click();
            dialog->OKButton->click();
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY2(f.shown.isEmpty(), qPrintable(f.firstShown()));
        // One document with the three changes, then the list reloaded from the server.
        QCOMPARE(calls.size(), 2);
        QVERIFY2(calls[0].startsWith("UpdateCategoryList [7,"), qPrintable(calls[0]));
        QCOMPARE(calls[1], QString("GetCategoryList2 [7]"));
        const QString xml =
            f.server->calls("UpdateCategoryList").last().value("args").toArray().at(1).toString();
        for (const char* state : {"State=\"Added\"", "State=\"Modified\"", "State=\"Deleted\""})
            QCOMPARE(xml.count(QLatin1String(state)), 1);
        QVERIFY(xml.contains("Printers &amp; scanners"));
        QVERIFY(f.cleanJournal());
        const QStringList after = categoryTexts();
        QVERIFY2(after.contains("Printers & scanners") && after.contains("Renamed category") &&
                     !after.contains(before[0]) && !after.contains(before[1]) &&
                     after.size() == before.size(),
                 qPrintable(after.join(", ")));
    }

    void plainUserSeesRefusalAndDialogStaysOpen()
    {
        f.user = f.password = "user";
        f.start("/createincident");
        const QStringList before = categoryTexts();
        const qsizetype mark = f.server->journalSize();
        edit(incidentEditor(), [&](DlgAddCategory* dialog) {
            QTest::keyClicks(dialog->TextNewCategory, "Not allowed");
            dialog->CommandAdd->click();
            dialog->OKButton->click();
            QVERIFY(dialog->isVisible() && dialog->OKButton->isEnabled());
            QCOMPARE(dialog->ListViewCategories->topLevelItemCount(), before.size() + 1);
            dialog->CancelButton->click();
        });
        QCOMPARE(f.shown.size(), 1);
        QVERIFY2(f.firstShown().contains("no right"), qPrintable(f.firstShown()));
        // Refused as this user; cancelled afterwards: no reload, the list as it was.
        const QList<QJsonObject> journal = f.server->journal().mid(mark);
        QCOMPARE(journal.size(), 1);
        QCOMPARE(journal[0].value("method").toString() + " " + journal[0].value("user").toString(),
                 QString("UpdateCategoryList user"));
        QVERIFY(journal[0].value("status").toString() != "OK");
        QCOMPARE(categoryTexts(), before);
    }

    void newOrganizationReloadsProjectClients()
    {
        f.start("/createproject");
        auto* page = static_cast<ProjectPage*>(f.wizard->page(8));
        QComboBox* clients = page->ProjectClientCombo;
        const int clientsBefore = clients->count();
        const QStringList calls = edit(page->CommandAddClient, [&](DlgAddCategory* dialog) {
            // The "no client" entry is not offered for editing.
            QCOMPARE(dialog->ListViewCategories->topLevelItemCount(), clientsBefore - 1);
            QVERIFY(!dialog->ClientTypeCombo->isHidden());
            dialog->ClientTypeCombo->setCurrentIndex(1);
            QTest::keyClicks(dialog->TextNewCategory, "Beta GmbH");
            dialog->CommandAdd->click();
            dialog->OKButton->click();
        });
        QVERIFY2(f.shown.isEmpty(), qPrintable(f.firstShown()));
        QVERIFY2(calls.size() == 2 && calls[0].startsWith("UpdateDictionaries") &&
                     calls[0].contains("<Value>Beta GmbH</Value>") && calls[0].contains("<Data>-1</Data>") &&
                     calls[1].startsWith("LoadDictionaries"),
                 qPrintable(calls.join('\n')));
        QCOMPARE(clients->count(), clientsBefore + 1);
        QCOMPARE(clients->currentIndex(), 0);
        QVERIFY2(clients->itemData(clients->findText("Beta GmbH")).toInt() < 0,
                 "an organization carries a negative id");
    }
};

QTEST_MAIN(TestCategoryDialog)
#include "tst_category_dialog.moc"
