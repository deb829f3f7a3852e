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
            QVERIFY(body.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && body.isSequential());
            QByteArray read;
            while (!body.atEnd()) {
                QCOMPARE(body.bytesAvailable(), expected.size() - read.size());
                const QByteArray piece = body.read(readSize);
                QVERIFY(!piece.isEmpty());
                read += piece;
            }
            QCOMPARE(read, expected);
            // What the network layer asks before it sends a request again: the answer must be no.
            QVERIFY(!body.reset() && !body.seek(0) && body.read(10).isEmpty());
        }
    }

    void watchdog()
    {
        // Bytes keep moving, the work ends once stalled; what was seen: 1 stalled, 2 over.
        using Row = std::tuple<const char*, bool, bool, QList<int>>;
        for (const auto& [tag, progressing, endsAfterStall, events] : {
                 Row{"work that moves is left alone", true, false, {}},
                 Row{"stalled work that then ends", false, true, {1, 2}},
                 Row{"stalled work that never ends", false, false, {1, 2}},
             }) {
            QList<int> seen;
            NetworkActivity::begin();
            StallWatchdog watchdog(
                500,
                [&, ends = endsAfterStall] {
                    seen << 1;
                    if (ends)
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
            QCOMPARE(std::tuple(tag, seen, NetworkActivity::running()), std::tuple(tag, events, 0));
        }
    }
};

QTEST_GUILESS_MAIN(TestSendOnce)
#include "tst_sendonce.moc"
