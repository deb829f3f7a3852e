// Where the wizard and its help window appear (kept on screen, remembered between runs), and where a
// download's save dialog starts.
#include "TempSettings.h"

#include "platform/MessageBoxPresenter.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"
#include "shell/CommandLine.h"
#include "shell/PageGraph.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

using namespace kitbench;

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fitOnScreen_data()
    {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("placed");
        // The screen: 0,0 1920x1080 with a 40 pixel panel on top.
        QTest::newRow("inside stays") << QRect(100, 100, 700, 500) << QRect(100, 100, 700, 500);
        QTest::newRow("off the right edge") << QRect(1800, 100, 700, 500) << QRect(1220, 100, 700, 500);
        QTest::newRow("under the panel") << QRect(10, 0, 700, 500) << QRect(10, 40, 700, 500);
        QTest::newRow("screen that is gone") << QRect(-3000, 2000, 700, 500) << QRect(0, 580, 700, 500);
        QTest::newRow("larger than the screen") << QRect(0, 0, 2500, 1200) << QRect(0, 40, 1920, 1040);
    }

    void fitOnScreen()
    {
        QFETCH(QRect, wanted);
        QFETCH(QRect, placed);
        QCOMPARE(kitbench::fitOnScreen(wanted, QRect(0, 40, 1920, 1040)), placed);
    }

    void besideOwner_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("room on the right") << QRect(100, 100, 720, 540) << QRect(820, 100, 560, 520);
        QTest::newRow("room on the left only") << QRect(1000, 100, 720, 540) << QRect(440, 100, 560, 520);
        QTest::newRow("no room: over the owner, on screen")
            << QRect(700, 600, 720, 540) << QRect(140, 560, 560, 520);
    }

    void besideOwner()
    {
        QFETCH(QRect, owner);
        QFETCH(QRect, placed);
        QCOMPARE(kitbench::besideOwner(owner, QSize(560, 520), QRect(0, 40, 1920, 1040)), placed);
    }

    void storedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("place"); // null: not a place
        QTest::newRow("a place") << "-20,30,720,540" << QRect(-20, 30, 720, 540);
        QTest::newRow("spaces") << " 1, 2 ,3,4" << QRect(1, 2, 3, 4);
        QTest::newRow("empty") << "" << QRect();
        QTest::newRow("three numbers") << "1,2,3" << QRect();
        QTest::newRow("no size") << "1,2,0,4" << QRect();
        QTest::newRow("words") << "a,b,c,d" << QRect();
    }

    void storedText()
    {
        QFETCH(QString, text);
        QFETCH(QRect, place);
        const std::optional<QRect> parsed = parsePlacement(text);
        QCOMPARE(parsed.has_value(), !place.isNull());
        if (parsed)
            QCOMPARE(*parsed, place);
        QCOMPARE(parsePlacement(placementText(QRect(5, -6, 7, 8))), std::optional<QRect>(QRect(5, -6, 7, 8)));
    }

    void wizardComesBackWhereItWasClosed()
    {
        TempSettings temp;
        ForgetLanguagePack();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect place(screen.left() + 20, screen.top() + 30, 700, 520);
        {
            frmWizard wizard;
            wizard.Form_Load(parseCommandLine(QStringLiteral("/createtask")));
            wizard.show();
            QVERIFY(QTest::qWaitForWindowExposed(&wizard));
            wizard.setGeometry(place);
            wizard.ShowStep(kFinalPage, NavNext); // the window closes without asking there
            QVERIFY(wizard.close());
        }
        QCOMPARE(parsePlacement(SettingsStore().read(QStringLiteral("WindowPlacement"), QString())),
                 std::optional<QRect>(place));

        frmWizard again;
        again.Form_Load(parseCommandLine(QStringLiteral("/createtask")));
        QCOMPARE(again.geometry(), place);

        // An unattended run keeps the default size and leaves the remembered place alone.
        SettingsStore().write(QStringLiteral("WindowPlacement"), QStringLiteral("4000,4000,900,700"));
        frmWizard unattended;
        unattended.Form_Load(parseCommandLine(QStringLiteral("/createtask /UNATTENDED answers.txt")));
        QCOMPARE(unattended.size(), QSize(720, 540));
        frmWizard moved;
        moved.Form_Load(parseCommandLine(QStringLiteral("/createtask")));
        QVERIFY2(screen.contains(moved.geometry()), "a place off today's screens is brought back onto it");
        ForgetLanguagePack();
    }

    void saveDialogStartsInDownloads_data()
    {
        QTest::addColumn<QString>("proposal");
        QTest::addColumn<QString>("start"); // relative to the Downloads folder unless absolute
        QTest::newRow("the server's file name") << "report.pdf" << QString("report.pdf");
        QTest::newRow("no name") << QString() << QString();
        QTest::newRow("a path stays") << "/srv/share/report.pdf" << QString("/srv/share/report.pdf");
    }

    void saveDialogStartsInDownloads()
    {
        QFETCH(QString, proposal);
        QFETCH(QString, start);
        const QDir downloads(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QCOMPARE(savePathProposal(proposal), start.startsWith('/') ? start : downloads.filePath(start));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
