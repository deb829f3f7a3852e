// Server addresses from the login, the web pages a finished job opens, and the versions the wizard accepts.
#include "TempSettings.h"

#include "session/ServerAddress.h"
#include "session/ServerVersion.h"
#include "session/WebLinks.h"
#include "shell/TextCatalogue.h"
#include "shell/WizardState.h"

#include <QTest>

using namespace kitbench;

class TestServerAddress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_temp = std::make_unique<TempSettings>(); }
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

    void webPages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("libraryFolder");
        QTest::addColumn<QString>("redirect");
        const auto row = [](const char* tag, int mode, const QString& redirect, bool libraryFolder = false) {
            QTest::newRow(tag) << mode << libraryFolder << redirect;
        };
        row("list", 5, "Lists/ListView.aspx?ListID=12&Tab=General");
        row("list from Excel", 12, "Lists/ListView.aspx?ListID=12&Tab=General");
        row("imported project", 9, "Projects/ProjectView.aspx?ProjectId=12&Tab=1");
        row("exported project", 10, "Projects/ProjectView.aspx?ProjectId=12&Tab=1");
        row("calendar", 11, "Events/EventView.aspx");
        row("download has none", 7, "");
        row("no job", 0, "");
    }

    void webPages()
    {
        QFETCH(int, mode);
        QFETCH(bool, libraryFolder);
        QFETCH(QString, redirect);
        WizardState state;
        state.RunMode = static_cast<qint16>(mode);
        state.CreatedObjectId = 12;
        state.UploadToLibraryFolder = libraryFolder;
        state.UploadProjectId = 77;
        QCOMPARE(WebRedirect(state), redirect);
        if (mode != 5)
            return;
        // The whole login travels, and the page lies at the root of the host, outside the portal.
        QCOMPARE(BuildWebLoginUrl("jo smith@orv.example.com:8080", "p+w", WebRedirect(state), true),
                 "https://orv.example.com:8080/"
                 "default.aspx?login=jo+smith%40orv%2Eexample%2Ecom%3A8080&password=p%2Bw"
                 "&redirect=Lists%2FListView%2Easpx%3FListID%3D12%26Tab%3DGeneral");
        QVERIFY(
            BuildWebLoginUrl("a@h", "x", QString(), false).startsWith("http://h/default.aspx?login=a%40h&"));
        QCOMPARE(DownloadFolder("/home/jo/Downloads/report 1.pdf"), QStringLiteral("/home/jo/Downloads"));
    }

    void unknownVersionsAreRefused()
    {
        // Blanks around a known version, and a version past the known ones; the rule by known version is
        // tst_connect's. The version is named as the server sent it.
        for (const QString version : {" 4.5", "5.0"}) {
            const auto refusal = versionRefusal(version, 6);
            QVERIFY(refusal && refusal->textId == 5036);
            QCOMPARE(refusal->text, GetLocalizedText(5036) + version + GetLocalizedText(5037));
        }
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_GUILESS_MAIN(TestServerAddress)
#include "tst_serveraddress.moc"
