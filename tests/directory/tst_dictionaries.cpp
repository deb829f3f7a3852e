#include "directory/DictionaryAnswer.h"
#include "directory/DictionaryEntries.h"
#include "directory/DirectoryRequests.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

// The sets of several jobs in one answer (a server sends only the run mode's sets; each fill picks
// its own), as a 4.7 server writes them.
const char* const kAnswer = R"(<?xml version="1.0" encoding="utf-8"?>
<Dictionaries>
  <CurrentUser><IsAdmin>False</IsAdmin><IsPM>True</IsPM><IsPPM>False</IsPPM><IsHDM>0</IsHDM>
    <TimeOffset>-60</TimeOffset></CurrentUser>
  <IncidentBox><Item><Value>Support</Value><Data>5</Data></Item></IncidentBox>
  <IncidentOrganization><Item><Value>Acme Ltd</Value><Data>12</Data></Item></IncidentOrganization>
  <IncidentContact><Item><Value>Jane Roe</Value><Data>12</Data></Item><Item><Value>Tom Poe</Value><Data>40</Data></Item></IncidentContact>
  <ToDoOrganization><Item><Value>Globex</Value><Data>7</Data></Item></ToDoOrganization>
  <ToDoContact><Item><Value>Ann Lee</Value><Data>8</Data></Item></ToDoContact>
  <EventOrganization><Item><Value>Initech</Value><Data>3</Data></Item></EventOrganization>
  <EventContact/>
  <ProjectType><Item><Value>Internal</Value><Data>1</Data></Item><Item><Value>External</Value><Data>2</Data></Item></ProjectType>
  <ProjectOrganization><Item><Value>Acme Ltd</Value><Data>12</Data></Item></ProjectOrganization>
  <ProjectContact><Item><Value>Jane Roe</Value><Data>12</Data></Item></ProjectContact>
  <ProjectClient><Item><Value>Old style client</Value><Data>77</Data></Item></ProjectClient>
  <ProjectManager><User><FirstName>Anna</FirstName><LastName>Berg</LastName><UserId>101</UserId></User>
    <User><FirstName>Carl</FirstName><LastName>Dahl</LastName><UserId>102</UserId><IsCurrentUser/></User>
    <User><FirstName>Eva</FirstName><LastName>Falk</LastName><UserId>103</UserId></User></ProjectManager>
  <ListTemplate><Item><Value>Contacts</Value><Data>4</Data></Item></ListTemplate>
</Dictionaries>)";

DictionaryAnswer answer(const QString& text = QString::fromUtf8(kAnswer))
{
    return DictionaryAnswer::parse(text).value(); // throws when the answer does not parse
}

ComboEntry item(const char* text, qint32 data)
{
    return ComboEntry{QString::fromUtf8(text), 0, data};
}

ComboEntry fixed(int textId, qint32 data)
{
    return ComboEntry{QString(), textId, data};
}

} // namespace

