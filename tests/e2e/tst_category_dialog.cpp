// The category editor against a live development server: the incident page's "..." button opens the
// editor on the page's list; an add, a rename and a delete reach the server as one update document and
// the page then shows the server's list; a user without the right sees the refusal in the open dialog.
#include "DevServer.h"
#include "TempSettings.h"

#include "directory/CategoryEditing.h"
#include "directory/DlgAddCategory.h"
#include "items/IncidentPage.h"
#include "items/ProjectPage.h"
#include "platform/Message.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace kitbench;

class TestCategoryDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void addRenameDeleteSendsOneDocument();
    void plainUserSeesRefusalAndDialogStaysOpen();
    void newOrganizationReloadsProjectClients();

private:
    void connectAs(const QString& address, const QString& user, const QString& job = "/createincident");
    // Clicks an opener button and lets `drive` work the modal editor.
    void openEditor(const std::function<void(DlgAddCategory*)>& drive, QPushButton* opener = nullptr);
    QTreeWidget* categoryList() const;
    QStringList categoryTexts() const;

    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    QList<Message> m_shown;
};

void TestCategoryDialog::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
    m_shown.clear();
}

void TestCategoryDialog::cleanup()
{
    m_wizard.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().clearHistory();
    m_temp.reset();
}

void TestCategoryDialog::connectAs(const QString& address, const QString& user, const QString& job)
{
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<ServerJobs>(*m_wizard));
    m_wizard->Form_Load(parseCommandLine(job + " /L " + user + "@" + address + " /P " + user));
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message);
        return MessageAnswer::Ok;
    });
    m_wizard->ShowStep(1, NavNext);
    m_wizard->cmdNav[3]->click();
}

QTreeWidget* TestCategoryDialog::categoryList() const
{
    return static_cast<IncidentPage*>(m_wizard->page(2))->IncidentCategoryListView;
}

QStringList TestCategoryDialog::categoryTexts() const
{
    QStringList texts;
    for (int i = 0; i < categoryList()->topLevelItemCount(); ++i)
        texts << categoryList()->topLevelItem(i)->text(0);
    return texts;
}

void TestCategoryDialog::openEditor(const std::function<void(DlgAddCategory*)>& drive, QPushButton* opener)
{
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<DlgAddCategory*>(QApplication::activeModalWidget());
        if (!dialog) {
            // Not shown: nothing to drive (the test below fails on `driven`).
            return;
        }
        driven = true;
        drive(dialog);
    });
    (opener ? opener : static_cast<IncidentPage*>(m_wizard->page(2))->CommandIssueCategory)->click();
    QVERIFY2(driven, "the editor was not shown");
}

void TestCategoryDialog::addRenameDeleteSendsOneDocument()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    connectAs(server.address(), "admin");
    QVERIFY2(m_shown.isEmpty(), m_shown.isEmpty() ? "" : qPrintable(m_shown.first().text));
    QCOMPARE(m_wizard->state().CurrentStep, qint16(2));
    QVERIFY(m_wizard->state().CanEditCategories);
    const QStringList before = categoryTexts();
    QVERIFY2(before.size() >= 2, qPrintable(before.join(", ")));
    const QString renamedFrom = before.at(0);
    const QString deleted = before.at(1);

    openEditor([&](DlgAddCategory* dialog) {
        QCOMPARE(dialog->catId, qint16(7));
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
    QVERIFY2(m_shown.isEmpty(), m_shown.isEmpty() ? "" : qPrintable(m_shown.first().text));

    const QList<QJsonObject> updates = server.calls("UpdateCategoryList");
    QCOMPARE(updates.size(), 1);
    QCOMPARE(updates[0].value("status").toString(), QString("OK"));
    const QJsonArray args = updates[0].value("args").toArray();
    QCOMPARE(args.at(0).toInt(), 7);
    const QString xml = args.at(1).toString();
    QCOMPARE(xml.count("State=\"Added\""), 1);
    QCOMPARE(xml.count("State=\"Modified\""), 1);
    QCOMPARE(xml.count("State=\"Deleted\""), 1);
    QVERIFY(xml.contains("Printers &amp; scanners"));
    QVERIFY(!updates[0].contains("warnings"));

    // Reloaded from the server: a second category request, and the list holds its new state.
    QCOMPARE(server.calls("GetCategoryList2").size(), 2);
    const QStringList after = categoryTexts();
    QVERIFY2(after.contains("Printers & scanners"), qPrintable(after.join(", ")));
    QVERIFY(after.contains("Renamed category"));
    QVERIFY(!after.contains(renamedFrom));
    QVERIFY(!after.contains(deleted));
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < categoryList()->topLevelItemCount(); ++i)
        QVERIFY(categoryList()->topLevelItem(i)->data(0, ItemKeyRole).toString().startsWith("C"));
    QVERIFY(!m_wizard->state().IsBusy);
}

