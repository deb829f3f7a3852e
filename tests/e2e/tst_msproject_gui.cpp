// The plan import in-process: the plan file choice, the select option page's checks and question, and
// the user chooser of the resource assignments page with what it sends back.
#include "WizardFixture.h"

#include "people/DlgOrvUsers.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTreeWidget>

using namespace kitbench;

struct OptionCheck
{
    const char* tag;
    QString file, target;     // file: "" none, "missing" a path that does not exist
    MessageAnswer syncAnswer; // the answer to the question
    QList<int> messages;
    int page;
};
const OptionCheck kOptionChecks[] = {
    {"no file", "", "ERP Migration", MessageAnswer::Ok, {2625}, 11},
    {"question cancelled", "plan", "ERP Migration", MessageAnswer::Cancel, {2646}, 11},
    {"unreadable file, existing project", "missing", "ERP Migration", MessageAnswer::Ok, {2646, 2626}, 11},
    // Told, but on to the project pages all the same, with the dates the page starts with.
    {"unreadable file, new project", "missing", "", MessageAnswer::Ok, {2626}, 8},
};

class TestMsProjectGui : public QObject
{
    Q_OBJECT
    WizardFixture f;
    QTemporaryDir m_files;
    QString m_plan;
    void selectTarget(const QString& text)
    {
        auto* combo = f.control<QComboBox>("SelectProjectCombo");
        const int index = combo->findText(text);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Double-clicks a cell of the assignments list; true when the chooser came up for `answer`.
    bool doubleClick(int row, int column, const std::function<void(DlgOrvUsers*)>& answer)
    {
        auto* list = f.control<QTreeWidget>("ListViewAssignments");
        QTreeWidgetItem* item = list->topLevelItem(row);
        list->setCurrentItem(item, column);
        return WizardFixture::onDialog<DlgOrvUsers>([&] { emit list->itemDoubleClicked(item, column); },
                                                    answer);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_plan = m_files.filePath("plan.xml");
        QFile file(m_plan);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Project><Title>Kiosk</Title><StartDate>2026-04-01T12:00:00</StartDate>"
                   "<FinishDate>2026-05-15T12:00:00</FinishDate><Resources>"
                   "<Resource><UID>1</UID><Name>Peter Marsh</Name></Resource>"
                   "<Resource><UID>2</UID><Name>Temp Crew</Name></Resource>"
                   "<Resource><UID>3</UID><Name>Ursula Brandt</Name></Resource></Resources></Project>");
    }
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void chooseFile()
    {
        QVERIFY(f.serve());
        f.start("/importproject \"\"");
        QCOMPARE(f.step(), 11);
        auto* path = f.control<QLineEdit>("txtFilePath");
        QList<FileQuestion> asked;
        std::optional<QString> choice = m_plan;
        MessageService::instance().setFilePresenter([&](const Message&, const FileQuestion& question) {
            asked.append(question);
            return choice;
        });
        f.control<QPushButton>("cmdBrowse")->click();
        QCOMPARE(path->text(), m_plan);
        QVERIFY(asked.size() == 1 && !asked.first().save);
        QCOMPARE(asked.first().filter, QString("XML Files (*.xml)"));
        // A cancelled dialog keeps the path.
        choice.reset();
        f.control<QPushButton>("cmdBrowse")->click();
        QCOMPARE(path->text(), m_plan);
    }
    void optionPageChecks_data() { WizardFixture::addRows(kOptionChecks); }
    void optionPageChecks()
    {
        QFETCH(int, row);
        const OptionCheck& c = kOptionChecks[row];
        QVERIFY(f.serve("4.7"));
        f.start("/importproject \"\"");
        f.answers[2646] = c.syncAnswer;
        f.control<QLineEdit>("txtFilePath")
            ->setText(c.file == "plan"   ? m_plan
                      : c.file.isEmpty() ? ""
                                         : m_files.filePath("gone.xml"));
        if (!c.target.isEmpty())
            selectTarget(c.target);
        f.next();
        QCOMPARE(f.shownIds(), c.messages);
        QCOMPARE(f.step(), c.page);
        QVERIFY(f.server->calls("ImportMsProjectStep1").isEmpty());
        // The page is usable again whatever happened.
        QVERIFY(f.nav(3)->isEnabled() && !f.wizard->state().IsBusy);
        if (c.page == 8)
            QCOMPARE(f.control<QDateTimeEdit>("ProjectStartDateDayDTPicker")->date(), QDate::currentDate());
    }
    void chooseUsers()
    {
        QVERIFY(f.serve("4.5"));
        f.start("/importproject " + m_plan);
        selectTarget("ERP Migration");
        f.next();
        QCOMPARE(f.step(), 12);
        auto* list = f.control<QTreeWidget>("ListViewAssignments");
        const QString nobody = GetLocalizedText(2627);
        // The resource column opens nothing.
        QVERIFY(!doubleClick(0, 0, [](DlgOrvUsers* chooser) { chooser->CancelButton->click(); }));
        QVERIFY(!f.wizard->findChild<DlgOrvUsers*>());

        // The user column: Temp Crew becomes Jonathan Cole.
        QStringList offered;
        QVERIFY(doubleClick(1, 1, [&](DlgOrvUsers* chooser) {
            offered = WizardFixture::entries(chooser->UsersCombo);
            QCOMPARE(chooser->UsersCombo->currentIndex(), 0);
            chooser->UsersCombo->setCurrentIndex(chooser->UsersCombo->findText("Jonathan Cole"));
            chooser->OKButton->click();
        }));
        QCOMPARE(offered.value(0), nobody + "=-1");
        QVERIFY(offered.contains("Jonathan Cole=4"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString("Jonathan Cole"));
        // Peter Marsh: the first entry means nobody.
        QVERIFY(doubleClick(0, 1, [](DlgOrvUsers* chooser) { chooser->OKButton->click(); }));
        QCOMPARE(list->topLevelItem(0)->text(1), nobody);
        // Cancel changes nothing.
        QVERIFY(doubleClick(2, 1, [](DlgOrvUsers* chooser) {
            chooser->UsersCombo->setCurrentIndex(3);
            chooser->CancelButton->click();
        }));
        QCOMPARE(list->topLevelItem(2)->text(1), QString("Ursula Brandt"));
        QVERIFY(f.wizard->findChild<DlgOrvUsers*>()); // kept for the next choice

        f.next();
        QCOMPARE(f.step(), kFinalPage);
        const QJsonArray two = f.server->calls("ImportMsProjectStep2").first().value("args").toArray();
        QVERIFY2(two[0].toInt() == 2 &&
                     two[1].toString().endsWith(
                         "<ImportAssignments>"
                         "<Assignment><ResourceId>1</ResourceId><UserId>-1</UserId></Assignment>"
                         "<Assignment><ResourceId>2</ResourceId><UserId>4</UserId></Assignment>"
                         "<Assignment><ResourceId>3</ResourceId><UserId>3</UserId></Assignment>"
                         "</ImportAssignments></ImportConfig>"),
                 qPrintable(two[1].toString()));
        // The final page unloads the chooser.
        QVERIFY(!f.wizard->findChild<DlgOrvUsers*>());
    }
};

QTEST_MAIN(TestMsProjectGui)
#include "tst_msproject_gui.moc"
