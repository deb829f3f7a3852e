// Every input under fuzz/corpus/<target> and fuzz/regressions/<target> goes through the entry of that
// target. The entries abort when an input breaks a property, as sanitizer builds do on a memory error.
#include "KitbenchEntries.h"
#ifdef FUZZ_DEVSERVER
#include "DevServerEntries.h"
#endif

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTest>

namespace {

const QMap<QString, FuzzEntry>& entries()
{
    static const QMap<QString, FuzzEntry> byTarget{
        {"commandline", fuzzCommandLine},   {"answerfile", fuzzAnswerFile},
        {"soapresponse", fuzzSoapResponse}, {"servicedescription", fuzzServiceDescription},
        {"librarytree", fuzzLibraryTree},   {"listfolders", fuzzListFolders},
        {"projectlist", fuzzProjectList},   {"dictionaries", fuzzDictionaries},
        {"planxml", fuzzPlanXml},
#ifdef FUZZ_DEVSERVER
        {"soaprequest", fuzzSoapRequest},   {"formpost", fuzzFormPost},
        {"workbook", fuzzWorkbook},         {"sheetxml", fuzzSheetXml},
#endif
    };
    return byTarget;
}

} // namespace

class tst_FuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        QSet<QString> seeded;
        for (const QString& kind : {QStringLiteral("corpus"), QStringLiteral("regressions")}) {
            const QDir root(QStringLiteral(FUZZ_DATA) + '/' + kind);
            for (const QString& target : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (!entries().contains(target)) {
#ifdef FUZZ_DEVSERVER
                    QFAIL(qPrintable(kind + '/' + target + " belongs to no fuzz target"));
#else
                    continue; // a development server target, not built here
#endif
                }
                QDirIterator files(root.filePath(target), QDir::Files);
                while (files.hasNext()) {
                    const QString path = files.next();
                    QTest::addRow("%s/%s/%s", qPrintable(kind), qPrintable(target),
                                  qPrintable(files.fileName()))
                        << target << path;
                    seeded.insert(target);
                }
            }
        }
        // A target without seeds would start from nothing and be replayed by nobody.
        for (auto it = entries().cbegin(); it != entries().cend(); ++it)
            QVERIFY2(seeded.contains(it.key()), qPrintable("no corpus for " + it.key()));
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        entries().value(target)(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                static_cast<std::size_t>(input.size()));
    }
};

QTEST_GUILESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzzcorpus.moc"
