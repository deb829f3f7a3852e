// Library and list folders nested far deeper than any real server nests them (an answer can say
// anything): the trees are built and shown without running out of stack.
#include "files/LibraryTree.h"
#include "files/LibraryTreeView.h"
#include "lists/ListFolders.h"
#include "shell/RunMode.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

namespace {

constexpr int kDepth = 20000;

// Folders 2 .. kDepth + 1, each inside the one before, with one file in the innermost.
QString nested(const QString& root)
{
    QString xml = "<" + root + ">";
    for (int id = 2; id <= kDepth + 1; ++id)
        xml +=
            QStringLiteral("<Folder><Id>%1</Id><Name>L%1</Name><CanUserWrite>True</CanUserWrite><ChildList>")
                .arg(id);
    xml += "<Asset><Id>7</Id><VersionId>7</VersionId><FileName>deep.txt</FileName><Internal>True</Internal>"
           "</Asset>";
    xml += QString("</ChildList></Folder>").repeated(kDepth);
    return xml + "</" + root + ">";
}

int depthOf(const QTreeWidgetItem* item)
{
    int depth = 0;
    for (; item->parent(); item = item->parent())
        ++depth;
    return depth;
}

} // namespace

class TestDeepFolders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void libraryTree_data()
    {
        QTest::addColumn<int>("runMode");
        QTest::newRow("upload") << int(UPLOAD);
        QTest::newRow("download") << int(DOWNLOAD);
    }
    void libraryTree()
    {
        QFETCH(int, runMode);
        const std::optional<LibraryTrees> trees = buildLibraryTrees(nested("DirList"), runMode, "3.0");
        QVERIFY(trees);
        const QList<LibraryNode>& nodes = runMode == UPLOAD ? trees->folders : trees->assets;
        QCOMPARE(nodes.size(), 1 + kDepth + 1); // the root, the folders, the file
        QCOMPARE(nodes.last().parentKey, QString("F%1").arg(kDepth + 1));
        QCOMPARE(nodes[kDepth].parentKey, QString("F%1").arg(kDepth)); // folder kDepth + 1 in folder kDepth

        auto tree = std::make_unique<QTreeWidget>();
        fillLibraryTree(tree.get(), nodes);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        QTreeWidgetItem* deepest = tree->topLevelItem(0);
        while (deepest->childCount() > 0)
            deepest = deepest->child(0);
        QCOMPARE(deepest->text(0), QString("deep.txt"));
        QCOMPARE(depthOf(deepest), kDepth + 1);
        tree->setCurrentItem(deepest);
        tree->scrollToItem(deepest);
        QCoreApplication::processEvents();
        fillLibraryTree(tree.get(), nodes); // replacing the roots drops the old deep tree
        QCOMPARE(tree->topLevelItemCount(), 1);
    }
    void listFolders()
    {
        const std::optional<QList<ListFolderNode>> folders = parseListFolders(nested("Folders"));
        QVERIFY(folders);
        QCOMPARE(folders->size(), kDepth);
        QVERIFY(folders->first().atRoot());
        QCOMPARE(folders->last().parentKey, QString("F%1").arg(kDepth));
    }
};

QTEST_MAIN(TestDeepFolders)
#include "tst_deepfolders.moc"
