#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace kitbench {

namespace {

// The desktop's default application for a MIME type, or "" when none is registered. Unknown when the
// desktop offers no way to ask (then opening is simply tried).
std::optional<QString> defaultHandlerFor(const QString& mimeType)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return std::nullopt;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000))
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

bool DesktopShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::openFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

DesktopShell::OpenResult DesktopShell::openDocument(const QString& path)
{
    const QString mimeType = QMimeDatabase().mimeTypeForFile(path).name();
    const std::optional<QString> handler = defaultHandlerFor(mimeType);
    if (handler && handler->isEmpty())
        return OpenResult::NoAssociation;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::Failed;
}

bool DesktopShell::chooseProgramAndOpen(const QString& path, QWidget* parent)
{
    const QString program = QFileDialog::getOpenFileName(parent, QString(), QStringLiteral("/usr/bin"));
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {path});
}

} // namespace kitbench
