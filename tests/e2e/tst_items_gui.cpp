// The item pages in-process against 4.1: the defaults, again after Continue, the web link of the new
// object; page checks keep the input; the category editor buttons follow the user's rights.
#include "WizardFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace kitbench;

namespace {

// A control's value as the user sees it: text, "#index", a date and/or time, on/off; " -" when disabled
// (on its page, which may not be the one shown).
QString valueOf(const QWidget* w)
{
    QString value;
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        value = edit->text();
    else if (auto* text = qobject_cast<const QPlainTextEdit*>(w))
        value = text->toPlainText();
    else if (auto* combo = qobject_cast<const QComboBox*>(w))
        value = "#" + QString::number(combo->currentIndex());
    else if (auto* picker = qobject_cast<const QDateTimeEdit*>(w))
        value = w->objectName().contains("Time") ? picker->time().toString("HH:mm")
                                                 : picker->dateTime().toString("yyyy-MM-dd HH:mm");
    else if (auto* box = qobject_cast<const QCheckBox*>(w))
        value = box->isChecked() ? "on" : "off";
    return w->isEnabledTo(w->parentWidget()) ? value : value + " -";
}

// "today", "tomorrow", "next month" (days at 00:00) and "now", "in an hour" (hours and minutes).
QString expand(QString expected, const QDateTime& now)
{
    const QDateTime day(now.date(), QTime(0, 0));
    return expected.replace("today", day.toString("yyyy-MM-dd HH:mm"))
        .replace("tomorrow", day.addDays(1).toString("yyyy-MM-dd HH:mm"))
        .replace("next month", day.addMonths(1).toString("yyyy-MM-dd HH:mm"))
        .replace("in an hour", now.addSecs(3600).toString("HH:mm"))
        .replace("now", now.toString("HH:mm"));
}

// What the user changes before creating the item: other entries, dates and marks, a title.
void change(QWidget* w)
{
    if (!w->isEnabled())
        return;
    const QString name = w->objectName();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText("Review " + name);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
        text->setPlainText("Changed");
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(combo->count() - 1);
    else if (auto* picker = qobject_cast<QDateTimeEdit*>(w); picker && name.contains("Time"))
        picker->setTime(QTime(7, 7));
    else if (picker)
        picker->setDate(QDate(2031, 1, name.contains("Start") ? 1 : 2));
    else if (auto* box = qobject_cast<QCheckBox*>(w))
        box->click();
}

// A page check refuses Next and keeps what was typed; the combo, if any, is left without a choice.
struct KeptInput
{
    const char* tag;
    QString job, titleControl, title, emptiedCombo;
    QList<int> messages;
};
const KeptInput kKeptInput[] = {
    {"task without project", "/createtask", "TaskTitleText", "Budget", "TaskProjectCombo", {5045}},
    {"event without organizer", "/createevent", "EventTitleText", "Offsite", "EventManagerCombo", {5047}},
    {"to-do, no title, no manager", "/createtodo", "ToDoTitleText", "   ", "ToDoManagerCombo", {5006, 5047}},
    {"project without title", "/createproject", "ProjectTitleText", " ", "", {5006}},
    {"project without manager", "/createproject", "ProjectTitleText", "Move", "ProjectManagerCombo", {5047}},
};
} // namespace

