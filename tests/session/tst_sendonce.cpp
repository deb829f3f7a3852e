// The guards of the transports: a request body that is read once and cannot be rewound, and the
// watchdog that notices when calls and transfers stop moving.
#include "platform/NetworkActivity.h"
#include "platform/SendOnceBody.h"
#include "shell/StallWatchdog.h"

#include <QTest>

using namespace kitbench;

class TestSendOnce : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bodyIsReadOnce()
    {
        // Small reads, one read bigger than the body, a large body.
        for (const auto& [size, readSize] :
             {std::pair{10, 4}, std::pair{3, 1000}, std::pair{300000, 65536}}) {
            QByteArray expected(size, 'x');
            for (int i = 0; i < size; ++i)
                expected[i] = char('a' + i % 26);
            SendOnceBody body(expected);
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
    }

    void watchdog_data()
    {
        QTest::addColumn<bool>("progressing"); // bytes keep moving
        QTest::addColumn<bool>("endsAfterStall");
        QTest::addColumn<QList<int>>("events"); // 1 stalled, 2 over
        QTest::newRow("work that moves is left alone") << true << false << QList<int>{};
        QTest::newRow("stalled work that then ends") << false << true << QList<int>{1, 2};
        QTest::newRow("stalled work that never ends") << false << false << QList<int>{1, 2};
    }

    void watchdog()
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
};

QTEST_GUILESS_MAIN(TestSendOnce)
#include "tst_sendonce.moc"
