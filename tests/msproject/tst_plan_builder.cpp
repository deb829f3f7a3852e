// The plan built through Microsoft Project's automation for releases up to 9, driven against the
// recording application: times written in the application's format, the UID lookup, the document
// settings and calendars, tasks with outline, constraints, whole days, assignments and links, steps
// that fail without stopping the build, and the choice between building and opening the XML.
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
    "  <Task><UID>0</UID><Name>Fit-out</Name><OutlineLevel>0</OutlineLevel>\n"
    "   <PredecessorLink><PredecessorUID>1</PredecessorUID><Type>1</Type>"
    "<LinkLag>0</LinkLag></PredecessorLink></Task>\n"
    "  <Task><UID>1</UID><Name>Design</Name><OutlineLevel>1</OutlineLevel><Priority>500</Priority>\n"
    "   <ConstraintType>4</ConstraintType><ConstraintDate>2024-03-04T08:00:00</ConstraintDate>\n"
    "   <Start>2024-03-01T08:00:00</Start><Finish>2024-03-04T17:00:00</Finish><Milestone>0</Milestone>\n"
    "   <Notes>Plans</Notes><Type>1</Type><WBS>1</WBS><ActualStart>2024-03-01T08:00:00</ActualStart>\n"
    "   <PercentComplete>50</PercentComplete><PercentWorkComplete>40</PercentWorkComplete></Task>\n"
    "  <Task><UID>2</UID><Name>Permit</Name><OutlineLevel>3</OutlineLevel><Priority>600</Priority>\n"
    "   <ConstraintType>1</ConstraintType><ConstraintDate>2024-03-05T08:00:00</ConstraintDate>\n"
    "   <Start>2024-03-05T08:00:00</Start><Finish>2024-03-05T08:00:00</Finish><Milestone>1</Milestone>\n"
    "   <Notes></Notes><ActualStart>2024-03-05T08:00:00</ActualStart>\n"
    "   <PercentComplete>0</PercentComplete><PercentWorkComplete>0</PercentWorkComplete>\n"
    "   <PredecessorLink><PredecessorUID>1</PredecessorUID><Type>1</Type>"
    "<LinkLag>4800</LinkLag></PredecessorLink></Task>\n"
    "  <Task><UID>3</UID><Name>Build</Name><OutlineLevel>1</OutlineLevel><Priority>500</Priority>\n"
    "   <Start>2024-03-06T08:00:00</Start><Finish>2024-03-06T12:00:00</Finish><Milestone>0</Milestone>\n"
    "   <Notes>Walls</Notes><ActualStart>2024-03-06T08:00:00</ActualStart>\n"
    "   <PercentComplete>10</PercentComplete><PercentWorkComplete>20</PercentWorkComplete>\n"
    "   <PredecessorLink><PredecessorUID>1</PredecessorUID><Type>1</Type>"
    "<LinkLag>25</LinkLag></PredecessorLink>\n"
    "   <PredecessorLink><PredecessorUID>2</PredecessorUID><Type>0</Type>"
    "<LinkLag>35</LinkLag></PredecessorLink></Task>\n"
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

QString at(const QDateTime& moment)
{
    return moment.toString("yyyy-MM-dd HH:mm");
}

QString at(const QVariant& value)
{
    return value.isValid() ? at(value.toDateTime()) : QString("-");
}

