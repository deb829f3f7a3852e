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
    void fitOnScreenOrBesideTheOwner()
    {
        const QRect screen(0, 40, 1920, 1040); // 1920x1080 with a 40 pixel panel on top
        using Row = std::pair<QRect, QRect>;   // wanted, placed
        for (const auto& [wanted, placed] : {
                 Row{QRect(100, 100, 700, 500), QRect(100, 100, 700, 500)},   // inside stays
                 Row{QRect(1800, 100, 700, 500), QRect(1220, 100, 700, 500)}, // off the right edge
                 Row{QRect(10, 0, 700, 500), QRect(10, 40, 700, 500)},        // under the panel
                 Row{QRect(-3000, 2000, 700, 500), QRect(0, 580, 700, 500)},  // a screen that is gone
                 Row{QRect(0, 0, 2500, 1200), QRect(0, 40, 1920, 1040)},      // larger than the screen
             })
            QCOMPARE(kitbench::fitOnScreen(wanted, screen), placed);
        for (const auto& [owner, placed] : {
                 Row{QRect(100, 100, 720, 540), QRect(820, 100, 560, 520)},  // room on the right
                 Row{QRect(1000, 100, 720, 540), QRect(440, 100, 560, 520)}, // room on the left only
                 Row{QRect(700, 600, 720, 540), QRect(140, 560, 560, 520)},  // no room: over the owner
             })
            QCOMPARE(kitbench::besideOwner(owner, QSize(560, 520), screen), placed);
    }

    void storedText()
    {
        using Row = std::pair<QString, QRect>; // text, place (null: not a place)
        for (const auto& [text, place] :
             {Row{"-20,30,720,540", QRect(-20, 30, 720, 540)}, Row{" 1, 2 ,3,4", QRect(1, 2, 3, 4)},
              Row{"", {}}, Row{"1,2,3", {}}, Row{"1,2,0,4", {}}, Row{"a,b,c,d", {}}})
            QCOMPARE(parsePlacement(text), place.isNull() ? std::nullopt : std::optional<QRect>(place));
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

    void saveDialogStartsInDownloads()
    {
        const QDir downloads(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QCOMPARE(savePathProposal("report.pdf"), downloads.filePath("report.pdf")); // the server's file name
        QCOMPARE(savePathProposal(QString()), downloads.filePath(QString()));
        QCOMPARE(savePathProposal("/srv/share/report.pdf"), QString("/srv/share/report.pdf")); // a path stays
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
