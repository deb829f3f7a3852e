#pragma once

// The rows a list shows in the server's web view, for end-to-end tests that check what the server
// stored. Signs in through the auto-login page first. Needs Qt6::Network.

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

struct ListView
{
    int id = 0;
    QStringList fields; // the header row of the rows table
    QStringList rows;   // each row's cells joined by "|"
    QString pager;      // "Rows 1 to 100 of 3700, page 1 of 37."
};

namespace listview_detail {

inline QString unescaped(QString html)
{
    return html.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&#39;", "'")
        .replace("&amp;", "&");
}

inline QStringList cells(const QString& row, const QString& tag)
{
    QStringList out;
    const QRegularExpression cell("<" + tag + ">(.*?)</" + tag + ">",
                                  QRegularExpression::DotMatchesEverythingOption);
    for (auto it = cell.globalMatch(row); it.hasNext();)
        out << unescaped(it.next().captured(1));
    return out;
}

inline std::optional<QString> get(QNetworkAccessManager& network, const QString& url)
{
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
        return std::nullopt;
    return QString::fromUtf8(reply->readAll());
}

} // namespace listview_detail

// The list titled `title` (the newest of that title), one page of its rows.
inline std::optional<ListView> findListView(const QString& address, const QString& title, int page = 1)
{
    using namespace listview_detail;
    QNetworkAccessManager network;
    if (!get(network, "http://" + address + "/default.aspx?login=admin@" + address + "&password=admin"))
        return std::nullopt;
    std::optional<ListView> found;
    for (int id = 1; id < 200; ++id) {
        const auto html = get(network, "http://" + address + "/portals/p/Lists/ListView.aspx?ListID=" +
                                           QString::number(id) + "&Page=" + QString::number(page));
        if (!html)
            break;
        if (!html->contains("List " + QString::number(id) + ": " + title.toHtmlEscaped() + "<"))
            continue;
        ListView view;
        view.id = id;
        const QRegularExpression row("<tr>(.*?)</tr>", QRegularExpression::DotMatchesEverythingOption);
        for (auto it = row.globalMatch(html->section("<table class=\"rows\">", 1)); it.hasNext();) {
            const QString content = it.next().captured(1);
            if (content.startsWith("<th>"))
                view.fields = cells(content, "th");
            else
                view.rows << cells(content, "td").join('|');
        }
        const QRegularExpression pager("<p class=\"pager\">([^<]*)");
        view.pager = pager.match(*html).captured(1).trimmed();
        found = view;
    }
    return found;
}
