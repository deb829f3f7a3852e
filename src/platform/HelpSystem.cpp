#include "platform/HelpSystem.h"

#include "platform/WindowPlacement.h"
#include "shell/TextCatalogue.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>

namespace kitbench {

namespace {

// The help in the language of the pack where it has been translated, else in English.
QString helpFolder()
{
    const QString code = LanguagePackCode();
    const QString translated = QStringLiteral(":/help/") + code;
    if (!code.isEmpty() && QFile::exists(translated + QStringLiteral("/index.html")))
        return translated;
    return QStringLiteral(":/help");
}

QString pagePath(int contextId)
{
    const QString translated = helpFolder() + QStringLiteral("/%1.html").arg(contextId);
    return QFile::exists(translated) ? translated : QStringLiteral(":/help/%1.html").arg(contextId);
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
        m_window->setOpenExternalLinks(true);
        m_window->resize(560, 520);
        if (owner) {
            // Its frame is not known before it is shown: the owner's decorations stand in for it.
            const QRect owned = owner->frameGeometry();
            const QSize framed = m_window->size() + (owned.size() - owner->size());
            m_window->move(besideOwner(owned, framed, availableScreenArea(owned)).topLeft());
        }
    }
    m_window->setWindowTitle(GetLocalizedText(10));
    m_window->setSearchPaths({helpFolder(), QStringLiteral(":/help")});
    if (!hasPage(contextId)) {
        m_window->setSource(QUrl(QStringLiteral("qrc") + helpFolder() + QStringLiteral("/index.html")));
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
