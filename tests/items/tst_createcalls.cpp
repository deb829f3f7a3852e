#include "items/CreateCalls.h"
#include "shell/RunMode.h"

#include <QTest>

using namespace kitbench;

namespace {

const QStringList kVersions{"3.0", "3.5", "4.0", "4.1", "4.5", "4.7"};

bool isNew(const QString& version)
{
    return version == u"4.5" || version == u"4.7";
}

QVariant ids(const QList<qint32>& list)
{
    return QVariant::fromValue(list);
}

QVariant int16(int value)
{
    return QVariant::fromValue(qint16(value));
}

const QDateTime kStart(QDate(2024, 3, 1), QTime(9, 30));
const QDateTime kFinish(QDate(2024, 3, 2), QTime(17, 0));

// Same method, same number of arguments, and each argument of the same type and value.
void verifyCall(const std::optional<ServerCall>& call, const QString& method, const QVariantList& expected)
{
    QVERIFY(call.has_value());
    QCOMPARE(call->method, method);
    QCOMPARE(call->arguments.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QByteArray where = "argument " + QByteArray::number(i + 1);
        QVERIFY2(call->arguments[i].metaType() == expected[i].metaType(),
                 (where + ": " + call->arguments[i].metaType().name() + " instead of " +
                  expected[i].metaType().name())
                     .constData());
        QVERIFY2(call->arguments[i] == expected[i], where.constData());
    }
}

IncidentValues incident()
{
    IncidentValues v;
    v.title = QStringLiteral("  Printer jams ");
    v.description = QStringLiteral("Tray 2\nalways");
    v.project = 23;
    v.type = 10;
    v.priority = 2;
    v.severity = 22;
    v.categoryIds = {4, 12};
    v.incidentBox = 5;
    v.client = -12;
    return v;
}

EventValues calendarEvent()
{
    EventValues v;
    v.title = QStringLiteral("Kick-off");
    v.location = QStringLiteral("Room 1");
    v.description = QStringLiteral("Agenda");
    v.project = 0;
    v.organizer = 102;
    v.start = kStart;
    v.end = kFinish;
    v.priority = 2;
    v.type = 31;
    v.reminder = -1;
    v.client = 40;
    v.participants = {101, -103};
    return v;
}

ToDoValues toDo()
{
    ToDoValues v;
    v.title = QStringLiteral("Call back");
    v.description = QString();
    v.project = 23;
    v.manager = 102;
    v.start = kStart;
    v.finish = kFinish;
    v.startEnabled = false;
    v.finishEnabled = true;
    v.priority = 3;
    v.completionType = 1;
    v.mustBeConfirmed = true;
    v.client = std::nullopt;
    v.participants = {};
    return v;
}

ProjectValues project()
{
    ProjectValues v;
    v.title = QStringLiteral("Rollout");
    v.description = QStringLiteral("d");
    v.goals = QStringLiteral("g");
    v.scope = QStringLiteral("s");
    v.deliverables = QStringLiteral("x");
    v.manager = 101;
    v.executive = 0;
    v.start = kStart;
    v.finish = kFinish;
    v.status = 1;
    v.type = 2;
    v.calendar = 1;
    v.client = -12;
    v.currency = 978;
    v.priority = 3;
    v.phase = 61;
    v.templateId = 9;
    v.categoryIds = {4};
    v.participants = {101, -102};
    v.portfolioIds = {51, 52};
    v.assignmentKeys = {QStringLiteral("U101:7"), QStringLiteral("U102:8")};
    return v;
}

} // namespace

class TestCreateCalls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void incidentByVersion_data();
    void incidentByVersion();
    void taskOnEveryVersion_data();
    void taskOnEveryVersion();
    void eventByVersion_data();
    void eventByVersion();
    void toDoByVersion_data();
    void toDoByVersion();
    void toDoDateFlags_data();
    void toDoDateFlags();
    void projectByVersion_data();
    void projectByVersion();
    void projectTemplate_data();
    void projectTemplate();
    void list();
    void itemClientIds_data();
    void itemClientIds();
    void projectClientIds_data();
    void projectClientIds();
    void participants_data();
    void participants();
    void checkedCategoryIds();
    void unselectedComboFailsOnlyWhereItIsRead_data();
    void unselectedComboFailsOnlyWhereItIsRead();
    void createKindByRunMode();
};

void TestCreateCalls::incidentByVersion_data()
{
    QTest::addColumn<QString>("version");
    for (const QString& version : kVersions)
        QTest::newRow(version.toLatin1().constData()) << version;
}

