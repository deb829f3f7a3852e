// The server session: the logins it refuses before connecting, the progress bar, the texts a failed call
// shows; server addresses from the login, the web pages a finished job opens, the versions the wizard
// accepts. Its calls against the real contract are seen end to end (tests/e2e).
#include "TempSettings.h"

#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/SoapClient.h"
#include "platform/soap/SoapConnector.h"
#include "session/ServerAddress.h"
#include "session/ServerVersion.h"
#include "session/SoapOutcome.h"
#include "session/SoapProgressSink.h"
#include "session/SoapSession.h"
#include "session/WebLinks.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kitbench;

namespace {
// The wizard's progress bar as the session sees it, remembering what it was set to.
class ProgressBar : public SoapProgressSink
{
public:
    bool progressVisible() const override { return visible; }
    int progressValue() const override { return value; }
    void setProgressValue(int newValue) override { value = newValue; }
    bool visible = true;
    int value = 0;
};

// One progress report of the connector: the bar before and after, what goes back to the connector.
struct ProgressRow
{
    bool visible;
    int before, step;
    bool cancelRequested; // the window's Cancel was confirmed
    int after;
    bool cancelHanded, errorTextCleared;
};

// An error report of the connector: the text the session keeps for the user.
struct ErrorRow
{
    bool userCancelled; // the window's Cancel was confirmed
    int type, code;
    QString description; // the network library's words
    QString text;
};
} // namespace

class TestSoapSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        ForgetLanguagePack();
        MessageService::instance().clearHistory();
    }

    void cleanup()
    {
        m_settings.reset();
        ForgetLanguagePack();
    }

    void refusedSetUp()
    {
        const QString server = "srv.example:81" + GetLocalizedText(5003);
        const QString login = "jo@srv.example:81";
        // Login, password, secure connection, a proxy given by hand (empty: none), the message shown.
        using Row = std::tuple<QString, QString, bool, QString, QString>;
        for (const auto& [user, password, ssl, proxyServer, shown] : {
                 Row{"", "x", false, "", GetLocalizedText(5001)},    // empty login
                 Row{"   ", "x", false, "", GetLocalizedText(5001)}, // blank login
                 Row{login, " \t ", false, "", GetLocalizedText(5001)},
                 Row{login, "pw", false, "proxy.example:99999",
                     GetLocalizedText(5004) + server}, // port out of range
                 Row{login, "pw", false, "proxy:80a", GetLocalizedText(5004) + server},
                 Row{login, "pw", true, " ",
                     GetLocalizedText(5002) + server}, // no proxy host, secure connection
             }) {
            MessageService::instance().clearHistory();
            SoapSession session;
            SoapLogin values;
            values.login = user;
            values.password = password;
            values.useSsl = ssl;
            values.useProxy = !proxyServer.isEmpty();
            values.proxyFromBrowser = false;
            values.proxyServer = proxyServer.trimmed();
            MessageService::instance().pushAnswer(MessageAnswer::Ok);
            QVERIFY(!session.InitSoapClient(values));
            const QList<Message>& messages = MessageService::instance().history();
            QCOMPARE(std::tuple(messages.size(), messages.value(0).text, bool(session.soapclient())),
                     std::tuple(1, shown, false));
        }
    }

    // A second connect (Back to the login page, another server) forgets the first one's server status
    // and transport error; the login goes out as typed, blanks included.
    void reconnectStartsClean()
    {
        SoapSession session;
        SoapLogin typed;
        typed.login = QStringLiteral(" jo@srv.example:81");
        typed.password = QStringLiteral(" pw ");
        QVERIFY(session.InitSoapClient(typed));
        QCOMPARE(session.soapheader()->UserName, typed.login);
        session.soapheader()->ServerErrorMessage = QStringLiteral("OK");
        session.SoapErrorText = QStringLiteral("old transport error");
        typed.login = typed.password = QStringLiteral("pm@other");
        QVERIFY(session.InitSoapClient(typed));
        QCOMPARE(session.soapheader()->ServerErrorMessage + session.SoapErrorText, QString());
        QCOMPARE(session.soapclient()->description()->location(),
                 QStringLiteral("http://other/portals/other/WebServices/OrvProject.asmx?WSDL"));
    }

    // The service description comes from the language pack. The German pack's matches the contract too
    // (the built-in English one is what every end-to-end run connects with).
    void germanServiceDescription()
    {
        TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("de"));
        QFile file(QStringLiteral(KITBENCH_CONTRACT));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString expected = QString::fromUtf8(file.readAll());
        expected.replace(QRegularExpression(QStringLiteral("(<soap(?:12)?:address location=\")[^\"]*\"")),
                         QStringLiteral("\\1<%=OrvProjectWSDLURL%>\""));
        QCOMPARE(GetLocalizedText(9001) + GetLocalizedText(9002) + GetLocalizedText(9003), expected);
        QCOMPARE(LanguagePackCode(), QStringLiteral("de"));
    }

    void progress()
    {
        for (const ProgressRow& row : {
                 ProgressRow{true, 0, 1, false, 1, false, true},    // the first call, step 1
                 ProgressRow{true, 2, 3, false, 3, false, true},    // step 3 after 2
                 ProgressRow{true, 4, 1, false, 5, false, true},    // a second call starts its own block
                 ProgressRow{true, 7, 2, false, 6, false, true},    // rounded down, then the step
                 ProgressRow{true, 11, 4, false, 12, false, false}, // step 4 completes the block
                 ProgressRow{true, 1, 2, true, 2, true, true},      // a cancel is handed over
                 ProgressRow{true, 3, 4, true, 4, false, false},    // a cancel after the last step: no effect
                 ProgressRow{false, 5, 3, false, 5, false, true},   // a hidden bar is not touched
             }) {
            bool windowFlag = row.cancelRequested;
            SoapSession session(&windowFlag);
            ProgressBar bar;
            bar.visible = row.visible;
            bar.value = row.before;
            session.setProgressSink(&bar);
            session.SoapErrorText = QStringLiteral("stale");
            bool handedCancel = false;
            session.IAsyncSOAPCall_OnProgress(row.step, handedCancel);
            // Only an error report clears the window's flag.
            QCOMPARE(std::tuple(bar.value, handedCancel, session.SoapErrorText.isEmpty(), windowFlag),
                     std::tuple(row.after, row.cancelHanded, row.errorTextCleared, row.cancelRequested));
        }
    }

    void transportErrors()
    {
        const auto t = [](int id) { return GetLocalizedText(id); };
        const int network = SoapConnector::NetworkError;
        for (const ErrorRow& row : {
                 ErrorRow{false, network, 1, "Connection refused", t(9700)},
                 ErrorRow{false, network, 3, "Host x not found", t(9702)},
                 ErrorRow{false, network, 6, "self-signed",
                          t(9704) + " (self-signed)"}, // the library's detail
                 ErrorRow{false, network, 105, "proxy", t(9707)},
                 ErrorRow{false, SoapConnector::HttpError, 503, "x (HTTP status 503)", t(9708) + "503"},
                 ErrorRow{false, network, 302, "Protocol failure",
                          "Protocol failure"}, // unnamed: as it was said
                 // An error after the user's cancel (the cancel itself: tst_login_page).
                 ErrorRow{true, network, 1, "Connection refused", t(5035)},
             }) {
            bool windowFlag = row.userCancelled; // an error report ends the user's cancel
            SoapSession session(&windowFlag);
            session.IAsyncSOAPCall_OnError(row.type, row.code, row.description);
            QCOMPARE(std::tuple(session.SoapErrorText, windowFlag, session.CancelRequested),
                     std::tuple(row.text, false, false));
        }
    }

    // A finished call that fails the standard check: one message, a text of the pack (0: none) and what
    // follows. (A fault, the transport's words, the server's refusal: tst_login_page.)
    void standardCheck()
    {
        using Status = SoapCallResult::Status;
        // Status, the transport's text, the server's header, the text shown and what follows it.
        using Row = std::tuple<Status, QString, QString, int, QString>;
        for (const auto& [status, transportText, serverMessage, textId, after] : {
                 Row{Status::Raised, "Host not found", "", 0, "Host not found"}, // a stored transport text
                 Row{Status::Ok, "", "ok", 5009, "ok"},                          // header in other case
                 Row{Status::Ok, "", "", 5009, ""},                              // no header yet
             }) {
            MessageService::instance().clearHistory();
            SoapCallResult result;
            result.status = status;
            OrvProjectSoapClient header;
            header.ServerErrorMessage = serverMessage;
            QString soapErrorText = transportText;
            MessageService::instance().pushAnswer(MessageAnswer::Ok);
            QVERIFY(!CheckSoapOutcome(result, soapErrorText, &header));
            const QList<Message>& shown = MessageService::instance().history();
            QCOMPARE(std::tuple(shown.size(), shown.value(0).textId, shown.value(0).text),
                     std::tuple(1, textId, (textId ? GetLocalizedText(textId) : QString()) + after));
        }
    }

    void parseLogin()
    {
        using Row = std::tuple<QString, QString, QString>; // login, portal, server
        for (const auto& [login, portal, server] : {
                 Row{"admin", "", ""}, // no @
                 Row{"", "", ""}, Row{"admin@localhost", "localhost", "localhost"},
                 Row{"pm@orvello.example.com:8080", "orvello_example_com", "orvello.example.com:8080"},
                 Row{"a@b@srv.example", "srv_example", "srv.example"},         // two @: the last one counts
                 Row{"admin@", "", ""}, Row{" admin@host ", "host ", "host "}, // blanks are kept
                 Row{"x@h.a:1:2", "h_a", "h.a:1:2"}, // everything after the first colon goes
             }) {
            QCOMPARE(ParseLogin(login), portal);
            QCOMPARE(ParseLoginLeaveDots(login), server);
        }
    }

    void buildPortalUrl()
    {
        using Row = std::tuple<QString, bool, QString>; // login, secure, address
        for (const auto& [login, ssl, url] : {
                 Row{"pm@orvello.example.com:8443", true,
                     "https://orvello.example.com:8443/portals/orvello_example_com/WebServices/"
                     "OrvProject.asmx?WSDL"},
                 Row{"admin", false, "http:///portals//WebServices/OrvProject.asmx?WSDL"}, // no @
             })
            QCOMPARE(BuildPortalUrl(login, "/WebServices/OrvProject.asmx?WSDL", ssl), url);
    }

    void urlEncode()
    {
        using Row = std::pair<QString, QString>; // text, encoded
        for (const auto& [text, encoded] : {
                 Row{"AZaz09", "AZaz09"},
                 Row{"a b", "a+b"},
                 Row{".\t@+-_~", "%2E%09%40%2B%2D%5F%7E"},
                 Row{QString::fromUtf8("\xc3\xa4"), "%E4"},    // Latin-1 letter: one byte
                 Row{QString::fromUtf8("\xd0\x96"), "%D0%96"}, // outside Latin-1: UTF-8 bytes
                 Row{QString::fromUtf8("\xe2\x82\xac"), "%E2%82%AC"},
                 Row{QString::fromUtf8("\xf0\x9f\x98\x80"), "%F0%9F%98%80"}, // surrogate pair
                 Row{"", ""},
             })
            QCOMPARE(URLEncode(text), encoded);
    }

    void webPages()
    {
        using Row = std::pair<int, QString>; // job, the page it opens
        for (const auto& [mode, redirect] : {
                 Row{5, "Lists/ListView.aspx?ListID=12&Tab=General"},
                 Row{12, "Lists/ListView.aspx?ListID=12&Tab=General"},    // list from Excel
                 Row{9, "Projects/ProjectView.aspx?ProjectId=12&Tab=1"},  // imported project
                 Row{10, "Projects/ProjectView.aspx?ProjectId=12&Tab=1"}, // exported project
                 Row{11, "Events/EventView.aspx"}, Row{7, ""},            // a download has none
                 Row{0, ""},                                              // no job
             }) {
            WizardState state;
            state.RunMode = static_cast<qint16>(mode);
            state.CreatedObjectId = 12;
            state.UploadProjectId = 77;
            QCOMPARE(std::pair(mode, WebRedirect(state)), std::pair(mode, redirect));
        }
        // The whole login travels, and the page lies at the root of the host, outside the portal.
        QCOMPARE(BuildWebLoginUrl("jo smith@orv.example.com:8080", "p+w",
                                  "Lists/ListView.aspx?ListID=12&Tab=General", true),
                 "https://orv.example.com:8080/"
                 "default.aspx?login=jo+smith%40orv%2Eexample%2Ecom%3A8080&password=p%2Bw"
                 "&redirect=Lists%2FListView%2Easpx%3FListID%3D12%26Tab%3DGeneral");
        QVERIFY(
            BuildWebLoginUrl("a@h", "x", QString(), false).startsWith("http://h/default.aspx?login=a%40h&"));
        QCOMPARE(DownloadFolder("/home/jo/Downloads/report 1.pdf"), QStringLiteral("/home/jo/Downloads"));
    }

    void versionRefusals()
    {
        // Which jobs each known version refuses, and with which message (0: served); tst_connect shows a
        // refusal and a served job end to end.
        const QList<std::pair<QString, QList<int>>> byVersion{
            {"3.0", {5042, 5042, 5042, 5042, 5042, 0, 0, 5042, 5042, 5042, 5042, 5042}},
            {"3.5", {0, 0, 0, 0, 5065, 0, 0, 0, 0, 0, 5065, 5065}},
            {"4.0", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
            {"4.7", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}};
        for (const auto& [version, expected] : byVersion)
            for (int job = CREATEINCIDENT; job <= IMPORTLIST; ++job) {
                const auto refusal = versionRefusal(version, job);
                QCOMPARE((std::tuple{version, job, refusal ? refusal->textId : 0}),
                         (std::tuple{version, job, expected[job - 1]}));
            }
        // Blanks around a known version, and a version past the known ones: named as the server sent it.
        for (const QString version : {" 4.5", "5.0"}) {
            const auto refusal = versionRefusal(version, 6);
            QVERIFY(refusal && refusal->textId == 5036);
            QCOMPARE(refusal->text, GetLocalizedText(5036) + version + GetLocalizedText(5037));
        }
    }

private:
    std::unique_ptr<TempSettings> m_settings;
};

QTEST_GUILESS_MAIN(TestSoapSession)
#include "tst_soapsession.moc"
