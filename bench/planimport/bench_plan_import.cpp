// Imports a plan of 10,000 tasks into a server project: the whole unattended wizard run (IMPORTPROJECT)
// against a local development server, which echoes the plan back in step one. Reports the wall time
// of each run and the CPU time the wizard and the server spent in it; asserts nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kTasks = 10000;
constexpr int kResources = 40;
constexpr int kRuns = 3;

// The fields Microsoft Project writes for every task besides the ones above; with them a task takes
// about as many bytes as in a real export (10,000 tasks, some 18 MB).
const char* const kTaskFields =
    "<Type>0</Type><IsNull>0</IsNull><CreateDate>2026-11-02T09:12:00</CreateDate><WBS>1</WBS>"
    "<Active>1</Active><Manual>0</Manual><Work>PT8H0M0S</Work><DurationFormat>7</DurationFormat>"
    "<ResumeValid>0</ResumeValid><EffortDriven>1</EffortDriven><Recurring>0</Recurring>"
    "<OverAllocated>0</OverAllocated><Estimated>0</Estimated><Critical>0</Critical><IsSubproject>0</"
    "IsSubproject>"
    "<IsSubprojectReadOnly>0</IsSubprojectReadOnly><ExternalTask>0</ExternalTask>"
    "<EarlyStart>2027-01-04T08:00:00</EarlyStart><EarlyFinish>2027-01-04T17:00:00</EarlyFinish>"
    "<LateStart>2027-01-04T08:00:00</LateStart><LateFinish>2027-01-04T17:00:00</LateFinish>"
    "<StartVariance>0</StartVariance><FinishVariance>0</FinishVariance><WorkVariance>0.00</WorkVariance>"
    "<FreeSlack>0</FreeSlack><TotalSlack>0</TotalSlack><FixedCost>0</FixedCost><FixedCostAccrual>3</"
    "FixedCostAccrual>"
    "<PercentComplete>0</PercentComplete><PercentWorkComplete>0</PercentWorkComplete><Cost>0</Cost>"
    "<OvertimeCost>0</OvertimeCost><OvertimeWork>PT0H0M0S</OvertimeWork><ActualDuration>PT0H0M0S</"
    "ActualDuration>"
    "<ActualCost>0</ActualCost><ActualOvertimeCost>0</ActualOvertimeCost><ActualWork>PT0H0M0S</ActualWork>"
    "<ActualOvertimeWork>PT0H0M0S</ActualOvertimeWork><RegularWork>PT8H0M0S</RegularWork>"
    "<RemainingDuration>PT8H0M0S</RemainingDuration><RemainingCost>0</RemainingCost>"
    "<RemainingWork>PT8H0M0S</RemainingWork><RemainingOvertimeCost>0</RemainingOvertimeCost>"
    "<RemainingOvertimeWork>PT0H0M0S</RemainingOvertimeWork><ACWP>0.00</ACWP><CV>0.00</CV>"
    "<ConstraintType>0</ConstraintType><CalendarUID>-1</CalendarUID><LevelAssignments>1</LevelAssignments>"
    "<LevelingCanSplit>1</LevelingCanSplit><LevelingDelay>0</LevelingDelay><LevelingDelayFormat>8</"
    "LevelingDelayFormat>"
    "<IgnoreResourceCalendar>0</IgnoreResourceCalendar><HideBar>0</HideBar><Rollup>0</Rollup><BCWS>0.00</"
    "BCWS>"
    "<BCWP>0.00</BCWP><PhysicalPercentComplete>0</PhysicalPercentComplete><EarnedValueMethod>0</"
    "EarnedValueMethod>"
    "<IsPublished>1</IsPublished><CommitmentType>0</CommitmentType>";