class TestDictionaries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentUserFlagsAndOffset()
    {
        const auto current = [](const QString& elements) {
            return "<CurrentUser>" + elements + "</CurrentUser>";
        };
        const QString words = "<IsAdmin>True</IsAdmin><IsPM>false</IsPM><IsPPM>1</IsPPM><IsHDM>0</IsHDM>";
        using Row = std::tuple<QString, bool, QList<bool>, int>; // user, present, admin/pm/ppm/hdm, offset
        for (const auto& [text, present, flags, offset] : {
                 Row{current(words + "<TimeOffset>300</TimeOffset>"), true, {true, false, true, false}, 300},
                 Row{current("<IsHDM>True</IsHDM>"), true, {false, false, false, true}, -9999},
                 Row{"<Priority/>", false, {false, false, false, false}, -9999}, // no current user
                 // A negative offset lies east of Greenwich.
                 Row{current("<TimeOffset>-330</TimeOffset>"), true, {false, false, false, false}, -330},
             }) {
            const CurrentUserInfo user = answer("<Dictionaries>" + text + "</Dictionaries>").currentUser();
            QCOMPARE(user.present, present);
            QCOMPARE((QList<bool>{user.isAdmin, user.isPM, user.isPPM, user.isHDM}), flags);
            QCOMPARE(user.timeOffset.value_or(-9999), offset); // -9999: none
        }
    }

    // Releases before 4.5 know no clients: the item pages' client combos stay empty (the to-do's is hidden
    // and left alone) even when the answer carries clients, and the project page reloads the old-style
    // list. From 4.5 on, the runs against a live server pick clients and boxes on every page.
    void noClientsBefore45()
    {
        for (const char* version : {"3.0", "3.5", "4.0", "4.1"}) {
            const auto fill = [version](int runMode) {
                return dictionaryEntriesForRunMode(answer(), runMode, version);
            };
            QVERIFY(fill(CREATEINCIDENT).combos.value("IncidentClientCombo").entries.isEmpty());
            QVERIFY(fill(CREATEINCIDENT).combos.value("IncidentBoxCombo").entries.isEmpty());
            QVERIFY(fill(CREATEEVENT).combos.value("EventClientCombo").entries.isEmpty());
            QVERIFY(!fill(CREATETODO).visible.value("ToDoClientCombo", true));
            QVERIFY(!fill(CREATETODO).combos.contains("ToDoClientCombo"));
            const ComboFill reload = projectClientEntriesAfterEdit(answer(), version);
            QCOMPARE(reload.entries, (QList<ComboEntry>{fixed(5038, 0), item("Old style client", 77)}));
            QCOMPARE(reload.selectedIndex, 0);
        }
        QVERIFY(dictionaryEntriesForRunMode(answer(), CREATETODO, "4.5").visible.value("ToDoClientCombo"));
    }

    // What a new project page preselects (its templates and portfolios are picked in the live runs).
    void projectPageEntries()
    {
        for (int runMode : {int(CREATEPROJECT), int(IMPORTPROJECT)}) {
            const DictionaryFill fill = dictionaryEntriesForRunMode(answer(), runMode, "4.7");
            QCOMPARE(fill.combos.value("ProjectManagerCombo").selectedIndex, 1); // the current user
            QCOMPARE(fill.combos.value("ProjectTypeCombo").selectedIndex, -1);
        }
    }

    void editButtonsFollowTheFlags()
    {
        // The one flag of the current user set to True: edit buttons of the project page, incident
        // categories.
        using Row = std::tuple<QString, bool, bool>;
        for (const auto& [flag, canEdit, incidentCategories] : {
                 Row{"IsAdmin", true, true}, Row{"IsPPM", true, true}, // portfolio manager
                 Row{"IsPM", true, true}, Row{"IsHDM", false, true},   // help desk manager only
                 Row{"", false, false},                                // no current user
             }) {
            const QString user =
                flag.isEmpty() ? "" : QString("<CurrentUser><%1>True</%1></CurrentUser>").arg(flag);
            const DictionaryAnswer parsed = answer("<Dictionaries>" + user + "</Dictionaries>");
            const DictionaryFill fill = dictionaryEntriesForRunMode(parsed, CREATEPROJECT, "4.5");
            QCOMPARE(fill.visible.value("CommandAddClient"), canEdit);
            QCOMPARE(fill.visible.value("CommandAddProjectCategory"), canEdit);
            QCOMPARE(fill.canEditCategories, std::optional<bool>(canEdit));
            // Missing dictionaries give only the fixed entries.
            QCOMPARE(fill.combos.value("ProjectClientCombo").entries, QList<ComboEntry>{fixed(5038, 0)});
            QCOMPARE(fill.combos.value("ProjectManagerCombo").selectedIndex, -1);
            const DictionaryFill incident = dictionaryEntriesForRunMode(parsed, CREATEINCIDENT, "4.5");
            QCOMPARE(incident.visible.value("CommandIssueCategory"), incidentCategories);
            QCOMPARE(incident.canEditCategories, std::optional<bool>(incidentCategories));
        }
    }

    void listTemplates()
    {
        const auto templates = [](int runMode) {
            return dictionaryEntriesForRunMode(answer(), runMode, "4.1").combos["ListTemplateCombo"].entries;
        };
        QCOMPARE(templates(CREATELIST), (QList<ComboEntry>{fixed(3101, 0), item("Contacts", 4)}));
        QCOMPARE(templates(IMPORTLIST), QList<ComboEntry>{fixed(3101, 0)}); // a sheet brings its own columns
    }

    void itemsWithoutNumericDataAreLeftOut()
    {
        const DictionaryAnswer parsed = answer(
            "<Dictionaries><Priority><Item><Value>A</Value><Data>1</Data></Item><Item><Value>B</Value></Item>"
            "<Item><Value>C</Value><Data>x</Data></Item><Item><Data> 4 "
            "</Data></Item></Priority></Dictionaries>");
        QCOMPARE(parsed.items("Priority"), (QList<DictionaryItem>{{QStringLiteral("A"), 1}, {QString(), 4}}));
        QCOMPARE(parsed.items("Severity"), QList<DictionaryItem>());
    }

    // The object type code each job asks the directory calls for (the incident's is seen by the runs
    // against a live server): one 16-bit number, the last argument; "-" for no call.
    void requests()
    {
        const auto describe = [](const std::optional<ServerCall>& call) {
            if (!call)
                return QString("-");
            const QVariant code = call->arguments.isEmpty() ? QVariant() : call->arguments.last();
            return call->method + (code.metaType() == QMetaType::fromType<qint16>() ? ' ' + code.toString()
                                   : code.isValid()                                 ? " ?"
                                                                                    : QString());
        };
        using Row = std::tuple<int, bool, QString>; // job, import into a new project, the three calls
        for (const auto& [runMode, importNewProject, calls] : {
                 Row{CREATETASK, false, "LoadDictionaries 5|GetCategoryList2 5|GetOrvProjectList2 5"},
                 Row{CREATEEVENT, false, "LoadDictionaries 4|GetCategoryList2 4|GetOrvProjectList2 4"},
                 Row{CREATETODO, false, "LoadDictionaries 6|GetCategoryList2 6|GetOrvProjectList2 6"},
                 Row{CREATELIST, false, "LoadDictionaries 15|GetCategoryList2 15|GetOrvProjectList2 0"},
                 Row{IMPORTLIST, false, "LoadDictionaries 15|GetCategoryList2 15|GetOrvProjectList2 0"},
                 Row{CREATEPROJECT, false, "LoadDictionaries 3|GetCategoryList2 3|GetOrvProjectList2 0"},
                 Row{IMPORTPROJECT, true, "LoadDictionaries 3|GetCategoryList2 3|GetOrvProjectList"},
                 Row{IMPORTPROJECT, false, "-|-|GetOrvProjectList"},
                 Row{EXPORTPROJECT, false, "LoadDictionaries 0|GetCategoryList2 0|GetOrvProjectList"},
                 Row{EXPORTCALENDAR, false, "LoadDictionaries -1|GetCategoryList2 0|GetOrvProjectList2 0"},
                 Row{UPLOAD, false, "LoadDictionaries 0|GetCategoryList2 0|GetOrvProjectList2 0"},
             }) {
            const std::optional<ServerCall> dictionaries =
                loadDictionariesCall("en", runMode, importNewProject);
            QCOMPARE(dictionaries ? dictionaries->arguments.first() : QVariant("en"), QVariant("en"));
            QCOMPARE(
                QStringList({describe(dictionaries), describe(categoryListCall(runMode, importNewProject)),
                             describe(projectListCall(runMode))})
                    .join('|'),
                calls);
        }
    }
};

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