void TestCreateCalls::incidentByVersion()
{
    QFETCH(QString, version);
    QVariantList expected{
        QStringLiteral("  Printer jams "), QStringLiteral("Tray 2\nalways"), 23, 10, 2, 22, ids({4, 12})};
    if (!isNew(version)) {
        verifyCall(incidentCreateCall(incident(), version), QStringLiteral("CreateIncident"), expected);
        return;
    }
    expected << 5 << -1 << 12; // box, contact none, organization 12
    verifyCall(incidentCreateCall(incident(), version), QStringLiteral("CreateIncident45"), expected);

    IncidentValues noClient = incident();
    noClient.client = std::nullopt;
    noClient.categoryIds = {};
    const std::optional<ServerCall> call = incidentCreateCall(noClient, version);
    QVERIFY(call);
    QCOMPARE(call->arguments[6], ids({}));
    QCOMPARE(call->arguments[8], QVariant(-1));
    QCOMPARE(call->arguments[9], QVariant(-1));
}

void TestCreateCalls::taskOnEveryVersion_data()
{
    incidentByVersion_data();
}

void TestCreateCalls::taskOnEveryVersion()
{
    QFETCH(QString, version);
    Q_UNUSED(version); // one call for every server version
    TaskValues v;
    v.title = QStringLiteral("Draft plan");
    v.description = QStringLiteral("first");
    v.project = 23;
    v.start = kStart;
    v.finish = kFinish;
    v.isMilestone = true;
    v.priority = 2;
    v.completionType = 1;
    v.mustBeConfirmed = false;
    v.participants = {101, -102};
    verifyCall(taskCreateCall(v), QStringLiteral("CreateTask"),
               {QStringLiteral("Draft plan"), QStringLiteral("first"), 23, kStart, kFinish, true, 2, 1, false,
                ids({101, -102})});
}

void TestCreateCalls::eventByVersion_data()
{
    incidentByVersion_data();
}

void TestCreateCalls::eventByVersion()
{
    QFETCH(QString, version);
    QVariantList expected{QStringLiteral("Kick-off"),
                          QStringLiteral("Room 1"),
                          QStringLiteral("Agenda"),
                          0,
                          102,
                          kStart,
                          kFinish,
                          2,
                          31,
                          -1};
    if (isNew(version)) {
        expected << 40 << -1 << ids({101, -103}); // a contact
        verifyCall(eventCreateCall(calendarEvent(), version), QStringLiteral("CreateEvent45"), expected);
    } else {
        expected << ids({101, -103});
        verifyCall(eventCreateCall(calendarEvent(), version), QStringLiteral("CreateEvent"), expected);
    }
}

void TestCreateCalls::toDoByVersion_data()
{
    incidentByVersion_data();
}

void TestCreateCalls::toDoByVersion()
{
    QFETCH(QString, version);
    QVariantList expected{
        QStringLiteral("Call back"), QString(), 23, 102, kStart, kFinish, int16(2), 3, 1, true};
    if (isNew(version)) {
        expected << -1 << -1 << ids({});
        verifyCall(toDoCreateCall(toDo(), version), QStringLiteral("CreateToDo45"), expected);
    } else {
        expected << ids({});
        verifyCall(toDoCreateCall(toDo(), version), QStringLiteral("CreateToDo"), expected);
    }
}

void TestCreateCalls::toDoDateFlags_data()
{
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("finish");
    QTest::addColumn<int>("flags");
    QTest::newRow("neither") << false << false << 0;
    QTest::newRow("start") << true << false << 1;
    QTest::newRow("finish") << false << true << 2;
    QTest::newRow("both") << true << true << 3;
}

void TestCreateCalls::toDoDateFlags()
{
    QFETCH(bool, start);
    QFETCH(bool, finish);
    QFETCH(int, flags);
    ToDoValues v = toDo();
    v.startEnabled = start;
    v.finishEnabled = finish;
    const std::optional<ServerCall> call = toDoCreateCall(v, QStringLiteral("4.1"));
    QVERIFY(call);
    QCOMPARE(call->arguments[6], int16(flags));
    // Both dates go out whatever the flags say.
    QCOMPARE(call->arguments[4], QVariant(kStart));
    QCOMPARE(call->arguments[5], QVariant(kFinish));
}

