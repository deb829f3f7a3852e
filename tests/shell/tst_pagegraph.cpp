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

    void back_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("newProject");
        QTest::addColumn<int>("templateIndex");
        QTest::addColumn<int>("target");
        QTest::newRow("page 1 to 0") << 1 << 1 << false << 0 << 0;
        QTest::newRow("upload folder page to documents") << 6 << 6 << false << 0 << 20;
        QTest::newRow("download asset page to login") << 7 << 7 << false << 0 << 1;
        QTest::newRow("incident page to login") << 2 << 1 << false << 0 << 1;
        QTest::newRow("project page, new imported project") << 8 << 9 << true << 0 << 11;
        QTest::newRow("project page, create project") << 8 << 8 << false << 0 << 1;
        QTest::newRow("description to project page") << 9 << 8 << false << 0 << 8;
        QTest::newRow("templates to description") << 19 << 8 << false << 1 << 9;
        QTest::newRow("team, create project") << 18 << 8 << false << 0 << 9;
        QTest::newRow("team, import project") << 18 << 9 << true << 0 << 9;
        QTest::newRow("team, task") << 18 << 2 << false << 0 << 3;
        QTest::newRow("team, to-do") << 18 << 4 << false << 0 << 5;
        QTest::newRow("documents, incident") << 20 << 1 << false << 0 << 2;
        QTest::newRow("documents, upload") << 20 << 6 << false << 0 << 1;
        QTest::newRow("documents, project with template") << 20 << 8 << false << 2 << 19;
        QTest::newRow("documents, project without template") << 20 << 9 << true << 0 << 18;
        QTest::newRow("documents, event") << 20 << 3 << false << 0 << 18;
        QTest::newRow("project list, import") << 10 << 9 << false << 0 << 11;
        QTest::newRow("project list, export") << 10 << 10 << false << 0 << 1;
        QTest::newRow("import option") << 11 << 9 << false << 0 << 1;
        QTest::newRow("assignments, import") << 12 << 9 << false << 0 << 11;
        QTest::newRow("calendar") << 13 << 11 << false << 0 << 1;
        QTest::newRow("create list") << 14 << 5 << false << 0 << 1;
        QTest::newRow("list page of a list import") << 14 << 12 << false << 0 << 16;
        QTest::newRow("list import option") << 16 << 12 << false << 0 << 1;
        QTest::newRow("sheet fields") << 17 << 12 << false << 0 << 14;
        QTest::newRow("any other: final page") << 21 << 1 << false << 0 << 20;
    }

    void back()
    {
        QFETCH(int, step);
        QFETCH(int, mode);
        QFETCH(bool, newProject);
        QFETCH(int, templateIndex);
        QFETCH(int, target);
        QCOMPARE(backTarget(step, mode, newProject, templateIndex), target);
    }

    void buttonsOfThePublishingPage()
    {
        // Enabled buttons on every page are seen in tst_wizard; here the words on page 20 by job.
        const NavButtonState documents = navButtonState(20, CREATETASK, false);
        QCOMPARE(documents.nextTextId, 105);
        QCOMPARE(documents.beforePublishTextId, 1402);
        const NavButtonState upload = navButtonState(20, UPLOAD, false);
        QCOMPARE(upload.nextTextId, 103);
        QCOMPARE(upload.beforePublishTextId, 1403);
    }

    void connectionSavedOnEntry_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("saves");
        QTest::newRow("login page") << 1 << int(NavNext) << false;
        QTest::newRow("first item page by Next") << 2 << int(NavNext) << true;
        QTest::newRow("item page by Back") << 2 << int(NavBack) << false;
        QTest::newRow("project list") << 10 << int(NavNext) << true;
        QTest::newRow("list page, also by Back") << 14 << int(NavBack) << true;
        QTest::newRow("documents") << 20 << int(NavNext) << false;
    }

    void connectionSavedOnEntry()
    {
        QFETCH(int, step);
        QFETCH(int, direction);
        QFETCH(bool, saves);
        QCOMPARE(savesConnectionOnEntry(step, direction), saves);
    }

    void report_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("published");
        QTest::addColumn<int>("toPublish");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("expected");
        const QString nl = QStringLiteral("\n");
        const auto t = [](int id) { return GetLocalizedText(id); };
        const QString log = QStringLiteral("a.txt - OK\n");
        const auto row = [](const char* tag, int mode, const QString& expected, bool failed = false,
                            int published = 0, int toPublish = 0) {
            QTest::newRow(tag) << mode << published << toPublish << failed << expected;
        };
        row("incident, no files", 1, t(3001) + t(5027) + nl + log);
        row("task with files", 2, t(3001) + t(5028) + nl + t(5032) + "1" + t(5033) + "2" + t(5034) + nl + log,
            false, 1, 2);
        row("list has no result sentence", 5, t(3001) + nl + log);
        row("download counts one file", 7,
            t(3001) + t(5040) + nl + t(5032) + "1" + t(5033) + "1" + t(5041) + nl + log);
        row("calendar", 11, t(3001) + t(5064) + nl + log);
        row("list from Excel", 12, t(3001) + t(5068) + nl + log);
        row("import succeeded", 9, t(5050));
        row("import failed", 9, t(5053) + "boom" + t(5056), true);
        row("export succeeded", 10, t(5051) + " ''Apollo'' " + t(5052));
        row("export failed", 10, t(5054) + "boom" + t(5056), true);
    }

    void report()
    {
        QFETCH(int, mode);
        QFETCH(int, published);
        QFETCH(int, toPublish);
        QFETCH(bool, failed);
        QFETCH(QString, expected);
        JobOutcome outcome;
        outcome.runMode = mode;
        outcome.filesPublished = published;
        outcome.filesToPublish = toPublish;
        outcome.publishingLog = QStringLiteral("a.txt - OK\n");
        outcome.failed = failed;
        outcome.errorText = QStringLiteral("boom");
        outcome.projectName = QStringLiteral("Apollo");
        QCOMPARE(finalReportText(outcome), expected);
        QVERIFY(!expected.isEmpty());
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_GUILESS_MAIN(TestPageGraph)
#include "tst_pagegraph.moc"