const PlanTask& taskNamed(const PlanModel& plan, const QString& name)
{
    for (const PlanTask& task : plan.tasks)
        if (task.fields.value(TaskField::Name).toString() == name)
            return task;
    static const PlanTask none;
    return none;
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

Q_DECLARE_METATYPE(MsProjectTimeFormat)

class TestPlanBuilder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timeString_data()
    {
        QTest::addColumn<MsProjectTimeFormat>("format");
        QTest::addColumn<QStringList>("expected"); // 00:00, 23:59, 09:05, 12:30, 13:07
        QTest::newRow("12-hour") << timeFormat(true, false)
                                 << QStringList{"0:0 AM", "11:59 PM", "9:5 AM", "12:30 PM", "1:7 PM"};
        QTest::newRow("12-hour, leading zero")
            << timeFormat(true, true)
            << QStringList{"00:00 AM", "11:59 PM", "09:05 AM", "12:30 PM", "1:07 PM"};
        QTest::newRow("24-hour") << timeFormat(false, false)
                                 << QStringList{"0:0", "23:59", "9:5", "12:30", "13:7"};
        QTest::newRow("24-hour, leading zero")
            << timeFormat(false, true) << QStringList{"00:00", "23:59", "09:05", "12:30", "13:07"};
        QTest::newRow("own separator and texts")
            << timeFormat(true, true, "vorm.", "nachm.", ".")
            << QStringList{"00.00 vorm.", "11.59 nachm.", "09.05 vorm.", "12.30 nachm.", "1.07 nachm."};
        QTest::newRow("empty suffix texts")
            << timeFormat(true, false, "", "") << QStringList{"0:0", "11:59", "9:5", "12:30", "1:7"};
    }
    void timeString()
    {
        QFETCH(MsProjectTimeFormat, format);
        QFETCH(QStringList, expected);
        RecordingMsProject app("9.0", format);
        QStringList written;
        for (const QTime& time : {QTime(0, 0), QTime(23, 59), QTime(9, 5), QTime(12, 30), QTime(13, 7)})
            written << GetTimeString(app, time);
        QCOMPARE(written, expected);
        // The options are read from the application each time; the suffix only on a twelve-hour clock.
        QCOMPARE(app.calls().count("TimeSeparator"), 5);
        QCOMPARE(app.calls().count("AMText") + app.calls().count("PMText"), format.twelveHour ? 5 : 0);
    }
    void findInArray()
    {
        const QStringList keys{"1", "5", "12", "1", "32767", "40000"};
        const QList<qint32> values{10, 50, 120, 11, 7, 400};
        // Compared as numbers, blanks around; the first equal entry wins; -1: nothing (16-bit keys only).
        for (const auto& [key, expected] : {std::pair{"5", 50},
                                            {"05", 50},
                                            {" 12 ", 120},
                                            {"1", 10},
                                            {"7", -1},
                                            {"x", -1},
                                            {"40000", -1},
                                            {"32767", 7}})
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
        QCOMPARE(plan.title, QString("Fit-out"));
        QCOMPARE(plan.calculation.value_or(-1), 0);
        QVERIFY(plan.options);
        QCOMPARE(QList<double>({plan.options->hoursPerDay, plan.options->hoursPerWeek,
                                double(plan.options->daysPerMonth)}),
                 QList<double>({24, 168, 30}));
        QCOMPARE(plan.options->startTime + "-" + plan.options->finishTime, QString("00:00-23:59"));

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
        const PlanModel& plan = built.plan();
        QCOMPARE(plan.calendarName, QString("Site"));
        // A listed week day becomes a 24-hour working day whatever its own flag says; the others stay.
        const PlanCalendar& site = *const_cast<PlanModel&>(plan).calendar("Site");
        for (int day : {1, 7}) {
            QVERIFY(site.days[day].working);
            QCOMPARE(site.days[day].shifts[0]->first, QTime(0, 0));
            QCOMPARE(site.days[day].shifts[0]->second, QTime(23, 59));
            QVERIFY(!site.days[day].shifts[1]);
        }
        QVERIFY(site.days[6].working); // Friday as the copied calendar had it
        const PlanCalendar& base = *const_cast<PlanModel&>(plan).calendar("Base");
        QCOMPARE(base.days[2].shifts[0]->second, QTime(23, 59));
        QVERIFY(!base.days[1].working);
        QVERIFY(built.indexOf("weekDay(2,2).Shift1.Start=00:00") >= 0);
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
    void tasks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("constraint"); // type and date
        QTest::addColumn<QString>("span");       // start, finish, duration in minutes, milestone
        const auto row = [](const char* tag, const char* name, const char* constraint, const char* span) {
            QTest::newRow(tag) << QString(name) << QString(constraint) << QString(span);
        };
        row("type 4 with a date at midnight", "Design", "4 2024-03-04 00:00",
            "2024-03-01 00:00 2024-03-04 23:59 4320 False");
        row("type 1 gets no date; a milestone ends at midnight", "Permit", "1 -",
            "2024-03-05 00:00 2024-03-05 00:00 0 True");
        row("no constraint type: 4 without date; one day lasts 0", "Build", "4 -",
            "2024-03-06 00:00 2024-03-06 23:59 0 False");
    }
    void tasks()
    {
        QFETCH(QString, name);
        QFETCH(QString, constraint);
        QFETCH(QString, span);
        const Built built;
        const PlanTask& task = taskNamed(built.plan(), name);
        QVERIFY(task.id > 0);
        QCOMPARE(task.fields.value(TaskField::ConstraintType).toString() + " " +
                     at(task.fields.value(TaskField::ConstraintDate)),
                 constraint);
        QCOMPARE(at(task.fields.value(TaskField::Start)) + " " + at(task.fields.value(TaskField::Finish)) +
                     " " + task.fields.value(TaskField::Duration).toString() + " " +
                     recordedValue(task.fields.value(TaskField::Milestone)),
                 span);
        QCOMPARE(task.fields.value(TaskField::Calendar).toString(), QString("Site"));
        // The duration goes in before the finish, the finish before the start, then the milestone flag.
        const QString id = QString::number(task.id);
        const qsizetype duration =
            built.indexOf("setTaskField(" + id + ",Duration," + span.section(' ', 4, 4) + ")");
        const qsizetype finish =
            built.indexOf("setTaskField(" + id + ",Finish," + span.section(' ', 2, 3) + ")");
        const qsizetype start =
            built.indexOf("setTaskField(" + id + ",Start," + span.section(' ', 0, 1) + ")");
        const qsizetype milestone =
            built.indexOf("setTaskField(" + id + ",Milestone," + span.section(' ', 5, 5) + ")");
        QVERIFY(duration >= 0 && duration < finish && finish < start && start < milestone);
        // The task with UID 0 is never created.
        QCOMPARE(built.plan().tasks.size(), 3);
    }
    void outline()
    {
        const Built built;
        QList<int> levels;
        for (const PlanTask& task : built.plan().tasks)
            levels << task.outlineLevel;
        // Level 3 after level 1 is indented once only; level 1 afterwards is outdented back.
        QCOMPARE(levels, (QList<int>{1, 2, 1}));
        QCOMPARE(built.app.calls().count("outlineIndent(2)"), 1);
        QCOMPARE(built.app.calls().count("outlineOutdent(3)"), 1);

        const Built deep("<Project><Tasks>"
                         "<Task><UID>1</UID><Name>A</Name><OutlineLevel>1</OutlineLevel></Task>"
                         "<Task><UID>2</UID><Name>B</Name><OutlineLevel>2</OutlineLevel></Task>"
                         "<Task><UID>3</UID><Name>C</Name><OutlineLevel>3</OutlineLevel></Task>"
                         "<Task><UID>4</UID><Name>D</Name><OutlineLevel>1</OutlineLevel></Task>"
                         "<Task><UID>5</UID><Name>E</Name><OutlineLevel>0</OutlineLevel></Task>"
                         "</Tasks></Project>");
        levels.clear();
        for (const PlanTask& task : deep.plan().tasks)
            levels << task.outlineLevel;
        QCOMPARE(levels, (QList<int>{1, 2, 3, 1, 1}));
        QCOMPARE(deep.app.calls().count("outlineOutdent(4)"), 2);
    }
    void assignmentsAndLinks()
    {
        const Built built;
        const PlanModel& plan = built.plan();
        QCOMPARE(plan.resources.size(), 2);
        QCOMPARE(plan.resources[0].code + " " + plan.resources[0].standardRate + " " +
                     plan.resources[0].emailAddress,
                 QString("DR 50 dana@example.org"));

        const PlanTask& design = taskNamed(plan, "Design");
        QCOMPARE(design.assignments.size(), 1); // the assignment without resource is not read
        QCOMPARE(design.assignments[0].resourceId, 1);
        // The task's percent work complete and actual start, not the assignment's.
        QCOMPARE(design.assignments[0].fields.value(AssignmentField::PercentWorkComplete).toInt(), 40);
        QCOMPARE(at(design.assignments[0].fields.value(AssignmentField::ActualStart)),
                 QString("2024-03-01 08:00"));
        QVERIFY(taskNamed(plan, "Permit").assignments.isEmpty()); // resource 9 is not in the plan
        QCOMPARE(taskNamed(plan, "Build").assignments.size(), 1);
        QCOMPARE(taskNamed(plan, "Build").assignments[0].resourceId, 2);
        QCOMPARE(design.fields.value(TaskField::PercentComplete).toInt(), 50);

        // Lags in tenths of minutes, rounded half to even; the summary task's link is skipped.
        QStringList links;
        for (const QString& call : built.app.calls())
            if (call.startsWith("addDependency"))
                links << call;
        QCOMPARE(links, (QStringList{"addDependency(2,1,1,480)", "addDependency(3,1,1,2)",
                                     "addDependency(3,2,0,4)"}));
        // Links come after every task exists.
        QVERIFY(built.indexOf("addDependency(2,1,1,480)") > built.indexOf("addTask(Build)"));
    }
    void failedStepsAreSkipped_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("expected"); // Design's priority, notes, constraint type and duration
        const QString plan = QString::fromUtf8(kPlan);
        QTest::newRow("everything in order") << plan << QStringList{} << "500 Plans 4 4320";
        QTest::newRow("a refused call skips that step only")
            << plan << QStringList{"setTaskField(1,Priority"} << "- Plans 4 4320";
        QTest::newRow("a missing element skips its step")
            << QString(plan).replace("<Notes>Plans</Notes>", "") << QStringList{} << "500 - 4 4320";
        QTest::newRow("a value that does not convert")
            << QString(plan).replace("<ConstraintType>4</ConstraintType>",
                                     "<ConstraintType>soon</ConstraintType>")
            << QStringList{} << "500 Plans 0 4320";
        QTest::newRow("an unreadable finish keeps the moment before")
            << QString(plan).replace("<Finish>2024-03-04T17:00:00</Finish>", "<Finish>someday</Finish>")
            << QStringList{} << "500 Plans 4 -";
    }
    void failedStepsAreSkipped()
    {
        QFETCH(QString, plan);
        QFETCH(QStringList, refused);
        QFETCH(QString, expected);
        const Built built(plan, {}, refused);
        const PlanTask& design = taskNamed(built.plan(), "Design");
        const auto text = [&design](TaskField field) {
            const QVariant value = design.fields.value(field);
            return value.isValid() ? value.toString() : QString("-");
        };
        // Without a finish of its own, the duration is counted to a moment that was never set.
        const QString duration = text(TaskField::Finish) == "-" ? QString("-") : text(TaskField::Duration);
        QCOMPARE(text(TaskField::Priority) + " " + text(TaskField::Notes) + " " +
                     built.app.plan().plan()->tasks[0].fields.value(TaskField::ConstraintType, 0).toString() +
                     " " + duration,
                 expected);
        // The build went on to the end either way.
        QCOMPARE(built.plan().tasks.size(), 3);
        QVERIFY(built.indexOf("addDependency(3,2,0,4)") >= 0);
    }
    void twelveHourApplication()
    {
        const Built built(QString::fromUtf8(kPlan), timeFormat(true, false, "am", "pm"));
        QCOMPARE(built.plan().options->startTime + "-" + built.plan().options->finishTime,
                 QString("0:0 am-11:59 pm"));
        const PlanTask& design = taskNamed(built.plan(), "Design");
        QCOMPARE(at(design.fields.value(TaskField::Finish)), QString("2024-03-04 23:59"));
        QCOMPARE(at(design.fields.value(TaskField::ConstraintDate)), QString("2024-03-04 00:00"));
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
