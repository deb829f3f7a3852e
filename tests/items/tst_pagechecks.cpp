#include "items/PageChecks.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

const QDateTime kEarly(QDate(2024, 3, 1), QTime(9, 0));
const QDateTime kLate(QDate(2024, 3, 1), QTime(10, 0));

// A page that passes every check: a title, the required entry selected, start before finish.
PageCheckValues valid()
{
    PageCheckValues v;
    v.title = QStringLiteral("Title");
    v.start = kEarly;
    v.finish = kLate;
    return v;
}

} // namespace

Q_DECLARE_METATYPE(PageCheckValues)

class TestPageChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checks_data()
    {
        QTest::addColumn<int>("runMode");
        QTest::addColumn<PageCheckValues>("values");
        QTest::addColumn<QList<int>>("messages");

        PageCheckValues v = valid();
        QTest::newRow("incident passes") << int(CREATEINCIDENT) << v << QList<int>();
        v.title = QStringLiteral("   ");
        QTest::newRow("incident title of spaces") << int(CREATEINCIDENT) << v << QList<int>{5006};
        v.title = QString();
        QTest::newRow("incident empty title") << int(CREATEINCIDENT) << v << QList<int>{5006};
        v.title = QStringLiteral("\t");
        QTest::newRow("incident title of a tab passes: a tab is text")
            << int(CREATEINCIDENT) << v << QList<int>();

        // Task: title, project, order unless milestone; the first failure ends the check.
        v = valid();
        v.title = QString();
        v.requiredSelected = false;
        QTest::newRow("task stops at the title") << int(CREATETASK) << v << QList<int>{5006};
        v = valid();
        v.requiredSelected = false;
        QTest::newRow("task without project") << int(CREATETASK) << v << QList<int>{5045};
        v = valid();
        v.finish = v.start;
        QTest::newRow("task with equal start and finish") << int(CREATETASK) << v << QList<int>{5008};
        v.isMilestone = true;
        v.finish = kEarly.addDays(-1);
        QTest::newRow("milestone finishing before it starts passes") << int(CREATETASK) << v << QList<int>();

        v = valid();
        v.requiredSelected = false;
        QTest::newRow("event without organizer") << int(CREATEEVENT) << v << QList<int>{5047};
        v = valid();
        v.finish = v.start;
        QTest::newRow("event ending as it starts") << int(CREATEEVENT) << v << QList<int>{5007};
        v.finish = kEarly.addSecs(60);
        QTest::newRow("event one minute long") << int(CREATEEVENT) << v << QList<int>();

        // To-do: a blank title is reported and the check goes on.
        v = valid();
        v.title = QStringLiteral(" ");
        v.requiredSelected = false;
        QTest::newRow("to-do blank title and no manager") << int(CREATETODO) << v << QList<int>{5006, 5047};
        v.requiredSelected = true;
        QTest::newRow("to-do blank title only") << int(CREATETODO) << v << QList<int>{5006};
        v = valid();
        v.start = kLate;
        v.finish = kEarly;
        v.startEnabled = true;
        QTest::newRow("to-do with one date passes whatever the order")
            << int(CREATETODO) << v << QList<int>();
        v.finishEnabled = true;
        QTest::newRow("to-do with both dates in the wrong order") << int(CREATETODO) << v << QList<int>{5008};
        v.title = QString();
        QTest::newRow("to-do blank title and dates") << int(CREATETODO) << v << QList<int>{5006, 5008};

        v = valid();
        QTest::newRow("list passes") << int(CREATELIST) << v << QList<int>();
        v.nodeSelected = false;
        QTest::newRow("list without folder") << int(CREATELIST) << v << QList<int>{3108};
        v.nodeSelected = true;
        v.nodeTagIsZero = true;
        QTest::newRow("list into read-only folder") << int(IMPORTLIST) << v << QList<int>{3109};
        v.title = QString();
        QTest::newRow("list title first") << int(CREATELIST) << v << QList<int>{5006};

        v = valid();
        v.title = QString(); // the publishing and download pages have no title
        v.nodeSelected = false;
        QTest::newRow("upload without folder") << int(UPLOAD) << v << QList<int>{2503};
        QTest::newRow("download without file") << int(DOWNLOAD) << v << QList<int>{2603};
        v.nodeSelected = true;
        v.nodeTagIsZero = true;
        QTest::newRow("upload into read-only folder") << int(UPLOAD) << v << QList<int>{2504};
        QTest::newRow("download of a folder") << int(DOWNLOAD) << v << QList<int>{2604};
        v.nodeTagIsZero = false;
        QTest::newRow("upload passes") << int(UPLOAD) << v << QList<int>();

        v = valid();
        v.finish = v.start;
        QTest::newRow("project with equal dates") << int(CREATEPROJECT) << v << QList<int>{5008};
        v.requiredSelected = false;
        QTest::newRow("project without manager") << int(CREATEPROJECT) << v << QList<int>{5047};
        v.importNewProject = true;
        QTest::newRow("import into a new project is checked") << int(IMPORTPROJECT) << v << QList<int>{5047};
        v.importNewProject = false;
        QTest::newRow("import into an existing project passes") << int(IMPORTPROJECT) << v << QList<int>();
        QTest::newRow("other jobs pass") << int(EXPORTCALENDAR) << v << QList<int>();
    }

    void checks()
    {
        QFETCH(int, runMode);
        QFETCH(PageCheckValues, values);
        QFETCH(QList<int>, messages);
        QCOMPARE(pageCheckMessages(runMode, values), messages);
    }
};

QTEST_GUILESS_MAIN(TestPageChecks)
#include "tst_pagechecks.moc"
