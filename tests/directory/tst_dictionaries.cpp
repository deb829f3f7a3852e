#include "directory/DictionaryAnswer.h"
#include "directory/DictionaryEntries.h"
#include "directory/DirectoryRequests.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

Q_DECLARE_METATYPE(QList<ComboEntry>)

namespace {

// An answer as a 4.7 server sends it for the incident, event, to-do and project jobs at once (the
// server sends only the run mode's sets; the fill must pick its own and ignore the others).
const char* const kAnswer = R"(<?xml version="1.0" encoding="utf-8"?>
<Dictionaries>
  <CurrentUser><IsAdmin>False</IsAdmin><IsPM>True</IsPM><IsPPM>False</IsPPM><IsHDM>0</IsHDM>
    <TimeOffset>-60</TimeOffset></CurrentUser>
  <Priority>
    <Item><Value>Low</Value><Data>1</Data></Item>
    <Item><Value>Normal</Value><Data>2</Data></Item>
    <Item><Value>High</Value><Data>3</Data></Item>
  </Priority>
  <IncidentType><Item><Value>Bug</Value><Data>10</Data></Item><Item><Value>Question</Value><Data>11</Data></Item></IncidentType>
  <Severity><Item><Value>Minor</Value><Data>21</Data></Item><Item><Value>Critical</Value><Data>22</Data></Item></Severity>
  <IncidentBox><Item><Value>Support</Value><Data>5</Data></Item></IncidentBox>
  <IncidentOrganization><Item><Value>Acme Ltd</Value><Data>12</Data></Item></IncidentOrganization>
  <IncidentContact><Item><Value>Jane Roe</Value><Data>12</Data></Item><Item><Value>Tom Poe</Value><Data>40</Data></Item></IncidentContact>
  <CompletionType><Item><Value>Any one</Value><Data>1</Data></Item><Item><Value>All</Value><Data>2</Data></Item></CompletionType>
  <ToDoOrganization><Item><Value>Globex</Value><Data>7</Data></Item></ToDoOrganization>
  <ToDoContact><Item><Value>Ann Lee</Value><Data>8</Data></Item></ToDoContact>
  <EventType><Item><Value>Meeting</Value><Data>31</Data></Item></EventType>
  <Organizers>
    <User><FirstName>Anna</FirstName><LastName>Berg</LastName><UserId>101</UserId></User>
    <User><FirstName>Carl</FirstName><LastName>Dahl</LastName><UserId>102</UserId><IsCurrentUser/></User>
  </Organizers>
  <EventOrganization><Item><Value>Initech</Value><Data>3</Data></Item></EventOrganization>
  <EventContact/>
  <ProjectType><Item><Value>Internal</Value><Data>1</Data></Item><Item><Value>External</Value><Data>2</Data></Item></ProjectType>
  <ProjectOrganization><Item><Value>Acme Ltd</Value><Data>12</Data></Item></ProjectOrganization>
  <ProjectContact><Item><Value>Jane Roe</Value><Data>12</Data></Item></ProjectContact>
  <ProjectClient><Item><Value>Old style client</Value><Data>77</Data></Item></ProjectClient>
  <ProjectStatus><Item><Value>Active</Value><Data>1</Data></Item></ProjectStatus>
  <ProjectCalendar><Item><Value>Standard</Value><Data>1</Data></Item></ProjectCalendar>
  <ProjectManager>
    <User><FirstName>Anna</FirstName><LastName>Berg</LastName><UserId>101</UserId></User>
    <User><FirstName>Carl</FirstName><LastName>Dahl</LastName><UserId>102</UserId><IsCurrentUser/></User>
    <User><FirstName>Eva</FirstName><LastName>Falk</LastName><UserId>103</UserId></User>
  </ProjectManager>
  <ExecutiveManager><User><FirstName>Gus</FirstName><LastName>Holm</LastName><UserId>104</UserId></User></ExecutiveManager>
  <ProjectCurrency><Item><Value>EUR</Value><Data>978</Data></Item></ProjectCurrency>
  <ProjectTemplate><Item><Value>Rollout</Value><Data>9</Data></Item></ProjectTemplate>
  <ProjectPriority><Item><Value>High</Value><Data>3</Data></Item></ProjectPriority>
  <ProjectPortfolio><Item><Value>Growth</Value><Data>51</Data></Item><Item><Value>Upkeep</Value><Data>52</Data></Item></ProjectPortfolio>
  <ProjectPhase><Item><Value>Planning</Value><Data>61</Data></Item></ProjectPhase>
  <ListType><Item><Value>Issues</Value><Data>1</Data></Item></ListType>
  <ListStatus><Item><Value>Open</Value><Data>2</Data></Item></ListStatus>
  <ListTemplate><Item><Value>Contacts</Value><Data>4</Data></Item></ListTemplate>
</Dictionaries>)";

