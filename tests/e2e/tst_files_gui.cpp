// The file library pages in-process against a live server: the page checks of the folder and file
// trees, a link opened instead of downloaded, the new-folder dialog on the library and list folder
// pages, and the documents list: Add (several files at once), Remove, and drops from the file manager.
#include "DevServer.h"
#include "TempSettings.h"
#include "UrlRecorder.h"

#include "files/CreateOrvFolder.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "app/ServerJobs.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kitbench;

namespace {

QTreeWidgetItem* nodeByKey(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, ItemKeyRole).toString() == key)
            return *it;
    return nullptr;
}

// Types the name into the new-folder dialog once it is shown, then presses OK.
void answerFolderDialog(const QString& name)
{
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<CreateOrvFolder*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->NewOrvFolderText->setText(name);
        dialog->OKButton->click();
    });
}

} // namespace

class TestFilesGui : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void treeChecks_data();
    void treeChecks();
    void linkOpensInBrowser();
    void newLibraryFolder();
    void newListFolder();
    void addAndRemoveFiles();
    void droppedFilesAndFoldersArePublished();
    void uploadWebLink_data();
    void uploadWebLink();

private:
    void start(const QString& job);
    template <typename W> W* control(const QString& name) const { return m_wizard->findChild<W*>(name); }
    void choose(const QString& treeName, const QString& key);

    std::unique_ptr<DevServer> m_server;
    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<frmWizard> m_wizard;
    QList<QUrl> m_urls;
    QList<int> m_shown;
};

void TestFilesGui::initTestCase()
{
    m_server = std::make_unique<DevServer>(QStringList{"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!m_server->address().isEmpty(), qPrintable(m_server->errorOutput()));
}

void TestFilesGui::init()
{
    m_temp = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    m_shown.clear();
    m_urls.clear();
}

void TestFilesGui::cleanup()
{
    m_wizard.reset();
    MessageService::instance().setPresenter({});
    MessageService::instance().setFilePresenter({});
    MessageService::instance().clearHistory();
    m_temp.reset();
}

void TestFilesGui::start(const QString& job)
{
    m_wizard = std::make_unique<frmWizard>();
    m_wizard->setJobHooks(std::make_unique<ServerJobs>(*m_wizard));
    m_wizard->setDesktopShell(std::make_unique<UrlRecorder>(m_urls));
    m_wizard->Form_Load(parseCommandLine(job + " /L admin@" + m_server->address() + " /P admin"));
    MessageService::instance().setPresenter([this](const Message& message) {
        m_shown.append(message.textId);
        return MessageAnswer::Ok;
    });
    m_wizard->ShowStep(1, NavNext);
    m_wizard->cmdNav_Click(3);
}

void TestFilesGui::choose(const QString& treeName, const QString& key)
{
    auto* tree = control<QTreeWidget>(treeName);
    QTreeWidgetItem* node = nodeByKey(tree, key);
    QVERIFY2(node, qPrintable(key));
    tree->setCurrentItem(node);
    emit tree->itemClicked(node, 0);
}

void TestFilesGui::treeChecks_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("key"); // empty: nothing chosen
    QTest::addColumn<int>("message");
    QTest::newRow("upload, no folder") << "/upload"
                                       << "" << 2503;
    QTest::newRow("upload, read-only folder") << "/upload"
                                              << "F3" << 2504;
    QTest::newRow("download, no file") << "/download"
                                       << "" << 2603;
    QTest::newRow("download, a folder") << "/download"
                                        << "F2" << 2604;
}

void TestFilesGui::treeChecks()
{
    QFETCH(QString, job);
    QFETCH(QString, key);
    QFETCH(int, message);
    start(job);
    const bool upload = job == "/upload";
    if (upload) {
        QCOMPARE(int(m_wizard->state().CurrentStep), 20);
        control<QListWidget>("PublishedFileList")->addItem(QStringLiteral(KITBENCH_TEST_SOURCE));
        m_wizard->cmdNav_Click(3);
    }
    const int page = upload ? 6 : 7;
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
    if (!key.isEmpty())
        choose(upload ? "FileListTreeView" : "AssetListTreeView", key);
    m_wizard->cmdNav_Click(3);
    QCOMPARE(m_shown, QList<int>{message});
    QCOMPARE(int(m_wizard->state().CurrentStep), page);
}

void TestFilesGui::linkOpensInBrowser()
{
    start("/download");
    auto* tree = control<QTreeWidget>("AssetListTreeView");
    QTreeWidgetItem* link = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, ItemKeyRole).toString().startsWith('U'))
            link = *it;
    QVERIFY(link);
    QCOMPARE(link->text(0), QString("Intranet"));
    tree->setCurrentItem(link);
    m_wizard->cmdNav_Click(3);
    QCOMPARE(int(m_wizard->state().CurrentStep), kFinalPage);
    QCOMPARE(m_urls, QList<QUrl>{QUrl("http://intranet.example.com/")});
    const QList<QJsonObject> journal = m_server->journal();
    QVERIFY(std::none_of(journal.begin(), journal.end(),
                         [](const QJsonObject& entry) { return entry.contains("page"); }));
    QVERIFY(m_wizard->state().PublishingLog.contains("'Intranet' - OK"));
}

