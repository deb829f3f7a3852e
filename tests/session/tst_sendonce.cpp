// The guards of the transports: a request body that is read once and cannot be rewound, and the
// watchdog that notices when calls and transfers stop moving.
#include "platform/NetworkActivity.h"
#include "platform/SendOnceBody.h"
#include "shell/StallWatchdog.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <QTest>

using namespace kitbench;

class TestSendOnce : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bodyReadsItsPiecesOnce_data();
    void bodyReadsItsPiecesOnce();
    void bodyFailsWhenAFileFallsShort();
    void watchdog_data();
    void watchdog();
};

void TestSendOnce::bodyReadsItsPiecesOnce_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces"); // "@..." is a file with that content
    QTest::addColumn<int>("readSize");
    QTest::newRow("bytes, file, bytes") << QList<QByteArray>{"head;", "@file content", ";tail"} << 4;
    QTest::newRow("one big read") << QList<QByteArray>{"a", "@b", "c"} << 1000;
    QTest::newRow("empty file between") << QList<QByteArray>{"head", "@", "tail"} << 3;
    QTest::newRow("large file") << QList<QByteArray>{"--", "@" + QByteArray(300000, 'x'), "--"} << 65536;
}

void TestSendOnce::bodyReadsItsPiecesOnce()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, readSize);
    SendOnceBody body;
    QByteArray expected;
    for (const QByteArray& piece : pieces) {
        if (piece.startsWith('@')) {
            auto* file = new QTemporaryFile(&body);
            QVERIFY(file->open());
            file->write(piece.mid(1));
            file->seek(0);
            body.append(file, piece.size() - 1);
            expected += piece.mid(1);
        } else {
            body.append(piece);
            expected += piece;
        }
    }
    QCOMPARE(body.totalSize(), expected.size());
    QVERIFY(body.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QVERIFY(body.isSequential());
    QByteArray read;
    while (!body.atEnd()) {
        QCOMPARE(body.bytesAvailable(), expected.size() - read.size());
        const QByteArray piece = body.read(readSize);
        QVERIFY(!piece.isEmpty());
        read += piece;
    }
    QCOMPARE(read, expected);
    // What the network layer asks before it sends a request again: the answer must be no.
    QVERIFY(!body.reset());
    QVERIFY(!body.seek(0));
    QVERIFY(body.read(10).isEmpty());
}

void TestSendOnce::bodyFailsWhenAFileFallsShort()
{
    SendOnceBody body;
    auto* file = new QBuffer(&body);
    file->setData("short");
    file->open(QIODevice::ReadOnly);
    body.append("head");
    body.append(file, 100); // announced longer than it is
    QVERIFY(body.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QCOMPARE(body.read(1000), QByteArray("headshort"));
    QCOMPARE(body.read(1000), QByteArray());
    QVERIFY(!body.atEnd()); // the announced length was not reached: the post must fail
}

void TestSendOnce::watchdog_data()
{
    QTest::addColumn<bool>("progressing"); // bytes keep moving
    QTest::addColumn<bool>("endsAfterStall");
    QTest::addColumn<QList<int>>("events"); // 1 stalled, 2 over
    QTest::newRow("work that moves is left alone") << true << false << QList<int>{};
    QTest::newRow("stalled work that then ends") << false << true << QList<int>{1, 2};
    QTest::newRow("stalled work that never ends") << false << false << QList<int>{1, 2};
}

void TestSendOnce::watchdog()
{
    QFETCH(bool, progressing);
    QFETCH(bool, endsAfterStall);
    QFETCH(QList<int>, events);
    QList<int> seen;
    NetworkActivity::begin();
    StallWatchdog watchdog(
        500,
        [&] {
            seen << 1;
            if (endsAfterStall)
                NetworkActivity::end();
        },
        [&] { seen << 2; });
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [] { NetworkActivity::progressed(); });
    if (progressing)
        mover.start(10);
    QTest::qWait(2500);
    if (!endsAfterStall)
        NetworkActivity::end();
    QCOMPARE(seen, events);
    QCOMPARE(NetworkActivity::running(), 0);
}

QTEST_GUILESS_MAIN(TestSendOnce)
#include "tst_sendonce.moc"