QByteArray makePlan()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
                     "  <Title>Large rollout</Title>\n  <StartDate>2027-01-04T08:00:00</StartDate>\n"
                     "  <FinishDate>2029-12-21T17:00:00</FinishDate>\n  <Tasks>\n";
    for (int uid = 1; uid <= kTasks; ++uid) {
        const int level = uid % 10 == 1 ? 1 : 2;
        const QString day = QDate(2027, 1, 4).addDays(uid / 10).toString(Qt::ISODate);
        xml += QString("    <Task><UID>%1</UID><ID>%1</ID><Name>Work package %1 of the rollout</Name>"
                       "<OutlineLevel>%2</OutlineLevel><OutlineNumber>%3</OutlineNumber>"
                       "<Start>%4T08:00:00</Start><Finish>%4T17:00:00</Finish><Duration>PT8H0M0S</Duration>"
                       "<Milestone>0</Milestone><Priority>500</Priority>"
                       "<Notes>Prepare, carry out and check the work of this package.</Notes>%5%6</Task>\n")
                   .arg(uid)
                   .arg(level)
                   .arg(level == 1 ? QString::number(uid / 10 + 1)
                                   : QString("%1.%2").arg(uid / 10 + 1).arg(uid % 10))
                   .arg(day)
                   .arg(uid > 1 ? QString("<PredecessorLink><PredecessorUID>%1</PredecessorUID><Type>1</Type>"
                                          "<LinkLag>0</LinkLag></PredecessorLink>")
                                      .arg(uid - 1)
                                : QString())
                   .arg(kTaskFields)
                   .toUtf8();
    }
    xml += "  </Tasks>\n  <Resources>\n";
    for (int uid = 1; uid <= kResources; ++uid)
        xml += QString("    <Resource><UID>%1</UID><ID>%1</ID><Name>Fitter %1</Name></Resource>\n")
                   .arg(uid)
                   .toUtf8();
    xml += "  </Resources>\n  <Assignments>\n";
    for (int task = 1; task <= kTasks; ++task)
        xml +=
            QString(
                "    "
                "<Assignment><UID>%1</UID><TaskUID>%1</TaskUID><ResourceUID>%2</ResourceUID></Assignment>\n")
                .arg(task)
                .arg(task % kResources + 1)
                .toUtf8();
    return xml + "  </Assignments>\n</Project>\n";
}

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// user + system time of a running process, from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    // After the ")" of the name: state is field 1, utime 12, stime 13.
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString planPath = dir.filePath("large rollout.xml");
    QFile plan(planPath);
    if (!plan.open(QIODevice::WriteOnly))
        return 1;
    const qint64 planBytes = plan.write(makePlan());
    plan.close();

    QProcess server;
    server.start(DEVSERVER_BINARY,
                 {"--listen", "127.0.0.1:0", "--data", dir.filePath("data"), "--seed", "demo", "--max-body",
                  QString::number(64 << 20), "--journal", dir.filePath("journal.jsonl")});
    if (!server.waitForStarted(10000))
        return 1;
    while (server.state() == QProcess::Running && !server.canReadLine())
        server.waitForReadyRead(200);
    const QString address = QString::fromUtf8(server.readLine()).trimmed().section("http://", 1);

    QFile answers(dir.filePath("import.answers"));
    if (!answers.open(QIODevice::WriteOnly))
        return 1;
    answers.write("[page 11]\nSelectProjectCombo = ERP Migration\n[messages]\n2646 = OK\n");
    answers.close();

    std::printf("plan: %d tasks, %d resources, %.1f MB\n", kTasks, kResources, double(planBytes) / 1e6);
    std::printf("%-6s %10s %14s %14s %s\n", "run", "wall [s]", "wizard CPU [s]", "server CPU [s]", "exit");
    QList<double> walls;
    for (int run = 1; run <= kRuns; ++run) {
        QProcess wizard;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir.filePath("home"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("home/config"));
        env.insert("XDG_DATA_HOME", dir.filePath("home/data"));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        wizard.setProcessEnvironment(env);
        const double cpuBefore = childrenCpuSeconds();
        const double serverBefore = processCpuSeconds(server.processId());
        QElapsedTimer wall;
        wall.start();
        wizard.start(KITBENCH_BINARY, {"/importproject", planPath, "/L", "admin@" + address, "/P", "admin",
                                       "/UNATTENDED", answers.fileName()});
        wizard.waitForFinished(600000);
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        walls.append(seconds);
        if (wizard.exitCode() != 0)
            std::printf("%s\n", wizard.readAllStandardError().constData());
        std::printf("%-6d %10.2f %14.2f %14.2f %d\n", run, seconds, childrenCpuSeconds() - cpuBefore,
                    processCpuSeconds(server.processId()) - serverBefore, wizard.exitCode());
    }
    // What reached the server: one step one (with the plan) and one step two per run.
    QFile journal(dir.filePath("journal.jsonl"));
    journal.open(QIODevice::ReadOnly);
    const QByteArray lines = journal.readAll();
    std::printf("journal: %lld ImportMsProjectStep1 and %lld ImportMsProjectStep2 calls\n",
                static_cast<long long>(lines.count("\"method\": \"ImportMsProjectStep1\"")),
                static_cast<long long>(lines.count("\"method\": \"ImportMsProjectStep2\"")));
    for (const QByteArray& line : lines.split('\n'))
        if (line.contains("ImportMsProjectStep") && !line.contains("\"status\": \"OK\""))
            std::printf("not OK: %s\n", line.right(300).constData());
    std::sort(walls.begin(), walls.end());
    std::printf("median wall time: %.2f s\n", walls[kRuns / 2]);
    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