void TestFilesGui::newLibraryFolder()
{
    start("/upload");
    control<QListWidget>("PublishedFileList")->addItem(QStringLiteral(KITBENCH_TEST_SOURCE));
    m_wizard->cmdNav_Click(3);
    auto* button = control<QPushButton>("NewOrvFolderCommand");
    QVERIFY(!button->isHidden());
    choose("FileListTreeView", "F3"); // read-only: no new folder there
    QVERIFY(!button->isEnabled());
    choose("FileListTreeView", "F2");
    QVERIFY(button->isEnabled());

    // An empty name closes the dialog without asking the server.
    const qsizetype before = m_server->calls("CreateFolder").size();
    answerFolderDialog("");
    button->click();
    QCOMPARE(m_server->calls("CreateFolder").size(), before);

    answerFolderDialog("Minutes 2026");
    button->click();
    const QList<QJsonObject> calls = m_server->calls("CreateFolder");
    QCOMPARE(calls.size(), before + 1);
    QCOMPARE(calls.last().value("args").toArray(), (QJsonArray{2, "Minutes 2026"}));
    QTreeWidgetItem* parent = nodeByKey(control<QTreeWidget>("FileListTreeView"), "F2");
    QTreeWidgetItem* created = parent->child(parent->childCount() - 1);
    QCOMPARE(created->text(0), QString("Minutes 2026"));
    QCOMPARE(created->data(0, ItemIconKeyRole).toString(), QString("<folder>"));
    const int id = created->data(0, ItemTagRole).toInt();
    QVERIFY(id > 8);
    QCOMPARE(created->data(0, ItemKeyRole).toString(), "F" + QString::number(id));
}

void TestFilesGui::newListFolder()
{
    start("/createlist");
    QCOMPARE(int(m_wizard->state().CurrentStep), 14);
    auto* button = control<QPushButton>("AddNewListFolderCommand");
    QVERIFY(!button->isEnabled());
    choose("ListFolderTreeView", "F4");
    QVERIFY(button->isEnabled());
    answerFolderDialog("Suppliers");
    button->click();
    const QList<QJsonObject> calls = m_server->calls("CreateListFolder");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.last().value("args").toArray(), (QJsonArray{4, "Suppliers"}));
    QVERIFY(m_server->calls("CreateFolder").size() <= 1); // only the library test's
    QTreeWidgetItem* parent = nodeByKey(control<QTreeWidget>("ListFolderTreeView"), "F4");
    QCOMPARE(parent->child(parent->childCount() - 1)->text(0), QString("Suppliers"));
}

