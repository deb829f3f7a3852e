// The file library pages in-process: a link opened instead of downloaded, the new-folder dialog, the
// documents list (Add, Remove, drops from the file manager) and the published file's web link.
#include "WizardFixture.h"

#include "files/CreateOrvFolder.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace kitbench;

namespace {

// The node of `key`, or ("text:...") of that text.
QTreeWidgetItem* nodeByKey(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, ItemKeyRole).toString() == key || "text:" + (*it)->text(0) == key)
            return *it;
    return nullptr;
}

} // namespace

class TestFilesGui : public QObject
{
    Q_OBJECT
    WizardFixture f;
    QListWidget* documents() const { return f.control<QListWidget>("PublishedFileList"); }
    // The upload job on its library page, with one document listed.
    void startUploadOnTheLibraryPage()
    {
        f.start("/upload");
        documents()->addItem(QStringLiteral(KITBENCH_TEST_SOURCE));
        f.next();
        QCOMPARE(f.step(), 6);
    }
    void choose(const QString& treeName, const QString& key)
    {
        auto* tree = f.control<QTreeWidget>(treeName);
        QTreeWidgetItem* node = nodeByKey(tree, key);
        QVERIFY2(node, qPrintable(key));
        tree->setCurrentItem(node);
        emit tree->itemClicked(node, 0);
    }
    void newFolder(const QString& name)
    {
        QVERIFY(WizardFixture::onDialog<CreateOrvFolder>(
            [this] { f.control<QPushButton>("NewOrvFolderCommand")->click(); },
            [&](CreateOrvFolder* dialog) {
                dialog->NewOrvFolderText->setText(name);
                dialog->OKButton->click();
            }));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(f.serve("4.7")); }
    void init() { f.init(); }
    void cleanup() { f.cleanup(true); }
    void linkOpensInBrowser()
    {
        f.start("/download");
        const qsizetype mark = f.server->journalSize();
        choose("AssetListTreeView", "text:Intranet");
        f.next();
        QCOMPARE(f.step(), kFinalPage);
        QCOMPARE(f.urls, QList<QUrl>{QUrl("http://intranet.example.com/")});
        QCOMPARE(f.server->journalSize(), mark); // nothing downloaded
        QVERIFY(f.wizard->state().PublishingLog.contains("'Intranet' - OK"));
    }
    void newLibraryFolder()
    {
        startUploadOnTheLibraryPage();
        auto* button = f.control<QPushButton>("NewOrvFolderCommand");
        QVERIFY(!button->isHidden());
        choose("FileListTreeView", "F3"); // read-only: no new folder there
        QVERIFY(!button->isEnabled());
        choose("FileListTreeView", "F2");
        QVERIFY(button->isEnabled());
        // An empty name closes the dialog without asking the server.
        QCOMPARE(f.callsDuring([&] { newFolder(""); }), QStringList{});
        QCOMPARE(f.callsDuring([&] { newFolder("Minutes 2026"); }),
                 QStringList{"CreateFolder [2,\"Minutes 2026\"]"});
        QTreeWidgetItem* parent = nodeByKey(f.control<QTreeWidget>("FileListTreeView"), "F2");
        QTreeWidgetItem* created = parent->child(parent->childCount() - 1);
        QCOMPARE(created->text(0) + created->data(0, ItemIconKeyRole).toString(),
                 QString("Minutes 2026<folder>"));
        QCOMPARE(created->data(0, ItemKeyRole).toString(),
                 "F" + QString::number(created->data(0, ItemTagRole).toInt()));
    }
    void addAndRemoveFiles()
    {
        f.start("/upload");
        QPushButton* add = f.control<QPushButton>("CommandAddFile");
        // A cancelled file dialog adds nothing; the dialog lets several files be chosen at once.
        std::optional<QString> chosen;
        MessageService::instance().setFilePresenter([&](const Message& title, const FileQuestion& question) {
            return !question.save && question.several && title.textId == 5010 ? chosen : std::nullopt;
        });
        add->click();
        QCOMPARE(documents()->count(), 0);
        chosen = "/tmp/one.txt\n/tmp/two.txt";
        add->click();
        QCOMPARE(documents()->count(), 2);
        QCOMPARE(documents()->item(1)->text(), QStringLiteral("/tmp/two.txt"));
        documents()->item(0)->setSelected(true);
        documents()->item(1)->setSelected(true);
        f.control<QPushButton>("CommandRemoveFile")->click();
        QCOMPARE(documents()->count(), 0);
        QVERIFY(!f.nav(3)->isEnabled()); // nothing left to publish into the library
        add->click();
        QVERIFY(f.nav(3)->isEnabled());
    }
    // Files and folders dragged from the file manager onto the documents list are listed as the command
    // line lists them (a folder brings its files), and published.
    void droppedFilesAndFoldersArePublished()
    {
        QTemporaryDir files;
        for (const QString name : {"single.txt", "folder/a.txt", "folder/inner/b.txt", "folder/.hidden"}) {
            QDir(files.path()).mkpath(QFileInfo(files.filePath(name)).path());
            QFile file(files.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
        }
        f.start("/upload");
        QMimeData dragged;
        dragged.setUrls({QUrl::fromLocalFile(files.filePath("single.txt")),
                         QUrl::fromLocalFile(files.filePath("folder")),
                         QUrl("https://example.com/not-a-file.txt")});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(documents()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(documents()->viewport(), &drop);
        QStringList listed;
        for (int i = 0; i < documents()->count(); ++i)
            listed << QDir(files.path()).relativeFilePath(documents()->item(i)->text());
        QCOMPARE(listed, (QStringList{"single.txt", "folder/a.txt", "folder/inner/b.txt"}));

        const qsizetype mark = f.server->journalSize();
        f.next();
        choose("FileListTreeView", "F4");
        f.next();
        QVERIFY(f.waitForStep(kFinalPage));
        QStringList published;
        for (const QJsonObject& entry : f.server->journal().mid(mark))
            if (entry.value("page").toString().endsWith("FilePublishing.aspx"))
                published << entry.value("fields").toObject().value("FileName").toString();
        QCOMPARE(published, (QStringList{"single.txt", "a.txt", "b.txt"}));
    }
    void uploadWebLink_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("link");
        QTest::newRow("library folder") << "F4" << QString("FileStorage/default.aspx?FolderID=4");
        QTest::newRow("project library")
            << "F6" << QString("Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary");
    }
    // The published file's web link names the folder, or the project whose library holds it.
    void uploadWebLink()
    {
        QFETCH(QString, folder);
        QFETCH(QString, link);
        startUploadOnTheLibraryPage();
        choose("FileListTreeView", folder);
        f.next();
        QVERIFY(f.waitForStep(kFinalPage));
        QCOMPARE(f.wizard->state().FilesPublished, 1);
        f.control<QRadioButton>("CloseAndRunOption")->setChecked(true);
        f.nav(4)->click();
        QCOMPARE(f.urls.size(), 1);
        QVERIFY2(QUrl::fromPercentEncoding(f.urls.first().toEncoded()).contains(link),
                 qPrintable(f.urls.first().toString()));
    }
};

QTEST_MAIN(TestFilesGui)
#include "tst_files_gui.moc"
