// A library tree nested far deeper than any real server nests it, shown in the tree control: the fill
// does not run out of stack and a second fill replaces the deep tree. Building such trees from hostile
// answers is the fuzz target's (fuzz/regressions/librarytree).
#include "files/LibraryTree.h"
#include "files/LibraryTreeView.h"
#include "shell/RunMode.h"

#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

class TestDeepFolders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillsAndReplacesADeepTree()
    {
        constexpr int kDepth = 20000; // folders 2 .. kDepth + 1, each inside the one before
        QString xml = "<DirList>";
        for (int id = 2; id <= kDepth + 1; ++id)
            xml += QString("<Folder><Id>%1</Id><Name>L%1</Name><CanUserWrite>True</CanUserWrite><ChildList>")
                       .arg(id);
        xml +=
            "<Asset><Id>7</Id><VersionId>7</VersionId><FileName>deep.txt</FileName><Internal>True</Internal>"
            "</Asset>" +
            QString("</ChildList></Folder>").repeated(kDepth) + "</DirList>";
        const std::optional<LibraryTrees> trees = buildLibraryTrees(xml, UPLOAD, "3.0");
        QVERIFY(trees);
        auto tree = std::make_unique<QTreeWidget>();
        fillLibraryTree(tree.get(), trees->folders);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        QTreeWidgetItem* deepest = tree->topLevelItem(0);
        int depth = 0;
        for (; deepest->childCount() > 0; ++depth)
            deepest = deepest->child(0);
        QCOMPARE(deepest->text(0), QString("deep.txt"));
        QCOMPARE(depth, kDepth + 1);
        tree->setCurrentItem(deepest);
        tree->scrollToItem(deepest);
        QCoreApplication::processEvents();
        fillLibraryTree(tree.get(), trees->folders); // replacing the roots drops the old deep tree
        QCOMPARE(tree->topLevelItemCount(), 1);
    }
};

QTEST_MAIN(TestDeepFolders)
#include "tst_deepfolders.moc"
