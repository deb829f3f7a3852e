#include "files/LibraryTree.h"

#include "directory/XmlAnswer.h"
#include "shell/RunMode.h"

#include <QSet>

#include <vector>

namespace kitbench {

namespace {

const QString kFolder = QStringLiteral("<folder>");
const QString kFolderGray = QStringLiteral("<folder_gray>");
const QString kAsset = QStringLiteral("<asset>");

class TreeBuilder
{
public:
    TreeBuilder(int runMode, const QString& serverVersion)
        : m_download(runMode == DOWNLOAD), m_version30(serverVersion == QLatin1String("3.0"))
    {
    }

    void addRoot(const QString& key, const QString& text)
    {
        const LibraryNode root{key, QString(), text, kFolderGray, QVariant::fromValue<qint16>(0), true};
        add(m_trees.folders, m_folderKeys, root);
        add(m_trees.assets, m_assetKeys, root);
    }

    // AddLibraryChildren: the folders of an element (and, with files on, its files) under a parent, in
    // the order a depth-first walk meets them. The walk keeps its own stack, so a library nested any
    // number of levels deep cannot exhaust the thread's.
    void addChildren(const pugi::xml_node& element, const QString& parentKey, bool filesOn)
    {
        struct Level
        {
            pugi::xml_node element;
            QString parentKey;
            bool filesOn;
            pugi::xml_node nextFolder;
        };
        std::vector<Level> levels{{element, parentKey, filesOn, element.child("Folder")}};
        while (!levels.empty()) {
            Level& level = levels.back();
            if (!level.nextFolder) {
                if (level.filesOn)
                    for (const pugi::xml_node& asset : level.element.children("Asset"))
                        addFile(asset, level.parentKey);
                levels.pop_back();
                continue;
            }
            const pugi::xml_node folder = level.nextFolder;
            level.nextFolder = folder.next_sibling("Folder");
            const QString id = xml::childText(folder, "Id").trimmed();
            const pugi::xml_node childList = folder.child("ChildList");
            // Newer servers wrap the library in a folder 1 that is not shown; its content takes its place
            // and any folders after it are not shown either.
            if (!m_version30 && id == QLatin1String("1")) {
                level.nextFolder = pugi::xml_node();
                const Level inner{childList, level.parentKey, level.filesOn, childList.child("Folder")};
                levels.push_back(inner);
                continue;
            }
            const QString key = QStringLiteral("F") + id;
            const QString parent = level.parentKey;
            const bool writable = addFolder(folder, key, parent);
            if (childList.first_child())
                levels.push_back({childList, key, writable, childList.child("Folder")});
        }
    }

    LibraryTrees take() { return std::move(m_trees); }

private:
    // Adds the folder node; whether the folder is writable (its files are listed then).
    bool addFolder(const pugi::xml_node& folder, const QString& key, const QString& parentKey)
    {
        const QString name = xml::childText(folder, "Name");
        if (m_download) {
            add(m_trees.assets, m_assetKeys,
                {key, parentKey, name, kFolderGray, QVariant::fromValue<qint16>(0), true});
            return true;
        }
        const bool writable = xml::childText(folder, "CanUserWrite") == QLatin1String("True");
        const std::optional<qint32> assetId = xml::hasChild(folder, "AssetId")
                                                  ? xml::toInt32(xml::childText(folder, "AssetId"))
                                                  : std::optional<qint32>(-1);
        if (writable)
            add(m_trees.folders, m_folderKeys,
                {key, parentKey, name, kFolder, QVariant::fromValue<qint32>(assetId.value_or(-1)), false});
        else
            add(m_trees.folders, m_folderKeys,
                {key, parentKey, name, kFolderGray, QVariant::fromValue<qint16>(0), true});
        return writable;
    }

    void addFile(const pugi::xml_node& asset, const QString& parentKey)
    {
        const QString fileName = xml::childText(asset, "FileName");
        const QString versionId = xml::childText(asset, "VersionId").trimmed();
        if (!m_download) {
            const QString fileId = m_version30 ? versionId : xml::childText(asset, "Id").trimmed();
            add(m_trees.folders, m_folderKeys,
                {QStringLiteral("A") + fileId, parentKey, fileName, kAsset, fileId, false});
            return;
        }
        if (xml::childText(asset, "Internal") != QLatin1String("True")) {
            const QString url = xml::childText(asset, "Url");
            if (!url.isEmpty())
                add(m_trees.assets, m_assetKeys,
                    {QStringLiteral("U") + versionId, parentKey, fileName, kAsset, url, false});
            return;
        }
        if (fileName.isEmpty())
            return;
        QString type = GetFileExtension(fileName);
        if (type.isEmpty())
            type = QStringLiteral("<empty>");
        add(m_trees.assets, m_assetKeys,
            {QStringLiteral("A") + versionId, parentKey, fileName, type, versionId, false});
    }

    // A key already in the tree is a fault of the answer: the later node is left out.
    static void add(QList<LibraryNode>& tree, QSet<QString>& keys, LibraryNode node)
    {
        if (keys.contains(node.key))
            return;
        keys.insert(node.key);
        tree.append(std::move(node));
    }

    bool m_download;
    bool m_version30;
    LibraryTrees m_trees;
    QSet<QString> m_folderKeys;
    QSet<QString> m_assetKeys;
};

} // namespace

std::optional<ServerCall> libraryDirCall(int runMode)
{
    if (runMode != UPLOAD && runMode != DOWNLOAD)
        return std::nullopt;
    return ServerCall{QStringLiteral("FileLibraryDir"),
                      {QVariant::fromValue<qint16>(0), true, QVariant::fromValue<qint16>(0)}};
}

std::optional<LibraryTrees> buildLibraryTrees(const QString& xml, int runMode, const QString& serverVersion)
{
    const std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return std::nullopt;
    TreeBuilder builder(runMode, serverVersion);
    builder.addRoot(QStringLiteral("F0"), QString());
    const pugi::xml_node dirList = answer->selectSingle(QStringLiteral("DirList"));
    builder.addChildren(dirList, QStringLiteral("F0"), false);
    const pugi::xml_node projects = answer->selectSingle(QStringLiteral("DirList/Projects"));
    if (projects) {
        builder.addRoot(QStringLiteral("F-1"), QStringLiteral("Projects"));
        builder.addChildren(projects, QStringLiteral("F-1"), false);
    }
    return builder.take();
}

QString GetFileExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace kitbench
