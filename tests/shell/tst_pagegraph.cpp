#include "TempSettings.h"

#include "shell/FinalReport.h"
#include "shell/PageGraph.h"
#include "shell/RunMode.h"
#include "shell/TextCatalogue.h"

#include <QTest>

using namespace kitbench;

class TestPageGraph : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_temp = std::make_unique<TempSettings>(); }

    void back()
    {
        // (From the templates back to the description and the project page: tst_templates_page.)
        using Row = std::tuple<int, int, bool, int, int>; // step, job, new project, template index, target
        for (const auto& [step, mode, newProject, templateIndex, target] : {
                 Row{1, 1, false, 0, 0},    // page 1 to 0
                 Row{6, 6, false, 0, 20},   // upload folder page to documents
                 Row{7, 7, false, 0, 1},    // download asset page to login
                 Row{8, 9, true, 0, 11},    // project page, new imported project
                 Row{8, 8, false, 0, 1},    // project page, create project
                 Row{18, 8, false, 0, 9},   // team, create project
                 Row{18, 2, false, 0, 3},   // team, task
                 Row{18, 4, false, 0, 5},   // team, to-do
                 Row{20, 1, false, 0, 2},   // documents, incident
                 Row{20, 6, false, 0, 1},   // documents, upload
                 Row{20, 8, false, 2, 19},  // documents, project with template
                 Row{20, 9, true, 0, 18},   // documents, project without template
                 Row{10, 9, false, 0, 11},  // project list, import
                 Row{10, 10, false, 0, 1},  // project list, export
                 Row{11, 9, false, 0, 1},   // import option
                 Row{12, 9, false, 0, 11},  // assignments, import
                 Row{13, 11, false, 0, 1},  // calendar
                 Row{14, 5, false, 0, 1},   // create list
                 Row{14, 12, false, 0, 16}, // list page of a list import
                 Row{16, 12, false, 0, 1},  // list import option
                 Row{17, 12, false, 0, 14}, // sheet fields
                 Row{21, 1, false, 0, 20},  // any other: final page
             })
            QVERIFY2(backTarget(step, mode, newProject, templateIndex) == target,
                     qPrintable(QString("step %1, job %2 goes back to %3").arg(step).arg(mode).arg(target)));
    }

    void wordsOfThePublishingPage()
    {
        // (Its Next reads Publish for an item job: tst_wizard.) An upload goes on to the folder.
        QCOMPARE(navButtonState(20, CREATETASK, false).beforePublishTextId, 1402);
        const NavButtonState upload = navButtonState(20, UPLOAD, false);
        QCOMPARE(std::pair(upload.nextTextId, upload.beforePublishTextId), std::pair(103, 1403));
    }

    void connectionSavedOnEntry()
    {
        using Row = std::tuple<int, NavDirection, bool>; // step, direction, saves
        for (const auto& [step, direction, saves] : {
                 Row{1, NavNext, false},  // login page
                 Row{2, NavNext, true},   // first item page by Next
                 Row{2, NavBack, false},  // item page by Back
                 Row{10, NavNext, true},  // project list
                 Row{14, NavBack, true},  // list page, also by Back
                 Row{20, NavNext, false}, // documents
             })
            QCOMPARE(savesConnectionOnEntry(step, direction), saves);
    }

    void report()
    {
        const QString nl = QStringLiteral("\n"), log = QStringLiteral("a.txt - OK\n");
        const auto t = [](int id) { return GetLocalizedText(id); };
        // Tag, job, files published and to publish, the report. (The texts of a created item, an import
        // and an export, failed or not: tst_items, tst_msproject.)
        using Row = std::tuple<const char*, int, int, int, QString>;
        for (const auto& [tag, mode, published, toPublish, expected] : {
                 Row{"task with files", 2, 1, 2,
                     t(3001) + t(5028) + nl + t(5032) + "1" + t(5033) + "2" + t(5034) + nl + log},
                 Row{"list has no result sentence", 5, 0, 0, t(3001) + nl + log},
                 Row{"download counts one file", 7, 0, 0,
                     t(3001) + t(5040) + nl + t(5032) + "1" + t(5033) + "1" + t(5041) + nl + log},
                 Row{"calendar", 11, 0, 0, t(3001) + t(5064) + nl + log},
                 Row{"list from Excel", 12, 0, 0, t(3001) + t(5068) + nl + log},
             }) {
            JobOutcome outcome;
            outcome.runMode = mode;
            outcome.filesPublished = published;
            outcome.filesToPublish = toPublish;
            outcome.publishingLog = log;
            outcome.errorText = QStringLiteral("boom");
            outcome.projectName = QStringLiteral("Apollo");
            QCOMPARE(std::pair(tag, finalReportText(outcome)), std::pair(tag, expected));
        }
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_GUILESS_MAIN(TestPageGraph)
#include "tst_pagegraph.moc"