void TestCategoryDialog::plainUserSeesRefusalAndDialogStaysOpen()
{
    DevServer server({"--seed", "demo"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    connectAs(server.address(), "user");
    QCOMPARE(m_wizard->state().CurrentStep, qint16(2));
    QVERIFY(!m_wizard->state().CanEditCategories);
    m_shown.clear();
    const QStringList before = categoryTexts();

    bool stayedOpen = false;
    int rowsKept = 0;
    openEditor([&](DlgAddCategory* dialog) {
        QTest::keyClicks(dialog->TextNewCategory, "Not allowed");
        dialog->CommandAdd->click();
        dialog->OKButton->click();
        stayedOpen = dialog->isVisible() && dialog->OKButton->isEnabled();
        rowsKept = dialog->ListViewCategories->topLevelItemCount();
        dialog->CancelButton->click();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(rowsKept, before.size() + 1);
    QCOMPARE(m_shown.size(), 1);
    QVERIFY2(m_shown[0].text.contains("no right"), qPrintable(m_shown[0].text));

    const QList<QJsonObject> updates = server.calls("UpdateCategoryList");
    QCOMPARE(updates.size(), 1);
    QCOMPARE(updates[0].value("user").toString(), QString("user"));
    QVERIFY(updates[0].value("status").toString() != "OK");
    // Cancelled: no reload, the list as it was.
    QCOMPARE(server.calls("GetCategoryList2").size(), 1);
    QCOMPARE(categoryTexts(), before);
}

void TestCategoryDialog::newOrganizationReloadsProjectClients()
{
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    connectAs(server.address(), "admin", "/createproject");
    QCOMPARE(m_wizard->state().CurrentStep, qint16(8));
    auto* page = static_cast<ProjectPage*>(m_wizard->page(8));
    const int clientsBefore = page->ProjectClientCombo->count();
    QVERIFY(clientsBefore > 1);
    QCOMPARE(page->ProjectClientCombo->itemData(0).toInt(), 0);

    openEditor(
        [&](DlgAddCategory* dialog) {
            QCOMPARE(dialog->catId, qint16(0));
            QVERIFY(!dialog->ClientTypeCombo->isHidden());
            // The "no client" entry is not offered for editing.
            QCOMPARE(dialog->ListViewCategories->topLevelItemCount(), clientsBefore - 1);
            dialog->ClientTypeCombo->setCurrentIndex(1);
            QTest::keyClicks(dialog->TextNewCategory, "Beta GmbH");
            dialog->CommandAdd->click();
            dialog->OKButton->click();
            QVERIFY(!dialog->isVisible());
        },
        page->CommandAddClient);
    QVERIFY2(m_shown.isEmpty(), m_shown.isEmpty() ? "" : qPrintable(m_shown.first().text));

    const QList<QJsonObject> updates = server.calls("UpdateDictionaries");
    QCOMPARE(updates.size(), 1);
    QCOMPARE(updates[0].value("status").toString(), QString("OK"));
    const QString xml = updates[0].value("args").toArray().at(0).toString();
    QVERIFY2(xml.contains("<Value>Beta GmbH</Value>") && xml.contains("<Data>-1</Data>"), qPrintable(xml));
    QCOMPARE(server.calls("LoadDictionaries").size(), 2);

    QCOMPARE(page->ProjectClientCombo->count(), clientsBefore + 1);
    QCOMPARE(page->ProjectClientCombo->currentIndex(), 0);
    const int added = page->ProjectClientCombo->findText("Beta GmbH");
    QVERIFY(added > 0);
    QVERIFY2(page->ProjectClientCombo->itemData(added).toInt() < 0, "an organization carries a negative id");
}

QTEST_MAIN(TestCategoryDialog)
#include "tst_category_dialog.moc"