DictionaryAnswer answer(const char* text = kAnswer)
{
    std::optional<DictionaryAnswer> parsed = DictionaryAnswer::parse(QString::fromUtf8(text));
    if (!parsed)
        qFatal("test answer does not parse");
    return *parsed;
}

ComboEntry item(const char* text, qint32 data)
{
    return ComboEntry{QString::fromUtf8(text), 0, data};
}

ComboEntry fixed(int textId, qint32 data)
{
    return ComboEntry{QString(), textId, data};
}

QList<ComboEntry> priorities()
{
    return {item("Low", 1), item("Normal", 2), item("High", 3)};
}

} // namespace

class TestDictionaries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unreadableAnswerIsNoAnswer_data();
    void unreadableAnswerIsNoAnswer();
    void currentUserFlagsAndOffset_data();
    void currentUserFlagsAndOffset();
    void profileOffsetQuestion_data();
    void profileOffsetQuestion();
    void onlyTheRunModesPriorityComboIsFilled_data();
    void onlyTheRunModesPriorityComboIsFilled();
    void incidentFillByVersion_data();
    void incidentFillByVersion();
    void eventFillByVersion_data();
    void eventFillByVersion();
    void toDoClientComboByVersion_data();
    void toDoClientComboByVersion();
    void projectFill();
    void projectEditButtonsFollowTheFlags_data();
    void projectEditButtonsFollowTheFlags();
    void listFill_data();
    void listFill();
    void calendarPeriods();
    void jobsWithoutPickListsFillOnlyPriorities();
    void projectClientReloadByVersion_data();
    void projectClientReloadByVersion();
    void itemsWithoutNumericDataAreLeftOut();
    void dictionaryRequestCodes_data();
    void dictionaryRequestCodes();
};

void TestDictionaries::unreadableAnswerIsNoAnswer_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("not xml") << "Server error";
    QTest::newRow("unclosed") << "<Dictionaries><Priority>";
}

void TestDictionaries::unreadableAnswerIsNoAnswer()
{
    QFETCH(QString, text);
    QVERIFY(!DictionaryAnswer::parse(text).has_value());
}

void TestDictionaries::currentUserFlagsAndOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QList<bool>>("flags"); // admin, pm, ppm, hdm
    QTest::addColumn<int>("offset");        // -9999: none
    QTest::newRow("words and numbers")
        << "<Dictionaries><CurrentUser><IsAdmin>True</IsAdmin><IsPM>false</IsPM><IsPPM>1</IsPPM>"
           "<IsHDM>0</IsHDM><TimeOffset>300</TimeOffset></CurrentUser></Dictionaries>"
        << true << QList<bool>{true, false, true, false} << 300;
    QTest::newRow("no time offset")
        << "<Dictionaries><CurrentUser><IsHDM>True</IsHDM></CurrentUser></Dictionaries>" << true
        << QList<bool>{false, false, false, true} << -9999;
    QTest::newRow("no current user") << "<Dictionaries><Priority/></Dictionaries>" << false
                                     << QList<bool>{false, false, false, false} << -9999;
    QTest::newRow("negative offset east of Greenwich")
        << "<Dictionaries><CurrentUser><TimeOffset>-330</TimeOffset></CurrentUser></Dictionaries>" << true
        << QList<bool>{false, false, false, false} << -330;
}

void TestDictionaries::currentUserFlagsAndOffset()
{
    QFETCH(QString, text);
    QFETCH(bool, present);
    QFETCH(QList<bool>, flags);
    QFETCH(int, offset);
    const std::optional<DictionaryAnswer> parsed = DictionaryAnswer::parse(text);
    QVERIFY(parsed);
    const CurrentUserInfo user = parsed->currentUser();
    QCOMPARE(user.present, present);
    QCOMPARE((QList<bool>{user.isAdmin, user.isPM, user.isPPM, user.isHDM}), flags);
    QCOMPARE(user.timeOffset.has_value(), offset != -9999);
    if (user.timeOffset)
        QCOMPARE(int(*user.timeOffset), offset);
}

