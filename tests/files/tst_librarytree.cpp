// The library trees built from a FileLibraryDir answer: which folders and files each job shows, with
// which keys, tags and images.
#include "files/LibraryTree.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

QString folder(int id, const QString& name, bool writable, const QString& children = {},
               const QString& assetId = {})
{
    return QString(
               "<Folder><Id>%1</Id><Name>%2</Name><CanUserWrite>%3</CanUserWrite>%4<ChildList>%5</ChildList>"
               "</Folder>")
        .arg(QString::number(id), name, writable ? "True" : "False",
             assetId.isEmpty() ? QString() : "<AssetId>" + assetId + "</AssetId>", children);
}

QString asset(int id, int versionId, const QString& name, bool internal = true, const QString& url = {})
{
    return QString("<Asset><Id>%1</Id><VersionId>%2</VersionId><FileName>%3</FileName><Internal>%4</Internal>"
                   "<Url>%5</Url></Asset>")
        .arg(QString::number(id), QString::number(versionId), name, internal ? "True" : "False", url);
}

// "key<parent>:text[image]=tag+" per node; "+" marks an expanded node.
QStringList describe(const QList<LibraryNode>& nodes)
{
    QStringList lines;
    for (const LibraryNode& n : nodes)
        lines << n.key + "<" + n.parentKey + ">:" + n.text + "[" + n.image + "]=" + n.tag.toString() +
                     (n.expanded ? "+" : "");
    return lines;
}

// A library as newer servers send it: everything inside folder 1, then a folder that is not shown.
const QString kLibrary =
    "<DirList>" +
    folder(1, "Root", true,
           folder(2, "Public", true, asset(10, 110, "Welcome.txt") + folder(4, "Drafts", true, {}, "77")) +
               folder(3, "Archive", false,
                      asset(11, 111, "old.pdf") + folder(5, "Open", true, asset(12, 112, "README"))) +
               asset(13, 113, "top.txt")) +
    folder(9, "Hidden", true) + "<Projects>" +
    folder(20, "Website Relaunch", true,
           asset(14, 114, "plan.mpp") + asset(15, 115, "Wiki", false, "http://wiki/x") +
               asset(16, 116, "", true) + asset(17, 117, "NoUrl", false, ""),
           "1") +
    "</Projects></DirList>";

} // namespace

class TestLibraryTree : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void trees()
    {
        // The folder and the file tree a job shows.
        const auto check = [](const char* tag, int runMode, const QString& version, const QString& xml,
                              const QStringList& folders, const QStringList& assets) {
            const std::optional<LibraryTrees> trees = buildLibraryTrees(xml, runMode, version);
            QVERIFY2(trees, tag);
            QCOMPARE(describe(trees->folders), folders);
            QCOMPARE(describe(trees->assets), assets);
        };
        const QStringList roots{"F0<>:[<folder_gray>]=0+"};
        const QStringList projectRoot{"F-1<>:Projects[<folder_gray>]=0+"};

        check("upload on 4.7: folder 1 unwrapped, read-only files hidden, writable subfolders kept", UPLOAD,
              "4.7", kLibrary,
              roots +
                  QStringList{"F2<F0>:Public[<folder>]=-1", "F4<F2>:Drafts[<folder>]=77",
                              "A10<F2>:Welcome.txt[<asset>]=10", "F3<F0>:Archive[<folder_gray>]=0+",
                              "F5<F3>:Open[<folder>]=-1", "A12<F5>:README[<asset>]=12"} +
                  projectRoot +
                  QStringList{"F20<F-1>:Website Relaunch[<folder>]=1", "A14<F20>:plan.mpp[<asset>]=14",
                              "A15<F20>:Wiki[<asset>]=15", "A16<F20>:[<asset>]=16",
                              "A17<F20>:NoUrl[<asset>]=17"},
              roots + projectRoot);
        check("download on 4.7: every folder grey and open, files by type, links, nameless skipped", DOWNLOAD,
              "4.7", kLibrary, roots + projectRoot,
              roots +
                  QStringList{"F2<F0>:Public[<folder_gray>]=0+", "F4<F2>:Drafts[<folder_gray>]=0+",
                              "A110<F2>:Welcome.txt[.txt]=110", "F3<F0>:Archive[<folder_gray>]=0+",
                              "F5<F3>:Open[<folder_gray>]=0+", "A112<F5>:README[<empty>]=112",
                              "A111<F3>:old.pdf[.pdf]=111"} +
                  projectRoot +
                  QStringList{"F20<F-1>:Website Relaunch[<folder_gray>]=0+", "A114<F20>:plan.mpp[.mpp]=114",
                              "U115<F20>:Wiki[<asset>]=http://wiki/x"});
        const QString old = "<DirList>" + folder(1, "Shared", true, asset(30, 130, "a.doc")) +
                            folder(6, "Next", false) + "</DirList>";
        check("upload on 3.0: folder 1 shown, files by version id", UPLOAD, "3.0", old,
              roots + QStringList{"F1<F0>:Shared[<folder>]=-1", "A130<F1>:a.doc[<asset>]=130",
                                  "F6<F0>:Next[<folder_gray>]=0+"},
              roots);
        check("top-level files are never listed", DOWNLOAD, "3.0",
              "<DirList>" + asset(1, 2, "loose.txt") + "</DirList>", roots, roots);
    }
    void extension()
    {
        for (const auto& [name, extension] :
             {std::pair{"report.pdf", ".pdf"}, {"archive.tar.gz", ".gz"}, {"README", ""}, {"odd.", "."}})
            QCOMPARE(GetFileExtension(name), QString(extension));
    }
};

QTEST_GUILESS_MAIN(TestLibraryTree)
#include "tst_librarytree.moc"