void TestCreateCalls::projectByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("tail"); // the arguments after the calendar id
    const QVariantList head45{-1, 12, 978, 3, 61, ids({4}), ids({101, -102}), ids({51, 52})};
    const QVariantList head40{-12, 978, 3, 61, ids({4}), ids({101, -102}), ids({51, 52})};
    const QVariantList old{-12, 978, ids({4}), ids({101, -102})};
    QTest::newRow("3.0") << "3.0"
                         << "CreateProject" << old;
    QTest::newRow("3.5") << "3.5"
                         << "CreateProject" << old;
    QTest::newRow("4.0") << "4.0"
                         << "CreateProject40" << head40;
    QTest::newRow("4.1") << "4.1"
                         << "CreateProject40" << head40;
    QTest::newRow("4.5") << "4.5"
                         << "CreateProject45" << head45;
    QTest::newRow("4.7") << "4.7"
                         << "CreateProject45" << head45;
}

void TestCreateCalls::projectByVersion()
{
    QFETCH(QString, version);
    QFETCH(QString, method);
    QFETCH(QVariantList, tail);
    QVariantList expected{QStringLiteral("Rollout"),
                          QStringLiteral("d"),
                          QStringLiteral("g"),
                          QStringLiteral("s"),
                          QStringLiteral("x"),
                          101,
                          0,
                          kStart,
                          kFinish,
                          1,
                          2,
                          1};
    expected << tail;
    verifyCall(projectCreateCall(project(), version), method, expected);

    // Old servers never read priority, phase, portfolios or template.
    ProjectValues sparse = project();
    sparse.priority = std::nullopt;
    sparse.phase = std::nullopt;
    QCOMPARE(projectCreateCall(sparse, version).has_value(), !serverHasProjectTemplates(version));
}

void TestCreateCalls::projectTemplate_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("templateId"); // -1: no entry selected
    QTest::addColumn<bool>("called");
    QTest::newRow("4.7 with template") << "4.7" << 9 << true;
    QTest::newRow("4.0 with template") << "4.0" << 9 << true;
    QTest::newRow("4.0 no template") << "4.0" << 0 << false;
    QTest::newRow("4.5 nothing selected") << "4.5" << -1 << false;
    QTest::newRow("3.5 never") << "3.5" << 9 << false;
}

void TestCreateCalls::projectTemplate()
{
    QFETCH(QString, version);
    QFETCH(int, templateId);
    QFETCH(bool, called);
    ProjectValues v = project();
    v.templateId = templateId < 0 ? ComboData() : ComboData(templateId);
    QCOMPARE(projectTemplateId(v), qMax(templateId, 0));
    const std::optional<ServerCall> call = projectTemplateCall(v, version, 4711);
    QCOMPARE(call.has_value(), called);
    if (call)
        verifyCall(call, QStringLiteral("updateProjectFromTemplate"),
                   {4711, templateId, QVariant::fromValue(QStringList{"101:7", "102:8"})});
}

void TestCreateCalls::list()
{
    ListValues v;
    v.title = QStringLiteral("Suppliers");
    v.description = QStringLiteral("all of them");
    v.folderTag = QStringLiteral("42");
    v.type = 1;
    v.status = 2;
    v.categoryIds = {};
    verifyCall(listCreateCall(v), QStringLiteral("CreateList"),
               {int16(0), QStringLiteral("Suppliers"), QStringLiteral("all of them"), QStringLiteral("42"), 1,
                2, ids({})});
}

void TestCreateCalls::itemClientIds_data()
{
    QTest::addColumn<int>("itemData"); // -9999: nothing selected
    QTest::addColumn<int>("contact");
    QTest::addColumn<int>("organization");
    QTest::newRow("nothing selected") << -9999 << -1 << -1;
    QTest::newRow("contact") << 12 << 12 << -1;
    QTest::newRow("organization") << -12 << -1 << 12;
    QTest::newRow("zero counts as organization 0") << 0 << -1 << 0;
}

void TestCreateCalls::itemClientIds()
{
    QFETCH(int, itemData);
    QFETCH(int, contact);
    QFETCH(int, organization);
    const ClientIds client = clientIdsForItem(itemData == -9999 ? ComboData() : ComboData(itemData));
    QCOMPARE(client, (ClientIds{contact, organization}));
}

void TestCreateCalls::projectClientIds_data()
{
    QTest::addColumn<int>("itemData");
    QTest::addColumn<int>("contact");
    QTest::addColumn<int>("organization");
    QTest::newRow("no client") << 0 << -1 << -1;
    QTest::newRow("contact") << 40 << 40 << -1;
    QTest::newRow("organization") << -12 << -1 << 12;
}