void TestDictionaries::profileOffsetQuestion_data()
{
    QTest::addColumn<int>("timeOffset"); // -9999: no element
    QTest::addColumn<int>("localBias");
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("ask");
    QTest::newRow("no offset element: local, no question") << -9999 << -60 << -60 << false;
    QTest::newRow("same offset: no question") << -60 << -60 << -60 << false;
    QTest::newRow("different: ask, profile's offset first") << 0 << -60 << 0 << true;
    QTest::newRow("west of Greenwich") << 300 << -120 << 300 << true;
}

void TestDictionaries::profileOffsetQuestion()
{
    QFETCH(int, timeOffset);
    QFETCH(int, localBias);
    QFETCH(int, profile);
    QFETCH(bool, ask);
    CurrentUserInfo user;
    user.present = true;
    if (timeOffset != -9999)
        user.timeOffset = qint16(timeOffset);
    const ProfileOffsetChoice choice = profileOffsetFor(user, qint16(localBias));
    QCOMPARE(int(choice.profileTimeOffset), profile);
    QCOMPARE(choice.askUser, ask);
}

void TestDictionaries::onlyTheRunModesPriorityComboIsFilled_data()
{
    QTest::addColumn<int>("runMode");
    QTest::addColumn<QString>("filledCombo");
    QTest::newRow("incident") << int(CREATEINCIDENT) << "IncidentPriorityCombo";
    QTest::newRow("task") << int(CREATETASK) << "TaskPriorityCombo";
    QTest::newRow("event") << int(CREATEEVENT) << "EventPriorityCombo";
    QTest::newRow("to-do") << int(CREATETODO) << "ToDoPriorityCombo";
    QTest::newRow("project clears all four") << int(CREATEPROJECT) << "";
}

void TestDictionaries::onlyTheRunModesPriorityComboIsFilled()
{
    QFETCH(int, runMode);
    QFETCH(QString, filledCombo);
    const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), runMode, QStringLiteral("4.7"));
    for (const char* name :
         {"IncidentPriorityCombo", "TaskPriorityCombo", "EventPriorityCombo", "ToDoPriorityCombo"}) {
        const QString combo = QString::fromLatin1(name);
        QVERIFY2(fill.combos.contains(combo), name);
        QCOMPARE(fill.combos[combo].entries, combo == filledCombo ? priorities() : QList<ComboEntry>());
    }
}

void TestDictionaries::incidentFillByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<ComboEntry>>("clients");
    QTest::addColumn<QList<ComboEntry>>("boxes");
    const QList<ComboEntry> clients{item("Acme Ltd", -12), item("Jane Roe", 12), item("Tom Poe", 40)};
    const QList<ComboEntry> boxes{fixed(2110, -1), item("Support", 5)};
    for (const char* version : {"3.0", "3.5", "4.0", "4.1"})
        QTest::newRow(version) << QString::fromLatin1(version) << QList<ComboEntry>() << QList<ComboEntry>();
    QTest::newRow("4.5") << "4.5" << clients << boxes;
    QTest::newRow("4.7") << "4.7" << clients << boxes;
}

void TestDictionaries::incidentFillByVersion()
{
    QFETCH(QString, version);
    QFETCH(QList<ComboEntry>, clients);
    QFETCH(QList<ComboEntry>, boxes);
    const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), CREATEINCIDENT, version);
    QCOMPARE(fill.combos.value(QStringLiteral("IncidentTypeCombo")).entries,
             (QList<ComboEntry>{item("Bug", 10), item("Question", 11)}));
    QCOMPARE(fill.combos.value(QStringLiteral("IncidentSeverityCombo")).entries,
             (QList<ComboEntry>{item("Minor", 21), item("Critical", 22)}));
    // Client and box combos are cleared on every version, filled on 4.5 and 4.7 only.
    QVERIFY(fill.combos.contains(QStringLiteral("IncidentClientCombo")));
    QCOMPARE(fill.combos.value(QStringLiteral("IncidentClientCombo")).entries, clients);
    QCOMPARE(fill.combos.value(QStringLiteral("IncidentBoxCombo")).entries, boxes);
    // IsPM alone lets the user edit incident categories.
    QCOMPARE(fill.visible.value(QStringLiteral("CommandIssueCategory")), true);
    QCOMPARE(fill.canEditCategories, std::optional<bool>(true));
    QVERIFY(!fill.combos.contains(QStringLiteral("ProjectTypeCombo")));
}

