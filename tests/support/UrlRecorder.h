#pragma once

// A desktop whose browser only remembers the addresses it was asked to open.

#include "platform/DesktopShell.h"

#include <QList>
#include <QUrl>

class UrlRecorder : public kitbench::DesktopShell
{
public:
    explicit UrlRecorder(QList<QUrl>& urls) : m_urls(urls) {}
    bool openUrl(const QUrl& url) override
    {
        m_urls.append(url);
        return true;
    }

private:
    QList<QUrl>& m_urls;
};