class TestItemsGui : public QObject
{
    Q_OBJECT
    WizardFixture f;
    // The page's values match the defaults for a `now` from the start of the page to this check.
    void expectDefaults(const QStringList& defaults, const QDateTime& before)
    {
        QStringList shown, atStart, atCheck;
        for (const QString& entry : defaults) {
            auto* w = f.control<QWidget>(entry.section('=', 0, 0));
            shown << entry.section('=', 0, 0) + "=" + (w ? valueOf(w) : "(missing)");
            atStart << expand(entry, before);
            atCheck << expand(entry, QDateTime::currentDateTime());
        }
        if (shown != atStart)
            QCOMPARE(shown, atCheck);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(f.serve("4.1")); }
    void init() { f.init(); }
    void cleanup() { f.cleanup(true); }
    void defaultsWebLinkAndContinue_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("defaultValues"); // "control=value" as valueOf() shows it, comma-separated
        // Severity, incident box and the event's client are for 4.5 and later.
        QTest::newRow("incident")
            << "/createincident" << 2 << "Incidents/IncidentView.aspx?IncidentId="
            << "IncidentTitleText=, IncidentDescriptionText=, IncidentProjectCombo=#0, "
               "IncidentTypeCombo=#0, IncidentPriorityCombo=#1, IncidentSeverityCombo=#0 -, "
               "IncidentBoxCombo=#-1 -";
        QTest::newRow("task")
            << "/createtask" << 3 << "Tasks/TaskView.aspx?TaskID="
            << "TaskTitleText=, TaskDescriptionText=, TaskProjectCombo=#0, TaskStartDateDayDTPicker=today, "
               "TaskStartDateTimeDTPicker=now, TaskEndDateDayDTPicker=tomorrow, "
               "TaskEndDateTimeDTPicker=now, TaskPriorityCombo=#1, TaskCompetionTypeCombo=#0";
        QTest::newRow("event") << "/createevent" << 4 << "Events/EventView.aspx?EventID="
                               << "EventTitleText=, EventLocationText=, EventDescriptionText=, "
                                  "EventStartDateDayDTPicker=today, EventStartDateTimeDTPicker=now, "
                                  "EventEndDateDayDTPicker=today, EventEndDateTimeDTPicker=in an hour, "
                                  "EventReminderCombo=#0, EventProjectCombo=#0, EventPriorityCombo=#1, "
                                  "EventTypeCombo=#0, EventManagerCombo=#0, EventClientCombo=#-1 -";
        QTest::newRow("to-do")
            << "/createtodo" << 5 << "ToDo/ToDoView.aspx?ToDoID="
            << "ToDoTitleText=, ToDoDescriptionText=, ToDoProjectCombo=#0, StartDateEnable=off, "
               "ToDoStartDateDayDTPicker=today -, ToDoStartDateTimeDTPicker=now -, FinishDateEnable=off, "
               "ToDoEndDateDayDTPicker=tomorrow -, ToDoEndDateTimeDTPicker=now -, ToDoPriorityCombo=#1, "
               "ToDoCompetionTypeCombo=#0";
        QTest::newRow("project")
            << "/createproject" << 8 << "Projects/ProjectView.aspx?ProjectId="
            << "ProjectTitleText=, ProjectStartDateDayDTPicker=today, ProjectStartDateTimeDTPicker=now, "
               "ProjectEndtDateDayDTPicker=next month, ProjectEndDateTimeDTPicker=now, ProjectTypeCombo=#0, "
               "ProjectClientCombo=#0, ProjectCalendarCombo=#0, ProjectExecutiveCombo=#0, "
               "ProjectStatusCombo=#0, ProjectCurrencyCombo=#0, ProjectPriorityCombo=#0, "
               "ProjectTemplateCombo=#0, ProjectPhaseCombo=#0";
    }
    void defaultsWebLinkAndContinue()
    {
        QFETCH(QString, job);
        QFETCH(int, page);
        QFETCH(QString, view);
        QFETCH(QString, defaultValues);
        // Every job starts with the team page's must-confirm mark clear.
        const QStringList defaults = (defaultValues + ", MustConfirmedCheck=off").split(", ");
        QDateTime before = QDateTime::currentDateTime();
        f.start(job);
        QCOMPARE(f.step(), page);
        expectDefaults(defaults, before);
        if (QTest::currentTestFailed())
            return;

        // Everything changed, the item created: the web link shows it.
        for (const QString& entry : defaults)
            change(f.control<QWidget>(entry.section('=', 0, 0)));
        for (int i = 0; i < 6 && f.step() != kFinalPage; ++i)
            f.next();
        QVERIFY2(f.step() == kFinalPage && f.shown.isEmpty(), qPrintable(f.firstShown()));
        const qint32 created = f.wizard->state().CreatedObjectId;
        QVERIFY(created > 0);
        f.control<QPushButton>("LabelGotoWeb")->click();
        QCOMPARE(f.urls.size(), 1);
        const QString link = QUrl::fromPercentEncoding(f.urls.first().toEncoded());
        QVERIFY2(link.contains(view + QString::number(created)), qPrintable(link));

        // Continue: another item of the same job, from the introduction page, with the defaults again.
        f.control<QRadioButton>("ContinueOption")->setChecked(true);
        f.nav(4)->click();
        QCOMPARE(f.step(), 0);
        before = QDateTime::currentDateTime();
        f.next();
        f.next();
        QCOMPARE(f.step(), page);
        expectDefaults(defaults, before);
    }
    void checksKeepInput_data() { WizardFixture::addRows(kKeptInput); }
    void checksKeepInput()
    {
        QFETCH(int, row);
        const KeptInput& c = kKeptInput[row];
        f.start(c.job);
        const int page = f.step();
        f.control<QLineEdit>(c.titleControl)->setText(c.title);
        if (!c.emptiedCombo.isEmpty())
            f.control<QComboBox>(c.emptiedCombo)->setCurrentIndex(-1);
        f.next();
        QCOMPARE(f.shownIds(), c.messages);
        QCOMPARE(f.step(), page);
        QCOMPARE(f.control<QLineEdit>(c.titleControl)->text(), c.title);
        if (!c.emptiedCombo.isEmpty())
            QCOMPARE(f.control<QComboBox>(c.emptiedCombo)->currentIndex(), -1);
    }
    void editButtonsFollowTheUser()
    {
        for (const auto& [job, user, canEdit] : std::initializer_list<std::tuple<QString, QString, bool>>{
                 {"/createincident", "admin admin", true},
                 {"/createincident", "mhale demo", true},
                 {"/createincident", "user user", false},
                 {"/createproject", "pm pm", true},
                 {"/createproject", "mhale demo", false},
                 {"/createproject", "user user", false}}) {
            f.user = user.section(' ', 0, 0); // "user password"
            f.password = user.section(' ', 1);
            f.start(job);
            QVERIFY2(f.step() > 1, qPrintable(job + " as " + user));
            const QStringList buttons = job == "/createincident"
                                            ? QStringList{"CommandIssueCategory"}
                                            : QStringList{"CommandAddClient", "CommandAddProjectCategory"};
            for (const QString& name : buttons)
                QVERIFY2(f.control<QWidget>(name)->isHidden() != canEdit,
                         qPrintable(job + " as " + user + ": " + name));
        }
    }
};

QTEST_MAIN(TestItemsGui)
#include "tst_items_gui.moc"