void TestDictionaries::eventFillByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<ComboEntry>>("clients");
    QTest::newRow("4.1") << "4.1" << QList<ComboEntry>();
    QTest::newRow("4.5") << "4.5" << QList<ComboEntry>{item("Initech", -3)};
}

void TestDictionaries::eventFillByVersion()
{
    QFETCH(QString, version);
    QFETCH(QList<ComboEntry>, clients);
    const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), CREATEEVENT, version);
    QCOMPARE(fill.combos.value(QStringLiteral("EventTypeCombo")).entries,
             QList<ComboEntry>{item("Meeting", 31)});
    QCOMPARE(fill.combos.value(QStringLiteral("EventManagerCombo")).entries,
             (QList<ComboEntry>{item("Anna Berg", 101), item("Carl Dahl", 102)}));
    QCOMPARE(fill.combos.value(QStringLiteral("EventClientCombo")).entries, clients);
    QVERIFY(fill.combos.contains(QStringLiteral("EventClientCombo")));
    const QList<ComboEntry> reminders = fill.combos.value(QStringLiteral("EventReminderCombo")).entries;
    QCOMPARE(reminders, (QList<ComboEntry>{fixed(2312, -1), fixed(2313, 60), fixed(2314, 240),
                                           fixed(2315, 1440), fixed(2316, 2880), fixed(2317, 4320),
                                           fixed(2318, 10080), fixed(2319, 20160)}));
    QVERIFY(!fill.canEditCategories.has_value());
}

void TestDictionaries::toDoClientComboByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("shown");
    for (const char* version : {"3.0", "3.5", "4.0", "4.1"})
        QTest::newRow(version) << QString::fromLatin1(version) << false;
    QTest::newRow("4.5") << "4.5" << true;
    QTest::newRow("4.7") << "4.7" << true;
}

void TestDictionaries::toDoClientComboByVersion()
{
    QFETCH(QString, version);
    QFETCH(bool, shown);
    const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), CREATETODO, version);
    QCOMPARE(fill.visible.value(QStringLiteral("ToDoClientCombo"), !shown), shown);
    // Hidden on old servers and not touched; shown, cleared and filled by the sign rule on new ones.
    QCOMPARE(fill.combos.contains(QStringLiteral("ToDoClientCombo")), shown);
    if (shown)
        QCOMPARE(fill.combos.value(QStringLiteral("ToDoClientCombo")).entries,
                 (QList<ComboEntry>{item("Globex", -7), item("Ann Lee", 8)}));
    QCOMPARE(fill.combos.value(QStringLiteral("ToDoCompetionTypeCombo")).entries,
             (QList<ComboEntry>{item("Any one", 1), item("All", 2)}));
}

void TestDictionaries::projectFill()
{
    for (int runMode : {int(CREATEPROJECT), int(IMPORTPROJECT)}) {
        const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), runMode, QStringLiteral("4.7"));
        const ComboEntry none = fixed(5038, 0);
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectTypeCombo")).entries,
                 (QList<ComboEntry>{item("Internal", 1), item("External", 2)}));
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectClientCombo")).entries,
                 (QList<ComboEntry>{none, item("Acme Ltd", -12), item("Jane Roe", 12)}));
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectStatusCombo")).entries,
                 QList<ComboEntry>{item("Active", 1)});
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectCalendarCombo")).entries,
                 QList<ComboEntry>{item("Standard", 1)});
        const ComboFill managers = fill.combos.value(QStringLiteral("ProjectManagerCombo"));
        QCOMPARE(managers.entries,
                 (QList<ComboEntry>{item("Anna Berg", 101), item("Carl Dahl", 102), item("Eva Falk", 103)}));
        QCOMPARE(managers.selectedIndex, 1); // the current user
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectExecutiveCombo")).entries,
                 (QList<ComboEntry>{none, item("Gus Holm", 104)}));
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectCurrencyCombo")).entries,
                 QList<ComboEntry>{item("EUR", 978)});
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectTemplateCombo")).entries,
                 (QList<ComboEntry>{none, item("Rollout", 9)}));
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectPriorityCombo")).entries,
                 QList<ComboEntry>{item("High", 3)});
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectPhaseCombo")).entries,
                 QList<ComboEntry>{item("Planning", 61)});
        QCOMPARE(fill.listViews.value(QStringLiteral("ProjectPortfolioListView")),
                 (QList<ListRow>{{1, "C51", "Growth"}, {2, "C52", "Upkeep"}}));
        QCOMPARE(fill.combos.value(QStringLiteral("ProjectTypeCombo")).selectedIndex, -1);
    }
}

