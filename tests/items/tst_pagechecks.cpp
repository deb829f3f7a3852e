#include "items/PageChecks.h"
#include "shell/RunMode.h"

#include <QTest>

#include <functional>

using namespace kitbench;

namespace {

const QDateTime kEarly(QDate(2024, 3, 1), QTime(9, 0));
const QDateTime kLate(QDate(2024, 3, 1), QTime(10, 0));

// A page that passes every check: a title, the required entry selected, start before finish.
const PageCheckValues kValid{.title = QStringLiteral("Title"), .start = kEarly, .finish = kLate};

} // namespace

class TestPageChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checks()
    {
        // Each row changes a valid page; the checks a run against a live server refuses are its own.
        using V = PageCheckValues;
        const auto row = [](const char* tag, int runMode, const QList<int>& messages,
                            const std::function<void(V&)>& change = nullptr) {
            PageCheckValues v = kValid;
            if (change)
                change(v);
            QVERIFY2(pageCheckMessages(runMode, v) == messages, tag);
        };
        row("incident passes", CREATEINCIDENT, {});
        row("incident empty title", CREATEINCIDENT, {5006}, [](V& v) { v.title.clear(); });
        row("incident title of a tab passes: a tab is text", CREATEINCIDENT, {},
            [](V& v) { v.title = "\t"; });

        // Task: title, project, order unless milestone; the first failure ends the check.
        row("task stops at the title", CREATETASK, {5006},
            [](V& v) { v.title.clear(), v.requiredSelected = false; });
        row("task without project", CREATETASK, {5045}, [](V& v) { v.requiredSelected = false; });
        row("milestone finishing before it starts passes", CREATETASK, {},
            [](V& v) { v.isMilestone = true, v.finish = kEarly.addDays(-1); });

        row("event without organizer", CREATEEVENT, {5047}, [](V& v) { v.requiredSelected = false; });
        row("event one minute long", CREATEEVENT, {}, [](V& v) { v.finish = kEarly.addSecs(60); });

        // To-do: a blank title is reported and the check goes on.
        row("to-do blank title and no manager", CREATETODO, {5006, 5047},
            [](V& v) { v.title = " ", v.requiredSelected = false; });
        const auto swapped = [](V& v) { v.start = kLate, v.finish = kEarly, v.startEnabled = true; };
        row("to-do with one date passes whatever the order", CREATETODO, {}, swapped);
        row("to-do blank title and dates", CREATETODO, {5006, 5008},
            [&](V& v) { swapped(v), v.finishEnabled = true, v.title.clear(); });

        row("list passes", CREATELIST, {});
        row("list without folder", CREATELIST, {3108}, [](V& v) { v.nodeSelected = false; });
        row("list into read-only folder", IMPORTLIST, {3109}, [](V& v) { v.nodeTagIsZero = true; });
        row("list title first", CREATELIST, {5006}, [](V& v) { v.nodeTagIsZero = true, v.title.clear(); });

        // The publishing and download pages have no title.
        row("upload without folder", UPLOAD, {2503}, [](V& v) { v.title.clear(), v.nodeSelected = false; });
        row("download without file", DOWNLOAD, {2603}, [](V& v) { v.title.clear(), v.nodeSelected = false; });
        row("upload into read-only folder", UPLOAD, {2504},
            [](V& v) { v.title.clear(), v.nodeTagIsZero = true; });
        row("download of a folder", DOWNLOAD, {2604}, [](V& v) { v.title.clear(), v.nodeTagIsZero = true; });
        row("upload passes", UPLOAD, {}, [](V& v) { v.title.clear(); });

        row("project with equal dates", CREATEPROJECT, {5008}, [](V& v) { v.finish = v.start; });
        const auto noManager = [](V& v) { v.finish = v.start, v.requiredSelected = false; };
        row("project without manager", CREATEPROJECT, {5047}, noManager);
        row("import into a new project is checked", IMPORTPROJECT, {5047},
            [&](V& v) { noManager(v), v.importNewProject = true; });
        row("import into an existing project passes", IMPORTPROJECT, {}, noManager);
        row("other jobs pass", EXPORTCALENDAR, {}, noManager);
    }
};

QTEST_GUILESS_MAIN(TestPageChecks)
#include "tst_pagechecks.moc"
