// The list folder document read into tree nodes: write rights and built-in names beyond the demo's
// folders, which the runs against a live server pick by their shown paths.
#include "lists/ListFolders.h"

#include <QTest>

using namespace kitbench;

namespace {

// One node per line: "key<parent|writable|text id|name|shown", the text of a built-in folder being
// "T" + its id.
QStringList describe(const QList<ListFolderNode>& nodes)
{
    QStringList lines;
    for (const ListFolderNode& n : nodes)
        lines << n.key + '<' +
                     QStringList{n.parentKey, n.canUserWrite ? "w" : "r", QString::number(n.textId), n.name,
                                 n.displayText([](int id) { return "T" + QString::number(id); })}
                         .join('|');
    return lines;
}

QString folder(const QString& id, const QString& name, const QString& write,
               const QString& children = "<ChildList/>")
{
    return "<Folder><Id>" + id + "</Id><Name>" + name + "</Name><CanUserWrite>" + write + "</CanUserWrite>" +
           children + "</Folder>";
}

} // namespace

class TestListFolders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse()
    {
        const auto check = [](const char* tag, const QString& xml, const QStringList& nodes) {
            const std::optional<QList<ListFolderNode>> folders = parseListFolders(xml);
            QVERIFY2(folders, tag);
            QCOMPARE(describe(*folders), nodes);
        };

        check("@@7 names text 3207", "<Folders>" + folder("12", "@@7", "True") + "</Folders>",
              QStringList{"F12<|w|3207|@@7|T3207"});
        check("a name merely containing @@ is shown as it is",
              "<Folders>" + folder("3", "Q@@1", "True") + folder("4", "@@x", "True") + "</Folders>",
              QStringList{"F3<|w|0|Q@@1|Q@@1", "F4<|w|0|@@x|@@x"});
        check("only True allows writing",
              "<Folders>" + folder("1", "A", "true") + folder("2", "B", "1") + folder("3", "C", "") +
                  "<Folder><Id>4</Id><Name>D</Name></Folder>" + folder("5", "E", "True") + "</Folders>",
              QStringList{"F1<|r|0|A|A", "F2<|r|0|B|B", "F3<|r|0|C|C", "F4<|r|0|D|D", "F5<|w|0|E|E"});
        check("empty child list and no child list add nothing",
              "<Folders>" + folder("1", "A", "True", "<ChildList></ChildList>") +
                  folder("2", "B", "True", QString()) + "</Folders>",
              QStringList{"F1<|w|0|A|A", "F2<|w|0|B|B"});
        check(
            "only Folder elements count",
            "<Folders><Note>x</Note>" +
                folder("1", "A", "True", "<ChildList><Other/>" + folder("2", "B", "False") + "</ChildList>") +
                "</Folders>",
            QStringList{"F1<|w|0|A|A", "F2<F1|r|0|B|B"});
        check("no folders", "<Folders/>", QStringList{});
        check("another root element gives no folders", "<Lists>" + folder("1", "A", "True") + "</Lists>",
              QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestListFolders)
#include "tst_listfolders.moc"
