#pragma once

// End-to-end scenarios as table rows: one job run unattended against a live orvello-devserver, and what
// the run and the server's journal must show afterwards. ScenarioPlayer runs a row and says what differs.

#include "DevServer.h"
#include "KitbenchRun.h"

#include <QMetaType>

#include <map>
#include <memory>

struct Scenario
{
    QStringList job = {};    // the job keyword and its values: {"/importproject", plan}
    QString answers = {};    // the answer file
    QString version = "4.7"; // the release the server plays
    QStringList faults = {}; // --fault values, or other server options as "--name value"
    int exitCode = 0;
    QList<int> pages = {};   // the pages shown, in order; empty: not compared
    QStringList calls = {};  // journal lines that must come in this order (see matches())
    bool onlyCalls = false;  // and no other lines
    QStringList absent = {}; // methods or pages that must not reach the server
    QStringList err = {};    // texts standard error must hold
    QStringList out = {};    // texts the final report must hold
    bool fresh = false;      // needs the demo data as seeded (else the release's server is shared)
    QMap<QString, QString> environment = {};
    QString home = {}; // the run's home folder, kept by the caller (see KitbenchRun)
    std::function<void(const QDir&)> prepare = {}; // puts files into the run's folder first
};
Q_DECLARE_METATYPE(Scenario)

// A journal entry as one line: "Method [args] status" for a SOAP call, "Page {fields} status" for a
// page or form post, and " warnings [..]" when the server had any about the call.
inline QString journalLine(const QJsonObject& entry)
{
    if (entry.contains("method"))
        return entry.value("method").toString() + ' ' + compactJson(entry.value("args")) + ' ' +
               entry.value("status").toString() +
               (entry.contains("warnings") ? " warnings " + compactJson(entry.value("warnings")) : QString());
    return entry.value("page").toString().section('/', -1) + ' ' + compactJson(entry.value("fields")) + ' ' +
           entry.value("status").toVariant().toString();
}

// Whether a journal line is the one `expected` describes: a bare name is any line of that method or page;
// otherwise the whole line, where each "*" stands for any text.
inline bool matches(const QString& expected, const QString& line)
{
    if (!expected.contains('*'))
        return expected.contains(' ') ? line == expected : line.startsWith(expected + ' ');
    const QStringList pieces = expected.split('*');
    qsizetype at = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        const qsizetype found = i == pieces.size() - 1 ? line.size() - piece.size() : line.indexOf(piece, at);
        if (found < at || (i == 0 && found != 0) || line.mid(found, piece.size()) != piece)
            return false;
        at = found + piece.size();
    }
    return true;
}

class ScenarioPlayer
{
public:
    // The server for a row: its release's shared one, or a fresh one for rows with faults or `fresh`.
    DevServer& serverFor(const Scenario& row)
    {
        if (row.fresh || !row.faults.isEmpty()) {
            QStringList arguments{"--seed", "demo", "--server-version", row.version};
            for (const QString& fault : row.faults)
                arguments << (fault.startsWith("--")
                                  ? QStringList{fault.section(' ', 0, 0), fault.section(' ', 1)}
                                  : QStringList{"--fault", fault});
            m_fresh = std::make_unique<DevServer>(arguments);
            return *m_fresh;
        }
        auto& shared = m_shared[row.version];
        if (!shared)
            shared =
                std::make_unique<DevServer>(QStringList{"--seed", "demo", "--server-version", row.version});
        return *shared;
    }

    // Runs the row as admin, through `address` (a proxy) when given; false when anything differs from the
    // row, and why() says what: QVERIFY2(player.plays(row), player.why()).
    bool plays(const Scenario& row, const QString& address = {}, DevServer* server = nullptr)
    {
        m_server = server ? server : &serverFor(row);
        m_why = m_server->address().isEmpty()
                    ? "the server did not start: " + m_server->errorOutput().toLocal8Bit()
                    : play(row, address);
        return m_why.isEmpty();
    }
    const char* why() const { return m_why.constData(); }

    const KitbenchRun& run() const { return m_run; }
    DevServer& server() const { return *m_server; }
    // The journal entries of the last run, and the same as lines.
    const QList<QJsonObject>& entries() const { return m_entries; }
    const QStringList& journal() const { return m_journal; }

private:
    // What differs from the row, cut short (a journal line can be megabytes); "" when nothing does.
    QByteArray play(const Scenario& row, const QString& address)
    {
        const qsizetype mark = m_server->journalSize();
        m_run = KitbenchRun::start(
            row.job + QStringList{"/L", "admin@" + (address.isEmpty() ? m_server->address() : address), "/P",
                                  "admin"},
            row.answers, 60000, row.environment, row.prepare, row.home);
        m_entries = m_server->journal().mid(mark);
        m_journal.clear();
        for (const QJsonObject& entry : m_entries)
            m_journal << journalLine(entry);
        return differences(row).left(20000).toLocal8Bit();
    }

    QString differences(const Scenario& row) const
    {
        QStringList found;
        if (m_run.exitCode != row.exitCode)
            found << QStringLiteral("exit code %1, not %2").arg(m_run.exitCode).arg(row.exitCode);
        if (!row.pages.isEmpty() && m_run.pages() != row.pages) {
            QStringList shown;
            for (int page : m_run.pages())
                shown << QString::number(page);
            found << "pages " + shown.join(',');
        }
        qsizetype next = 0;
        for (const QString& call : row.calls) {
            while (next < m_journal.size() && !matches(call, m_journal[next]))
                ++next;
            if (next++ >= m_journal.size()) {
                found << "no journal line " + call + " (in this order)";
                break;
            }
        }
        if (row.onlyCalls && m_journal.size() != row.calls.size())
            found << QStringLiteral("%1 journal lines, not %2").arg(m_journal.size()).arg(row.calls.size());
        for (const QString& name : row.absent)
            for (const QString& line : m_journal)
                if (matches(name, line))
                    found << "reached the server: " + line;
        for (const QString& text : row.err)
            if (!m_run.err.contains(text))
                found << "standard error lacks " + text;
        for (const QString& text : row.out)
            if (!m_run.out.contains(text))
                found << "the report lacks " + text;
        if (found.isEmpty())
            return {};
        return found.join('\n') + "\n--- journal:\n" + m_journal.join('\n') + "\n--- stderr:\n" + m_run.err +
               "--- stdout:\n" + m_run.out;
    }

    std::map<QString, std::unique_ptr<DevServer>> m_shared;
    std::unique_ptr<DevServer> m_fresh;
    DevServer* m_server = nullptr;
    KitbenchRun m_run;
    QList<QJsonObject> m_entries;
    QStringList m_journal;
    QByteArray m_why;
};
