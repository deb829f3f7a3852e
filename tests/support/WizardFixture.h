#pragma once

// The wizard in-process for GUI tests: fresh settings and language per test, message boxes answered and
// recorded, a browser that records addresses, a live server optionally. Tests call init() and cleanup().

#include "DevServer.h"
#include "TempSettings.h"

#include "app/ServerJobs.h"
#include "platform/DesktopShell.h"
#include "platform/Message.h"
#include "shell/CommandLine.h"
#include "shell/Controls.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardPage.h"
#include "shell/frmWizard.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class WizardFixture
{
    // A desktop whose browser only remembers the addresses it was asked to open.
    struct UrlRecorder : kitbench::DesktopShell
    {
        explicit UrlRecorder(QList<QUrl>& into) : urls(into) {}
        bool openUrl(const QUrl& url) override { return urls.append(url), true; }
        QList<QUrl>& urls;
    };

public:
    // The demo profiles' zone: no time-zone question comes, and the pages show the times they send.
    WizardFixture() { qputenv("TZ", "UTC"); }

    std::unique_ptr<DevServer> server;
    std::unique_ptr<kitbench::frmWizard> wizard;
    QList<kitbench::Message> shown;             // every message box, in order
    QMap<int, kitbench::MessageAnswer> answers; // by text id; others: Yes to questions, else OK
    QList<QUrl> urls;                           // addresses handed to the browser
    QString user = QStringLiteral("admin"), password = QStringLiteral("admin");
    bool visible = true; // start() shows the window

    void init()
    {
        m_temp = std::make_unique<TempSettings>();
        kitbench::ForgetLanguagePack();
        kitbench::MessageService::instance().clearHistory();
        shown.clear();
        answers.clear();
        urls.clear();
        user = password = QStringLiteral("admin");
        visible = true;
    }

    // `keepServer`: a server started in initTestCase serves every test of the object.
    void cleanup(bool keepServer = false)
    {
        wizard.reset();
        if (!keepServer)
            server.reset();
        auto& messages = kitbench::MessageService::instance();
        messages.setPresenter({});
        messages.setFilePresenter({});
        messages.clearHistory();
        kitbench::ForgetLanguagePack();
        m_temp.reset();
    }

    // A demo server of `version` ("" for the server's default) with extra arguments; false when it did
    // not come up (the reason is logged).
    bool serve(const QString& version = {}, const QStringList& extra = {})
    {
        QStringList arguments{"--seed", "demo"};
        if (!version.isEmpty())
            arguments << "--server-version" << version;
        server = std::make_unique<DevServer>(arguments + extra);
        if (server->address().isEmpty())
            qWarning("devserver: %s", qPrintable(server->errorOutput()));
        return !server->address().isEmpty();
    }

    using HookMaker = std::function<std::unique_ptr<kitbench::JobHooks>(kitbench::frmWizard&)>;

    // The window with `commandLine` loaded; the hooks default to the real server jobs.
    kitbench::frmWizard& load(const QString& commandLine, const HookMaker& hooks = {})
    {
        wizard = std::make_unique<kitbench::frmWizard>();
        wizard->setJobHooks(hooks ? hooks(*wizard) : std::make_unique<kitbench::ServerJobs>(*wizard));
        wizard->setDesktopShell(std::make_unique<UrlRecorder>(urls));
        wizard->Form_Load(kitbench::parseCommandLine(commandLine));
        kitbench::MessageService::instance().setPresenter([this](const kitbench::Message& message) {
            shown.append(message);
            return answers.value(message.textId, message.needsAnswer() ? kitbench::MessageAnswer::Yes
                                                                       : kitbench::MessageAnswer::Ok);
        });
        return *wizard;
    }

    // `job` (keyword and arguments) for user@server, shown on the connection page, then Next: connects.
    kitbench::frmWizard& start(const QString& job, const HookMaker& hooks = {})
    {
        load(job + " /L " + user + "@" + (server ? server->address() : QStringLiteral("127.0.0.1:9")) +
                 " /P " + password,
             hooks);
        wizard->setVisible(visible);
        wizard->ShowStep(1, kitbench::NavNext);
        next();
        return *wizard;
    }

    void next() { wizard->cmdNav_Click(3); }
    int step() const { return wizard->state().CurrentStep; }
    QPushButton* nav(int index) const { return wizard->cmdNav[static_cast<std::size_t>(index)]; }
    template <typename W> W* control(const QString& name) const { return wizard->findChild<W*>(name); }
    bool waitForStep(int page, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return step() == page && !wizard->state().IsBusy; }, timeoutMs);
    }

    QList<int> shownIds() const
    {
        QList<int> ids;
        for (const kitbench::Message& message : shown)
            ids.append(message.textId);
        return ids;
    }
    QString firstShown() const { return shown.isEmpty() ? QString() : shown.first().text; }

    // Exactly one message came: the text of `textId` (0: the transport's own words), ending in `detail`.
    void expectMessage(int textId, const QString& detail = {}) const
    {
        QCOMPARE(shownIds(), QList<int>{textId});
        QVERIFY2(!firstShown().trimmed().isEmpty(), "a message says something");
        QVERIFY2(firstShown().startsWith(textId ? kitbench::GetLocalizedText(textId) : QString()) &&
                     firstShown().endsWith(detail),
                 qPrintable(firstShown()));
    }

    // Waiting for nothing on `page`: the page, Back and Next usable, no progress shown.
    void expectUnlocked(int page) const
    {
        QCOMPARE(step(), page);
        QVERIFY(!wizard->state().IsBusy && wizard->page(page)->isEnabled());
        QVERIFY(nav(2)->isEnabled() && nav(3)->isEnabled());
        QVERIFY(!wizard->progressBar()->isVisible());
    }

    // "text=data" for every entry of `combo`.
    static QStringList entries(const QComboBox* combo)
    {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i) + "=" + combo->itemData(i).toString();
        return texts;
    }

    // The rows of a data-driven test as brace-initialised structs, each with a `tag`: the test reads
    // its row as `rows[QFETCH'd "row"]`.
    template <typename Row, std::size_t N> static void addRows(const Row (&rows)[N])
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < N; ++i)
            QTest::newRow(rows[i].tag) << int(i);
    }

    static QStringList without(QStringList list, const QStringList& removed)
    {
        list.removeIf([&](const QString& key) { return removed.contains(key); });
        return list;
    }

    // Runs `drive` on the modal dialog of type D that `open` brings up; false when none came or a check
    // in `drive` failed. A failed check returns from `drive` with the dialog still open, and `open`
    // would wait in its event loop until the test times out: whatever is left open is cancelled.
    template <typename D>
    static bool onDialog(const std::function<void()>& open, const std::function<void(D*)>& drive)
    {
        bool driven = false;
        QObject scope; // no dialog came: the timer dies with this call
        QTimer::singleShot(0, &scope, [&] {
            if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
                driven = true;
                drive(dialog);
                if (dialog->isVisible())
                    dialog->QDialog::reject(); // closes even while the dialog is busy
            }
        });
        open();
        return driven && !QTest::currentTestFailed();
    }

    // The SOAP calls `act` made the server answer, each as "Method [args as compact JSON]".
    QStringList callsDuring(const std::function<void()>& act) const
    {
        const qsizetype mark = server->journalSize();
        act();
        QStringList calls;
        for (const QJsonObject& entry : server->journal().mid(mark))
            if (entry.contains("method"))
                calls << entry.value("method").toString() + ' ' + compactJson(entry.value("args"));
        return calls;
    }

    // The journal's SOAP calls carry no warnings and were all made as `as`.
    bool cleanJournal(const QString& as = QStringLiteral("admin")) const
    {
        for (const QJsonObject& entry : server->journal()) {
            if (entry.contains("method") &&
                (entry.contains("warnings") || entry.value("user").toString() != as)) {
                qWarning("%s", QJsonDocument(entry).toJson(QJsonDocument::Compact).constData());
                return false;
            }
        }
        return true;
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};