void TestDictionaries::projectEditButtonsFollowTheFlags_data()
{
    QTest::addColumn<QString>("currentUser");
    QTest::addColumn<bool>("canEdit");
    QTest::newRow("admin") << "<CurrentUser><IsAdmin>True</IsAdmin></CurrentUser>" << true;
    QTest::newRow("portfolio manager") << "<CurrentUser><IsPPM>True</IsPPM></CurrentUser>" << true;
    QTest::newRow("project manager") << "<CurrentUser><IsPM>True</IsPM></CurrentUser>" << true;
    QTest::newRow("help desk manager only") << "<CurrentUser><IsHDM>True</IsHDM></CurrentUser>" << false;
    QTest::newRow("no current user") << "" << false;
}

void TestDictionaries::projectEditButtonsFollowTheFlags()
{
    QFETCH(QString, currentUser);
    QFETCH(bool, canEdit);
    const std::optional<DictionaryAnswer> parsed = DictionaryAnswer::parse(
        QStringLiteral("<Dictionaries>") + currentUser + QStringLiteral("</Dictionaries>"));
    QVERIFY(parsed);
    const DictionaryFill fill = dictionaryEntriesForRunMode(*parsed, CREATEPROJECT, QStringLiteral("4.5"));
    QCOMPARE(fill.visible.value(QStringLiteral("CommandAddClient")), canEdit);
    QCOMPARE(fill.visible.value(QStringLiteral("CommandAddProjectCategory")), canEdit);
    QCOMPARE(fill.canEditCategories, std::optional<bool>(canEdit));
    // Missing dictionaries give only the fixed entries.
    QCOMPARE(fill.combos.value(QStringLiteral("ProjectClientCombo")).entries,
             QList<ComboEntry>{fixed(5038, 0)});
    QCOMPARE(fill.combos.value(QStringLiteral("ProjectManagerCombo")).entries, QList<ComboEntry>());
    QCOMPARE(fill.combos.value(QStringLiteral("ProjectManagerCombo")).selectedIndex, -1);

    const DictionaryFill incident =
        dictionaryEntriesForRunMode(*parsed, CREATEINCIDENT, QStringLiteral("4.5"));
    QCOMPARE(incident.visible.value(QStringLiteral("CommandIssueCategory")),
             canEdit || currentUser.contains(QLatin1String("IsHDM")));
}

void TestDictionaries::listFill_data()
{
    QTest::addColumn<int>("runMode");
    QTest::addColumn<QList<ComboEntry>>("templates");
    QTest::newRow("create list") << int(CREATELIST) << QList<ComboEntry>{fixed(3101, 0), item("Contacts", 4)};
    QTest::newRow("list from a sheet: no templates") << int(IMPORTLIST) << QList<ComboEntry>{fixed(3101, 0)};
}

void TestDictionaries::listFill()
{
    QFETCH(int, runMode);
    QFETCH(QList<ComboEntry>, templates);
    const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), runMode, QStringLiteral("4.1"));
    QCOMPARE(fill.combos.value(QStringLiteral("ListTypeCombo")).entries,
             QList<ComboEntry>{item("Issues", 1)});
    QCOMPARE(fill.combos.value(QStringLiteral("ListStatusCombo")).entries,
             QList<ComboEntry>{item("Open", 2)});
    QCOMPARE(fill.combos.value(QStringLiteral("ListTemplateCombo")).entries, templates);
    QVERIFY(fill.listViews.contains(QStringLiteral("ListCategoriesListView")));
    QVERIFY(fill.listViews.value(QStringLiteral("ListCategoriesListView")).isEmpty());
}

void TestDictionaries::calendarPeriods()
{
    const DictionaryFill fill =
        dictionaryEntriesForRunMode(answer(), EXPORTCALENDAR, QStringLiteral("4.7"), 3);
    const ComboFill periods = fill.combos.value(QStringLiteral("ExportCalendarTimeFilterCombo"));
    QCOMPARE(periods.entries.size(), 9);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(periods.entries[i].textId, 2910 + i);
    QCOMPARE(periods.selectedIndex, 3);
}

