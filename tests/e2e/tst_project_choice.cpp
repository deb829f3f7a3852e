// The project lists of the MS Project jobs in-process against a live server: the export page's list
// with its marks, details box and tooltip, the import page's target combo with the synchronization
// check box, the project list page's check, and what a failed list request leaves behind.
#include "WizardFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace kitbench;

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text() + "=" + list->item(i)->data(Qt::UserRole).toString();
    return texts;
}

} // namespace

class TestProjectChoice : public QObject
{
    Q_OBJECT
    WizardFixture f;

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void exportList_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QStringList>("expected");
        // The demo's projects in title order; "Warehouse Automation" is kept in MS Project.
        const QStringList demo{"ERP Migration=2", "Help Desk Tooling=5", "Office Move Leeds=6",
                               "Trade Fair 2027=3", "Website Relaunch=1"};
        QStringList synchronized = demo, plain = demo;
        synchronized.insert(4, "Warehouse Automation (*)=-4");
        plain.insert(4, "Warehouse Automation (*)=4");
        QTest::newRow("4.7: synchronized project negated") << "4.7"
                                                           << "demo" << synchronized;
        QTest::newRow("4.5: ids as they are") << "4.5"
                                              << "demo" << plain;
        QTest::newRow("3.5") << "3.5"
                             << "demo" << plain;
        QTest::newRow("no projects") << "4.7"
                                     << "empty" << QStringList{};
    }
    void exportList()
    {
        QFETCH(QString, version);
        QFETCH(QString, seed);
        QFETCH(QStringList, expected);
        QVERIFY(f.serve(version, {"--seed", seed}));
        f.start("/exportproject");
        QCOMPARE(int(f.wizard->state().CurrentStep), 10);
        const QList<QJsonObject> calls = f.server->calls("GetOrvProjectList");
        QCOMPARE(calls.size(), 1);
        QVERIFY(calls.first().value("args").toArray().isEmpty());
        QVERIFY(f.server->calls("GetOrvProjectList2").isEmpty());

        auto* list = f.control<QListWidget>("ListProjects");
        QCOMPARE(entries(list), expected);
        QVERIFY(f.shownIds().isEmpty());

        // Next wants a project: none listed, or none chosen yet.
        f.wizard->cmdNav_Click(3);
        QCOMPARE(f.shownIds(), QList<int>{expected.isEmpty() ? 2623 : 2624});
        QCOMPARE(int(f.wizard->state().CurrentStep), 10);
    }
    void detailsAndToolTip()
    {
        QVERIFY(f.serve("4.7"));
        f.visible = false; // no list entry current before the first click
        f.start("/exportproject");
        auto* list = f.control<QListWidget>("ListProjects");
        auto* details = f.control<QPlainTextEdit>("txtProjectDetails");
        QVERIFY(details->toPlainText().isEmpty());

        const QList<QListWidgetItem*> found = list->findItems("Warehouse Automation (*)", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        const QStringList lines = details->toPlainText().split('\n');
        QCOMPARE(lines.value(0).trimmed(), QString("Warehouse Automation"));
        QCOMPARE(lines.value(1).trimmed(), GetLocalizedText(2641));
        // Dates as "yyyy-mm-dd hh:mm:ss": the server's "T" became a blank.
        for (const auto& [line, label] : {std::pair{2, 2617}, std::pair{4, 2619}, std::pair{5, 2620}}) {
            const QRegularExpression date("^" + QRegularExpression::escape(GetLocalizedText(label)) +
                                          ": \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$");
            QVERIFY2(date.match(lines.value(line).trimmed()).hasMatch(), qPrintable(lines.value(line)));
        }
        QVERIFY(lines.value(6).startsWith(GetLocalizedText(2621) + ": "));
        QVERIFY(lines.value(6).trimmed().size() > GetLocalizedText(2621).size() + 1);
        QVERIFY(lines.value(7).contains("Plan kept in MS Project and synchronized."));

        // A plain project: no synchronization line; the keyboard moves the details along.
        list->setCurrentRow(0);
        QCOMPARE(details->toPlainText().split('\n').value(1).trimmed().section(':', 0, 0),
                 GetLocalizedText(2617));
        QCOMPARE(f.wizard->state().ProjectsText.isEmpty(), false);

        // The tooltip names the entry under the mouse pointer.
        const QPointF over = list->visualItemRect(list->item(2)).center();
        QMouseEvent move(QEvent::MouseMove, over, list->viewport()->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QCOMPARE(list->toolTip(), list->item(2)->text());

        f.wizard->cmdNav_Click(3);
        QVERIFY(!f.shownIds().contains(2624));
    }
    void importTarget_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("offered"); // the synchronization check box follows the choice
        QTest::newRow("4.7") << "4.7" << true;
        QTest::newRow("4.5") << "4.5" << false;
    }
    void importTarget()
    {
        QFETCH(QString, version);
        QFETCH(bool, offered);
        QVERIFY(f.serve(version));
        f.start("/importproject plan.xml");
        QCOMPARE(int(f.wizard->state().CurrentStep), 11);
        QCOMPARE(f.server->calls("GetOrvProjectList").size(), 1);

        auto* combo = f.control<QComboBox>("SelectProjectCombo");
        auto* sync = f.control<QCheckBox>("CheckUseMsProjectSync");
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->itemText(0), GetLocalizedText(2645));
        QCOMPARE(combo->itemData(0).toInt(), 0);
        QCOMPARE(combo->count(), 7);
        QCOMPARE(sync->isEnabled(), offered);

        const int synchronized = combo->findText("Warehouse Automation (*)");
        QVERIFY(synchronized > 0);
        QCOMPARE(combo->itemData(synchronized).toInt() < 0, offered);
        for (int index : {synchronized, 1, 0, synchronized}) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            const bool expected = offered && combo->itemData(index).toInt() >= 0;
            QVERIFY2(sync->isEnabled() == expected, qPrintable(combo->itemText(index)));
        }
    }
    void failedList_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("messages");
        // The export job checks the answer and stays; the import job goes on with the new-project entry.
        QTest::newRow("export") << "/exportproject" << 1 << QList<int>{5005};
        QTest::newRow("import") << "/importproject plan.xml" << 11 << QList<int>{};
    }
    void failedList()
    {
        QFETCH(QString, job);
        QFETCH(int, page);
        QFETCH(QList<int>, messages);
        QVERIFY(f.serve({}, {"--fault", "GetOrvProjectList=soap-fault"}));
        f.start(job);
        QCOMPARE(int(f.wizard->state().CurrentStep), page);
        QCOMPARE(f.shownIds(), messages);
        QVERIFY(f.wizard->state().ProjectsText.isEmpty());
        if (page == 11)
            QCOMPARE(WizardFixture::entries(f.control<QComboBox>("SelectProjectCombo")),
                     QStringList{GetLocalizedText(2645) + "=0"});
        else
            QCOMPARE(f.control<QListWidget>("ListProjects")->count(), 0);
    }
};

QTEST_MAIN(TestProjectChoice)
#include "tst_project_choice.moc"