void TestCreateCalls::projectClientIds()
{
    QFETCH(int, itemData);
    QFETCH(int, contact);
    QFETCH(int, organization);
    QCOMPARE(clientIdsForProject(itemData), (ClientIds{contact, organization}));
}

void TestCreateCalls::participants_data()
{
    QTest::addColumn<QList<TeamRow>>("rows");
    QTest::addColumn<QList<qint32>>("expected");
    QTest::addColumn<bool>("ok");
    QTest::newRow("none") << QList<TeamRow>() << QList<qint32>() << true;
    QTest::newRow("users, must confirm negated, groups by id")
        << QList<TeamRow>{{"U101", "<user>"}, {"U102", "<user_must_be_confirmed>"}, {"G7", "<folder>"}}
        << QList<qint32>{101, -102, 7} << true;
    QTest::newRow("a key without a number") << QList<TeamRow>{{"Ux", "<user>"}} << QList<qint32>() << false;
}

void TestCreateCalls::participants()
{
    QFETCH(QList<TeamRow>, rows);
    QFETCH(QList<qint32>, expected);
    QFETCH(bool, ok);
    const std::optional<QList<qint32>> list = participantList(rows);
    QCOMPARE(list.has_value(), ok);
    if (list)
        QCOMPARE(*list, expected);
}

void TestCreateCalls::checkedCategoryIds()
{
    const QList<CheckedListItem> items{{"C4", true}, {"C9", false}, {"C12", true}, {"C-3", true}};
    QCOMPARE(checkedIds(items), std::optional<QList<qint32>>(QList<qint32>{4, 12, -3}));
    QCOMPARE(checkedIds({{"C4", false}}), std::optional<QList<qint32>>(QList<qint32>{}));
    QVERIFY(!checkedIds({{"Cabc", true}}).has_value());
    QVERIFY(checkedIds({{"Cabc", false}}).has_value()); // unchecked items are never read
}

void TestCreateCalls::unselectedComboFailsOnlyWhereItIsRead_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("incidentBoxRead");
    QTest::newRow("4.1") << "4.1" << false;
    QTest::newRow("4.7") << "4.7" << true;
}

void TestCreateCalls::unselectedComboFailsOnlyWhereItIsRead()
{
    QFETCH(QString, version);
    QFETCH(bool, incidentBoxRead);
    IncidentValues v = incident();
    v.incidentBox = std::nullopt;
    QCOMPARE(incidentCreateCall(v, version).has_value(), !incidentBoxRead);
    v = incident();
    v.type = std::nullopt;
    QVERIFY(!incidentCreateCall(v, version).has_value());

    EventValues e = calendarEvent();
    e.organizer = std::nullopt;
    QVERIFY(!eventCreateCall(e, version).has_value());
    e = calendarEvent();
    e.client = std::nullopt; // no client is a valid choice
    QVERIFY(eventCreateCall(e, version).has_value());

    ProjectValues p = project();
    p.client = std::nullopt; // the project page always has a client entry selected
    QVERIFY(!projectCreateCall(p, version).has_value());

    ListValues l;
    l.type = 1;
    QVERIFY(!listCreateCall(l).has_value());
}

void TestCreateCalls::createKindByRunMode()
{
    QCOMPARE(createKindFor(CREATEINCIDENT, false), CreateKind::Incident);
    QCOMPARE(createKindFor(CREATETASK, false), CreateKind::Task);
    QCOMPARE(createKindFor(CREATEEVENT, false), CreateKind::Event);
    QCOMPARE(createKindFor(CREATETODO, false), CreateKind::ToDo);
    QCOMPARE(createKindFor(CREATELIST, false), CreateKind::List);
    QCOMPARE(createKindFor(CREATEPROJECT, false), CreateKind::Project);
    QCOMPARE(createKindFor(IMPORTPROJECT, true), CreateKind::Project);
    QCOMPARE(createKindFor(IMPORTPROJECT, false), CreateKind::ExistingProject);
    for (int mode : {int(UPLOAD), int(DOWNLOAD), int(EXPORTPROJECT), int(EXPORTCALENDAR), int(IMPORTLIST), 0})
        QCOMPARE(createKindFor(mode, true), CreateKind::Nothing);
}

QTEST_GUILESS_MAIN(TestCreateCalls)
#include "tst_createcalls.moc"
