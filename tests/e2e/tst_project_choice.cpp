// The project lists of the MS Project jobs in-process: marks, details and tooltip of the export list,
// the import target combo with its synchronization box, the page check, a failed list request.
#include "WizardFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>

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
        QStringList synchronized{"ERP Migration=2",   "Help Desk Tooling=5",         "Office Move Leeds=6",
                                 "Trade Fair 2027=3", "Warehouse Automation (*)=-4", "Website Relaunch=1"};
        QStringList plain = synchronized;
        plain[4] = "Warehouse Automation (*)=4";
        QTest::newRow("4.7: synchronized project negated") << QString("4.7") << "demo" << synchronized;
        QTest::newRow("4.5: ids as they are") << QString("4.5") << "demo" << plain;
        QTest::newRow("3.5") << QString("3.5") << "demo" << plain;
        QTest::newRow("no projects") << QString("4.7") << "empty" << QStringList{};
    }
    void exportList()
    {
        QFETCH(QString, version);
        QFETCH(QString, seed);
        QFETCH(QStringList, expected);
        QVERIFY(f.serve(version, {"--seed", seed}));
        const QStringList calls = f.callsDuring([&] { f.start("/exportproject"); });
        QCOMPARE(calls.filter("GetOrvProjectList"), QStringList{"GetOrvProjectList []"});
        QCOMPARE(entries(f.control<QListWidget>("ListProjects")), expected);
        QVERIFY(f.shownIds().isEmpty());
        // Next wants a project: none listed, or none chosen yet.
        f.next();
        QCOMPARE(f.shownIds(), QList<int>{expected.isEmpty() ? 2623 : 2624});
        QCOMPARE(f.step(), 10);
    }
    void detailsAndToolTip()
    {
        QVERIFY(f.serve("4.7"));
        f.visible = false; // no list entry current before the first click
        f.start("/exportproject");
        auto* list = f.control<QListWidget>("ListProjects");
        auto* details = f.control<QPlainTextEdit>("txtProjectDetails");
        QVERIFY(details->toPlainText().isEmpty());
        const QListWidgetItem* found = list->findItems("Warehouse Automation (*)", Qt::MatchExactly).value(0);
        QVERIFY(found);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found).center());
        const QStringList lines = details->toPlainText().split('\n');
        QCOMPARE(lines.value(0).trimmed(), QString("Warehouse Automation"));
        QCOMPARE(lines.value(1).trimmed(), GetLocalizedText(2641));
        QVERIFY(lines.value(7).contains("Plan kept in MS Project and synchronized."));
        // A plain project: no synchronization line; the keyboard moves the details along.
        list->setCurrentRow(0);
        QVERIFY(details->toPlainText().split('\n').value(1).trimmed().startsWith(GetLocalizedText(2617)));
        // The tooltip names the entry under the mouse pointer.
        const QPointF over = list->visualItemRect(list->item(2)).center();
        QMouseEvent move(QEvent::MouseMove, over, list->viewport()->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QCOMPARE(list->toolTip(), list->item(2)->text());
        f.next();
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
        QCOMPARE(f.step(), 11);
        auto* combo = f.control<QComboBox>("SelectProjectCombo");
        auto* sync = f.control<QCheckBox>("CheckUseMsProjectSync");
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(WizardFixture::entries(combo).value(0), GetLocalizedText(2645) + "=0");
        QCOMPARE(combo->count(), 7);
        QCOMPARE(sync->isEnabled(), offered);
        const int synchronized = combo->findText("Warehouse Automation (*)");
        for (int index : {synchronized, 1, 0, synchronized}) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            QVERIFY2(sync->isEnabled() == (offered && index != synchronized),
                     qPrintable(combo->itemText(index)));
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
        QCOMPARE(f.step(), page);
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
