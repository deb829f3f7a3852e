#include "platform/HelpSystem.h"

#include "shell/TextCatalogue.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>

namespace kitbench {

namespace {
QString pagePath(int contextId)
{
    return QStringLiteral(":/help/%1.html").arg(contextId);
}
} // namespace

bool HelpSystem::hasPage(int contextId)
{
    return QFile::exists(pagePath(contextId));
}

bool HelpSystem::showContext(int contextId, QWidget* owner)
{
    if (!m_window) {
        // A top-level window of its own, so the user can keep it beside the wizard.
        m_window = new QTextBrowser(nullptr);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setObjectName(QStringLiteral("helpWindow"));
        m_window->setSearchPaths({QStringLiteral(":/help")});
        m_window->setOpenExternalLinks(true);
        m_window->resize(560, 520);
        if (owner)
            m_window->move(owner->frameGeometry().topRight());
    }
    m_window->setWindowTitle(GetLocalizedText(10));
    if (!hasPage(contextId)) {
        m_window->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
        m_window->show();
        return false;
    }
    m_window->setSource(QUrl(QStringLiteral("qrc") + pagePath(contextId)));
    m_window->show();
    m_window->raise();
    return true;
}

void HelpSystem::close()
{
    if (m_window)
        m_window->close();
}


} // namespace kitbench
