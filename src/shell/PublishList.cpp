#include "shell/PublishList.h"

#include <QDir>
#include <QFileInfo>

namespace kitbench {

namespace {

bool isHidden(const QFileInfo& entry)
{
    return entry.fileName().startsWith(QLatin1Char('.'));
}

bool isPublishableFile(const QFileInfo& entry)
{
    if (entry.isSymLink() || !entry.isFile() || isHidden(entry))
        return false; // system or hidden
    return entry.permission(QFileDevice::WriteOwner); // read-only files are not listed
}

} // namespace

QStringList AddFolderToPublishList(const QString& folder)
{
    QStringList files;
    QStringList subfolders;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            if (!isHidden(entry))
                subfolders.append(dir.filePath(entry.fileName()));
        } else if (isPublishableFile(entry)) {
            files.append(dir.filePath(entry.fileName()));
        }
    }
    for (const QString& subfolder : std::as_const(subfolders))
        files += AddFolderToPublishList(subfolder);
    return files;
}

QStringList filesNamedBy(const QString& value)
{
    const QFileInfo info(value);
    if (info.exists() && !info.isDir())
        return {value};
    if (info.isDir())
        return AddFolderToPublishList(value);
    return {};
}

} // namespace kitbench