void TestFilesGui::addAndRemoveFiles()
{
    start("/upload");
    auto* list = control<QListWidget>("PublishedFileList");
    QPushButton* next = m_wizard->cmdNav[3];
    // A cancelled file dialog adds nothing.
    MessageService::instance().setFilePresenter(
        [](const Message&, const FileQuestion&) { return std::optional<QString>(); });
    control<QPushButton>("CommandAddFile")->click();
    QCOMPARE(list->count(), 0);
    // The dialog lets several files be chosen at once; each becomes an entry.
    MessageService::instance().setFilePresenter(
        [](const Message& title, const FileQuestion& question) -> std::optional<QString> {
            if (question.save || !question.several || title.textId != 5010)
                return std::nullopt;
            return QStringLiteral("/tmp/one.txt\n/tmp/two.txt");
        });
    control<QPushButton>("CommandAddFile")->click();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("/tmp/two.txt"));
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    control<QPushButton>("CommandRemoveFile")->click();
    QCOMPARE(list->count(), 0);
    QVERIFY(!next->isEnabled()); // nothing left to publish into the library
    control<QPushButton>("CommandAddFile")->click();
    QVERIFY(next->isEnabled());
}

// Files and folders dragged from the file manager onto the documents list are listed as the command
// line lists them (a folder brings its files), and published.
void TestFilesGui::droppedFilesAndFoldersArePublished()
{
    QTemporaryDir files;
    const auto write = [&files](const QString& name) {
        QDir(files.path()).mkpath(QFileInfo(files.filePath(name)).path());
        QFile file(files.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    };
    write("single.txt");
    write("folder/a.txt");
    write("folder/inner/b.txt");
    write("folder/.hidden");
    start("/upload");
    auto* list = control<QListWidget>("PublishedFileList");
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(files.filePath("single.txt")),
                     QUrl::fromLocalFile(files.filePath("folder")),
                     QUrl("https://example.com/not-a-file.txt")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << QDir(files.path()).relativeFilePath(list->item(i)->text());
    QCOMPARE(listed, (QStringList{"single.txt", "folder/a.txt", "folder/inner/b.txt"}));

    m_wizard->cmdNav_Click(3);
    choose("FileListTreeView", "F4");
    m_wizard->cmdNav_Click(3);
    QTRY_COMPARE(int(m_wizard->state().CurrentStep), kFinalPage);
    QStringList published;
    for (const QJsonObject& entry : m_server->journal())
        if (entry.value("page").toString().endsWith("FilePublishing.aspx"))
            published << entry.value("fields").toObject().value("FileName").toString();
    QCOMPARE(published.mid(published.size() - 3), (QStringList{"single.txt", "a.txt", "b.txt"}));
}

void TestFilesGui::uploadWebLink_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("link");
    QTest::newRow("library folder") << "F4"
                                    << "FileStorage/default.aspx?FolderID=4";
    QTest::newRow("project library") << "F6"
                                     << "Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary";
}

// The published file's web link names the folder, or the project whose library holds it.
void TestFilesGui::uploadWebLink()
{
    QFETCH(QString, folder);
    QFETCH(QString, link);
    start("/upload");
    control<QListWidget>("PublishedFileList")->addItem(QStringLiteral(KITBENCH_TEST_SOURCE));
    m_wizard->cmdNav_Click(3);
    choose("FileListTreeView", folder);
    m_wizard->cmdNav_Click(3);
    QTRY_COMPARE(int(m_wizard->state().CurrentStep), kFinalPage);
    QCOMPARE(m_wizard->state().FilesPublished, 1);
    QVERIFY(!m_wizard->state().IsBusy);
    control<QRadioButton>("CloseAndRunOption")->setChecked(true);
    m_wizard->cmdNav_Click(4);
    QCOMPARE(m_urls.size(), 1);
    QVERIFY2(QUrl::fromPercentEncoding(m_urls.first().toEncoded()).contains(link),
             qPrintable(m_urls.first().toString()));
}

QTEST_MAIN(TestFilesGui)
#include "tst_files_gui.moc"