void TestDictionaries::jobsWithoutPickListsFillOnlyPriorities()
{
    for (int runMode : {int(UPLOAD), int(DOWNLOAD), int(EXPORTPROJECT)}) {
        const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), runMode, QStringLiteral("4.7"));
        QCOMPARE(fill.combos.keys(), (QList<QString>{"EventPriorityCombo", "IncidentPriorityCombo",
                                                     "TaskPriorityCombo", "ToDoPriorityCombo"}));
        for (const ComboFill& combo : fill.combos)
            QVERIFY(combo.entries.isEmpty());
        QVERIFY(fill.listViews.isEmpty());
        QVERIFY(fill.visible.isEmpty());
    }
}

void TestDictionaries::projectClientReloadByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<ComboEntry>>("entries");
    const QList<ComboEntry> old{fixed(5038, 0), item("Old style client", 77)};
    const QList<ComboEntry> signedClients{fixed(5038, 0), item("Acme Ltd", -12), item("Jane Roe", 12)};
    for (const char* version : {"3.0", "3.5", "4.0", "4.1"})
        QTest::newRow(version) << QString::fromLatin1(version) << old;
    QTest::newRow("4.5") << "4.5" << signedClients;
    QTest::newRow("4.7") << "4.7" << signedClients;
}

void TestDictionaries::projectClientReloadByVersion()
{
    QFETCH(QString, version);
    QFETCH(QList<ComboEntry>, entries);
    const ComboFill fill = projectClientEntriesAfterEdit(answer(), version);
    QCOMPARE(fill.entries, entries);
    QCOMPARE(fill.selectedIndex, 0);
}

void TestDictionaries::itemsWithoutNumericDataAreLeftOut()
{
    const DictionaryAnswer parsed = answer(
        "<Dictionaries><Priority><Item><Value>A</Value><Data>1</Data></Item><Item><Value>B</Value></Item>"
        "<Item><Value>C</Value><Data>x</Data></Item><Item><Data> 4 </Data></Item></Priority></Dictionaries>");
    QCOMPARE(parsed.items(QStringLiteral("Priority")),
             (QList<DictionaryItem>{{QStringLiteral("A"), 1}, {QString(), 4}}));
    QCOMPARE(parsed.items(QStringLiteral("Severity")), QList<DictionaryItem>());
}

void TestDictionaries::dictionaryRequestCodes_data()
{
    QTest::addColumn<int>("runMode");
    QTest::addColumn<bool>("importNewProject");
    QTest::addColumn<int>("code"); // -99: no request
    QTest::newRow("incident") << int(CREATEINCIDENT) << false << 7;
    QTest::newRow("task") << int(CREATETASK) << false << 5;
    QTest::newRow("event") << int(CREATEEVENT) << false << 4;
    QTest::newRow("to-do") << int(CREATETODO) << false << 6;
    QTest::newRow("list") << int(CREATELIST) << false << 15;
    QTest::newRow("list from sheet") << int(IMPORTLIST) << false << 15;
    QTest::newRow("project") << int(CREATEPROJECT) << false << 3;
    QTest::newRow("import into new project") << int(IMPORTPROJECT) << true << 3;
    QTest::newRow("import into existing project") << int(IMPORTPROJECT) << false << -99;
    QTest::newRow("calendar") << int(EXPORTCALENDAR) << false << -1;
    QTest::newRow("upload") << int(UPLOAD) << false << 0;
    QTest::newRow("export project") << int(EXPORTPROJECT) << false << 0;
}

void TestDictionaries::dictionaryRequestCodes()
{
    QFETCH(int, runMode);
    QFETCH(bool, importNewProject);
    QFETCH(int, code);
    const std::optional<ServerCall> call =
        loadDictionariesCall(QStringLiteral("en"), runMode, importNewProject);
    QCOMPARE(call.has_value(), code != -99);
    if (!call)
        return;
    QCOMPARE(call->method, QStringLiteral("LoadDictionaries"));
    QCOMPARE(call->arguments.size(), 2);
    QCOMPARE(call->arguments[0], QVariant(QStringLiteral("en")));
    QCOMPARE(call->arguments[1].metaType(), QMetaType::fromType<qint16>());
    QCOMPARE(call->arguments[1].value<qint16>(), qint16(code));
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
