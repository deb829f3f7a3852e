// The plan built through Microsoft Project's automation for releases up to 9, driven against the
// recording application: times written in the application's format, the UID lookup, the document
// settings and calendars, tasks with outline, constraints, whole days, assignments and links, steps
// that fail without stopping the build, and an opening that fails after the start.
#include "msproject/MsProjectDocumentBuilder.h"
#include "msproject/MsProjectOpen.h"
#include "msproject/PlanValues.h"
#include "platform/Message.h"
#include "platform/msproject/RecordingMsProject.h"

#include <QTest>

using namespace kitbench;

namespace {

const char kPlan[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
    " <Title>Fit-out</Title><Subject>Office floor</Subject>\n"
    " <StartDate>2024-03-01T08:00:00</StartDate><FinishDate>2024-03-20T17:00:00</FinishDate>\n"
    " <CalendarUID>3</CalendarUID>\n"
    " <Calendars>\n"
    "  <Calendar><UID>1</UID><Name>Base</Name><BaseCalendarUID>-1</BaseCalendarUID>\n"
    "   <WeekDays><WeekDay><DayType>2</DayType><DayWorking>0</DayWorking></WeekDay></WeekDays></Calendar>\n"
    "  <Calendar><UID>2</UID><Name>Mid</Name><BaseCalendarUID>1</BaseCalendarUID></Calendar>\n"
    "  <Calendar><UID>3</UID><Name>Site</Name><BaseCalendarUID>2</BaseCalendarUID>\n"
    "   <WeekDays><WeekDay><DayType>1</DayType><DayWorking>1</DayWorking></WeekDay>\n"
    "    <WeekDay><DayType>7</DayType><DayWorking>0</DayWorking></WeekDay></WeekDays></Calendar>\n"
    " </Calendars>\n"
    " <Tasks>\n"
    "  <Task><UID>0</UID><Name>Fit-out</Name><OutlineLevel>0</OutlineLevel><PredecessorLink>\n"
    "   <PredecessorUID>1</PredecessorUID><Type>1</Type><LinkLag>0</LinkLag></PredecessorLink></Task>\n"
    "  <Task><UID>1</UID><Name>Design</Name><OutlineLevel>1</OutlineLevel><Priority>500</Priority>\n"
    "   <ConstraintType>4</ConstraintType><ConstraintDate>2024-03-04T08:00:00</ConstraintDate>\n"
    "   <Start>2024-03-01T08:00:00</Start><Finish>2024-03-04T17:00:00</Finish><Milestone>0</Milestone>\n"
    "   <Notes>Plans</Notes><Type>1</Type><WBS>1</WBS><ActualStart>2024-03-01T08:00:00</ActualStart>\n"
    "   <PercentComplete>50</PercentComplete><PercentWorkComplete>40</PercentWorkComplete></Task>\n"
    "  <Task><UID>2</UID><Name>Permit</Name><OutlineLevel>3</OutlineLevel><Priority>600</Priority>\n"
    "   <ConstraintType>1</ConstraintType><ConstraintDate>2024-03-05T08:00:00</ConstraintDate>\n"
    "   <Start>2024-03-05T08:00:00</Start><Finish>2024-03-05T08:00:00</Finish><Milestone>1</Milestone>\n"
    "   <Notes></Notes><ActualStart>2024-03-05T08:00:00</ActualStart>\n"
    "   <PercentComplete>0</PercentComplete><PercentWorkComplete>0</PercentWorkComplete><PredecessorLink>\n"
    "   <PredecessorUID>1</PredecessorUID><Type>1</Type><LinkLag>4800</LinkLag></PredecessorLink></Task>\n"
    "  <Task><UID>3</UID><Name>Build</Name><OutlineLevel>1</OutlineLevel><Priority>500</Priority>\n"
    "   <Start>2024-03-06T08:00:00</Start><Finish>2024-03-06T12:00:00</Finish><Milestone>0</Milestone>\n"
    "   <Notes>Walls</Notes><ActualStart>2024-03-06T08:00:00</ActualStart>\n"
    "   <PercentComplete>10</PercentComplete><PercentWorkComplete>20</PercentWorkComplete><PredecessorLink>\n"
    "   <PredecessorUID>1</PredecessorUID><Type>1</Type><LinkLag>25</LinkLag></PredecessorLink>\n"
    "   <PredecessorLink><PredecessorUID>2</PredecessorUID><Type>0</Type><LinkLag>35</LinkLag>"
    "</PredecessorLink></Task>\n"
    " </Tasks>\n"
    " <Resources>\n"
    "  <Resource><UID>1</UID><Name>Dana Rahn</Name><Code>DR</Code><StandardRate>50</StandardRate>\n"
    "   <EmailAddress>dana@example.org</EmailAddress></Resource>\n"
    "  <Resource><UID>2</UID><Name>Ole Brink</Name><Code></Code><StandardRate>0</StandardRate>\n"
    "   <EmailAddress></EmailAddress></Resource>\n"
    " </Resources>\n"
    " <Assignments>\n"
    "  <Assignment><TaskUID>1</TaskUID><ResourceUID>1</ResourceUID>"
    "<PercentWorkComplete>99</PercentWorkComplete></Assignment>\n"
    "  <Assignment><TaskUID>1</TaskUID><ResourceUID>-65535</ResourceUID></Assignment>\n"
    "  <Assignment><TaskUID>2</TaskUID><ResourceUID>9</ResourceUID></Assignment>\n"
    "  <Assignment><TaskUID>3</TaskUID><ResourceUID>2</ResourceUID></Assignment>\n"
    " </Assignments>\n"
    "</Project>";

QString at(const QVariant& value)
{
    return value.isValid() ? value.toDateTime().toString("yyyy-MM-dd HH:mm") : QString("-");
}

// A task as built: constraint; start, finish, duration in minutes, milestone; priority, notes, percent
// complete; each assignment (resource, work complete, actual start) and each link (predecessor, type, lag).
QString describe(const PlanModel& plan, const QString& name)
{
    for (const PlanTask& task : plan.tasks) {
        if (task.fields.value(TaskField::Name).toString() != name)
            continue;
        const auto text = [&task](std::initializer_list<TaskField> fields) {
            QStringList texts;
            for (const TaskField field : fields) {
                const QVariant value = task.fields.value(field);
                texts << (value.metaType() == QMetaType::fromType<QDateTime>() ? at(value)
                          : value.isValid()                                    ? recordedValue(value)
                                                                               : QString("-"));
            }
            return texts.join(' ');
        };
        using enum TaskField;
        QStringList parts{text({ConstraintType, ConstraintDate}), text({Start, Finish, Duration, Milestone}),
                          text({Priority, Notes, PercentComplete})};
        for (const PlanAssignment& assignment : task.assignments)
            parts << QString("R%1 %2 %3")
                         .arg(assignment.resourceId)
                         .arg(assignment.fields.value(AssignmentField::PercentWorkComplete).toInt())
                         .arg(at(assignment.fields.value(AssignmentField::ActualStart)));
        for (const PlanLink& link : task.predecessors)
            parts << QString("L%1 %2 %3").arg(link.predecessorId).arg(link.type).arg(link.lagMinutes);
        return parts.join(" | ");
    }
    return "no task " + name;
}

// Builds kPlan (or another plan) in a recording application.
struct Built
{
    explicit Built(const QString& xml = QString::fromUtf8(kPlan), MsProjectTimeFormat format = {},
                   const QStringList& refused = {})
        : app("9.0", format)
    {
        for (const QString& prefix : refused)
            app.refuse(prefix);
        pugi::xml_document document;
        document.load_string(xml.toUtf8().constData());
        MsProjectDocumentBuilder(app).SetMSProjectCurrentDocFromXml35(document);
    }
    const PlanModel& plan() const { return *app.plan().plan(); }
    qsizetype indexOf(const QString& call) const { return app.calls().indexOf(call); }
    RecordingMsProject app;
};

MsProjectTimeFormat timeFormat(bool twelveHour, bool leadingZero, const QString& am = "AM",
                               const QString& pm = "PM", const QString& separator = ":")
{
    return MsProjectTimeFormat{twelveHour, leadingZero, am, pm, separator};
}

} // namespace

class TestPlanBuilder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timeString()
    {
        using Row = std::pair<MsProjectTimeFormat, const char*>; // 00:00, 23:59, 09:05, 12:30, 13:07
        for (const auto& [format, expected] : {
                 Row{timeFormat(true, false), "0:0 AM|11:59 PM|9:5 AM|12:30 PM|1:7 PM"},
                 Row{timeFormat(true, true), "00:00 AM|11:59 PM|09:05 AM|12:30 PM|1:07 PM"},
                 Row{timeFormat(false, false), "0:0|23:59|9:5|12:30|13:7"},
                 Row{timeFormat(false, true), "00:00|23:59|09:05|12:30|13:07"},
                 Row{timeFormat(true, true, "vorm.", "nachm.", "."),
                     "00.00 vorm.|11.59 nachm.|09.05 vorm.|12.30 nachm.|1.07 nachm."},
                 Row{timeFormat(true, false, "", ""), "0:0|11:59|9:5|12:30|1:7"}, // empty suffix texts
             }) {
            RecordingMsProject app("9.0", format);
            QStringList written;
            for (const QTime& time : {QTime(0, 0), QTime(23, 59), QTime(9, 5), QTime(12, 30), QTime(13, 7)})
                written << GetTimeString(app, time);
            QCOMPARE(written.join('|'), QString(expected));
            // The options are read from the application each time; the suffix only on a twelve-hour clock.
            QCOMPARE(app.calls().count("TimeSeparator"), 5);
            QCOMPARE(app.calls().count("AMText") + app.calls().count("PMText"), format.twelveHour ? 5 : 0);
        }
    }
    void findInArray()
    {
        const QStringList keys{"1", "5", "12", "1", "32767", "40000"};
        const QList<qint32> values{10, 50, 120, 11, 7, 400};
        // Compared as numbers, blanks around; the first equal entry wins; -1: nothing (16-bit keys only).
        using Row = std::pair<const char*, int>;
        for (const auto& [key, expected] : {Row{"5", 50}, Row{"05", 50}, Row{" 12 ", 120}, Row{"1", 10},
                                            Row{"7", -1}, Row{"x", -1}, Row{"40000", -1}, Row{"32767", 7}})
            QCOMPARE(FindInArray(keys, values, key).value_or(-1), expected);
    }
    void documentSettings()
    {
        const Built built;
        const QStringList start = built.app.calls().mid(0, 10);
        QCOMPARE(start, (QStringList{"ProjectsAdd(False)", "Calculation=0", "project[5122]=True",
                                     "project[5108]=7", "project[67]=1", "project[27]=Fit-out",
                                     "project[6]=Office floor", "project[8]=2024-03-20 17:00",
                                     "project[7]=2024-03-01 08:00", "project[6005]=False"}));
        const PlanModel& plan = built.plan();
        QVERIFY(plan.options);
        QCOMPARE(QList<double>({plan.options->hoursPerDay, plan.options->hoursPerWeek,
                                double(plan.options->daysPerMonth)}),
                 QList<double>({24, 168, 30}));
        QCOMPARE(plan.options->startTime + "-" + plan.options->finishTime, QString("00:00-23:59"));
        const Built twelveHour(QString::fromUtf8(kPlan), timeFormat(true, false, "am", "pm"));
        QCOMPARE(twelveHour.plan().options->startTime + "-" + twelveHour.plan().options->finishTime,
                 QString("0:0 am-11:59 pm"));
        QCOMPARE(plan.resources.size(), 2);
        QCOMPARE(plan.resources[0].code + " " + plan.resources[0].standardRate + " " +
                     plan.resources[0].emailAddress,
                 QString("DR 50 dana@example.org"));

        // Without title and subject those two steps are left out.
        const Built bare(
            "<Project><StartDate>2024-01-02T08:00:00</StartDate><FinishDate>2024-01-09T08:00:00</"
            "FinishDate></Project>");
        QCOMPARE(bare.app.calls().mid(5, 3),
                 (QStringList{"project[8]=2024-01-09 08:00", "project[7]=2024-01-02 08:00",
                              "project[6005]=False"}));
    }
    void calendars()
    {
        const Built built;
        QStringList created;
        for (const QString& call : built.app.calls())
            if (call.startsWith("BaseCalendarCreate") || call.startsWith("ProjectSummaryInfo"))
                created << call;
        // Most basic first; from the second on, each from the calendar one before the last position.
        QCOMPARE(created, (QStringList{"BaseCalendarCreate(Base)", "BaseCalendarCreate(Mid,Standard)",
                                       "BaseCalendarCreate(Site,Base)", "ProjectSummaryInfo(Site)"}));
        PlanModel plan = built.plan();
        QCOMPARE(plan.calendarName, QString("Site"));
        // A listed week day becomes a 24-hour working day whatever its own flag says; the others stay.
        const auto day = [&plan](const char* calendar, int dayType) {
            const PlanWeekDay& weekDay = plan.calendar(calendar)->days[dayType];
            QString text = weekDay.working ? "on" : "off";
            for (const auto& shift : weekDay.shifts)
                if (shift)
                    text += ' ' + shift->first.toString("HH:mm") + '-' + shift->second.toString("HH:mm");
            return text;
        };
        QCOMPARE(
            (QStringList{day("Site", 1), day("Site", 7), day("Site", 6), day("Base", 2), day("Base", 1)}),
            (QStringList{"on 00:00-23:59", "on 00:00-23:59", "on 08:00-12:00 13:00-17:00", "on 00:00-23:59",
                         "off"}));
        QVERIFY(built.indexOf("weekDay(2,2).Shift5.Clear") >
                built.indexOf("weekDay(2,2).Shift1.Finish=23:59"));

        // A calendar without a base in the document is a chain of one.
        const Built single(
            "<Project><CalendarUID>8</CalendarUID><Calendars><Calendar><UID>8</UID><Name>Only</Name>"
            "<BaseCalendarUID>-1</BaseCalendarUID></Calendar></Calendars></Project>");
        QVERIFY(single.indexOf("BaseCalendarCreate(Only)") >= 0);
        QVERIFY(single.indexOf("ProjectSummaryInfo(Only)") > single.indexOf("BaseCalendarCreate(Only)"));
        QCOMPARE(single.plan().calendars.size(), 2);
    }
    void tasks()
    {
        // The task as built, then what holds whatever failed: the build goes on to the end; the task with
        // UID 0 and its link are never made; links come after every task exists; the duration goes in
        // before the finish, the finish before the start, then the milestone flag.
        const auto row = [](const char* tag, const QString& task, const QString& built,
                            const QString& from = {}, const QString& to = {}, const QStringList& refused = {},
                            const MsProjectTimeFormat& format = {}) {
            const Built made(QString::fromUtf8(kPlan).replace(from, to), format, refused);
            QCOMPARE(tag + (": " + describe(made.plan(), task)), tag + (": " + built));
            QStringList order;
            for (const QString& call : made.app.calls())
                if (call.startsWith("setTaskField(2,") && !call.contains("Constraint"))
                    order << call.section(',', 1, 1);
            const bool linksLast = made.indexOf("addDependency(2,1,1,480)") > made.indexOf("addTask(Build)");
            QCOMPARE(tag +
                         QString(": %1 tasks, %2 links%3, ")
                             .arg(made.plan().tasks.size())
                             .arg(made.app.calls().filter("addDependency").size())
                             .arg(linksLast ? " last" : "") +
                         order.mid(1, 4).join(' '),
                     tag + QString(": 3 tasks, 3 links last, Duration Finish Start Milestone"));
        };
        // Whole days from midnight to 23:59; lags in tenths of minutes, rounded half to even.
        row("type 4 with a date at midnight; the task's work complete and actual start", "Design",
            "4 2024-03-04 00:00 | 2024-03-01 00:00 2024-03-04 23:59 4320 False | 500 Plans 50 | "
            "R1 40 2024-03-01 08:00");
        row("type 1 gets no date; a milestone ends at midnight; resource 9 is not in the plan", "Permit",
            "1 - | 2024-03-05 00:00 2024-03-05 00:00 0 True | 600  0 | L1 1 480");
        row("no constraint type: 4 without date; one day lasts 0", "Build",
            "4 - | 2024-03-06 00:00 2024-03-06 23:59 0 False | 500 Walls 10 | R2 20 2024-03-06 08:00 | "
            "L1 1 2 | L2 0 4");
        const QString design = "2024-03-01 00:00 2024-03-04 23:59 4320 False";
        row("a refused call skips that step only", "Design",
            "4 2024-03-04 00:00 | " + design + " | - Plans 50 | R1 40 2024-03-01 08:00", {}, {},
            {"setTaskField(1,Priority"});
        row("a missing element skips its step", "Design",
            "4 2024-03-04 00:00 | " + design + " | 500 - 50 | R1 40 2024-03-01 08:00", "<Notes>Plans</Notes>",
            "");
        row("a value that does not convert", "Design",
            "- - | " + design + " | 500 Plans 50 | R1 40 2024-03-01 08:00", "<ConstraintType>4<",
            "<ConstraintType>soon<");
        // Without a finish of its own the duration counts to a moment never set: none.
        row("an unreadable finish keeps the moment before", "Design",
            "4 2024-03-04 00:00 | 2024-03-01 00:00 - 0 False | 500 Plans 50 | R1 40 2024-03-01 08:00",
            "<Finish>2024-03-04T17:00:00</Finish>", "<Finish>someday</Finish>");
        row("a twelve-hour application", "Design",
            "4 2024-03-04 00:00 | " + design + " | 500 Plans 50 | R1 40 2024-03-01 08:00", {}, {}, {},
            timeFormat(true, false, "am", "pm"));
    }
    void outline()
    {
        const auto levels = [](const Built& built) {
            QList<int> found;
            for (const PlanTask& task : built.plan().tasks)
                found << task.outlineLevel;
            return found;
        };
        // Level 3 after level 1 is indented once only; level 1 afterwards is outdented back.
        const Built built;
        QCOMPARE(levels(built), (QList<int>{1, 2, 1}));
        QCOMPARE(built.app.calls().filter("outline"), (QStringList{"outlineIndent(2)", "outlineOutdent(3)"}));
        const Built deep("<Project><Tasks>"
                         "<Task><UID>1</UID><Name>A</Name><OutlineLevel>1</OutlineLevel></Task>"
                         "<Task><UID>2</UID><Name>B</Name><OutlineLevel>2</OutlineLevel></Task>"
                         "<Task><UID>3</UID><Name>C</Name><OutlineLevel>3</OutlineLevel></Task>"
                         "<Task><UID>4</UID><Name>D</Name><OutlineLevel>1</OutlineLevel></Task>"
                         "<Task><UID>5</UID><Name>E</Name><OutlineLevel>0</OutlineLevel></Task>"
                         "</Tasks></Project>");
        QCOMPARE(levels(deep), (QList<int>{1, 2, 3, 1, 1}));
        QCOMPARE(deep.app.calls().count("outlineOutdent(4)"), 2);
    }
    // A failure after the start closes Microsoft Project without saving, quietly.
    void openFailures()
    {
        MessageService::instance().clearHistory();
        RecordingMsProjectAutomation refusing;
        refusing.refused = QStringList{"AppRestore"};
        QVERIFY(OpenXmlInMsProject(QString::fromUtf8(kPlan), refusing, {}));
        QCOMPARE(refusing.log->calls.mid(refusing.log->calls.size() - 2),
                 (QStringList{"AppRestore", "Quit(0)"}));
        QVERIFY(refusing.log->restoredPlans.isEmpty());
        RecordingMsProjectAutomation broken;
        QVERIFY(OpenXmlInMsProject("<Project><Title>cut", broken, {}));
        QCOMPARE(broken.log->calls, QStringList{"Quit(0)"});
        QVERIFY(MessageService::instance().history().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanBuilder)
#include "tst_plan_builder.moc"
