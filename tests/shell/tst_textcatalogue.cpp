// The texts of the language packs: which pack is chosen, English where a pack lacks an id, Qt's own
// words, and ApplyLocalization over every kind of control a window can carry.
#include "TempSettings.h"

#include "shell/Controls.h"
#include "shell/Localization.h"
#include "shell/TextCatalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace kitbench;

class TestTextCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_temp = std::make_unique<TempSettings>();
        ForgetLanguagePack();
    }
    void cleanup()
    {
        m_temp.reset();
        ForgetLanguagePack();
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("pack");
        const auto row = [](const char* tag, const QString& user, const QString& system,
                            const QString& pack) { QTest::newRow(tag) << user << system << pack; };
        row("user scope", "de", "", "de");
        row("system scope", "", "de", "de");
        row("user wins over system", "zz", "de", "zz");
        row("user pack missing, system tried next", "xx", "zz", "zz");
        row("no pack anywhere", "xx", "yy", "");
        row("path in the code names no pack", "../lang/KitbenchRes45de", "", "");
    }

    void languageChoice()
    {
        QFETCH(QString, user);
        QFETCH(QString, system);
        QFETCH(QString, pack);
        TempSettings::setLanguage(QSettings::UserScope, user);
        TempSettings::setLanguage(QSettings::SystemScope, system);
        QCOMPARE(GetLocalizedText(987654), QString()); // an id no text has
        QCOMPARE(LanguagePackCode(), pack);
        if (pack == "zz") // the test pack has the login caption, and lacks id 100: English answers
            QVERIFY(GetLocalizedText(1102) == "zz-Login" && !GetLocalizedText(100).isEmpty());
    }

    // A lookup without a pack does not stop a later one from loading it, and once created, the pack is kept
    // for the life of the program. Qt's own words (the buttons of a question, the file dialog) follow it.
    void packIsKeptOnceLoaded()
    {
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        const auto pack = [&](const QString& code) {
            TempSettings::setLanguage(QSettings::UserScope, code);
            GetLocalizedText(100);
            return LanguagePackCode() + ' ' + yes();
        };
        QCOMPARE(pack(QString()), QStringLiteral(" &Yes"));
        ForgetLanguagePack();
        QCOMPARE(pack(QStringLiteral("de")), QStringLiteral("de &Ja"));
        QCOMPARE(pack(QStringLiteral("zz")), QStringLiteral("de &Ja"));
        ForgetLanguagePack();
        QCOMPARE(pack(QString()), QStringLiteral(" &Yes"));
    }

    void everyControlKindTakesItsText()
    {
        TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("zz"));
        QWidget window;
        setTextId(&window, 1102);

        auto* joined = new QLabel("design", &window);
        setTextId(joined, 9990);
        auto* lastPieceMissing = new QLabel("design", &window);
        setTextId(lastPieceMissing, 9993);
        auto* noId = new QLabel("keeps its design text", &window);
        auto* textId = new QLabel("design", &window);
        textId->setProperty(kTextIdProperty, QStringLiteral(" 100 ")); // numeric text counts too
        auto* notNumeric = new QLabel("design", &window);
        notNumeric->setProperty(kTextIdProperty, QStringLiteral("abc"));
        auto* button = new QPushButton("design", &window);
        setTextId(button, 103);
        button->setProperty(kToolTipTextIdProperty, 1102);
        auto* picture = new QPushButton("...", &window); // no words: its hint names it for screen readers
        picture->setProperty(kToolTipTextIdProperty, 1102);
        auto* uncaptioned = new QLineEdit(&window);
        setAccessibleNameTextIds(uncaptioned, {1102, 103}); // joined, without access-key marks

        auto* menu = new QMenu("design", &window);
        setTextId(menu, 100);
        QAction* item = menu->addAction(QStringLiteral("design"));
        setTextId(item, 1102);

        auto* tabs = new QTabBar(&window);
        tabs->addTab(QStringLiteral("a"));
        tabs->addTab(QStringLiteral("b"));
        tabs->setProperty("tabTextIds", QVariantList{1102, 0});
        tabs->setProperty("tabToolTipTextIds", QVariantList{0, 100});

        auto* toolBar = new QToolBar(&window);
        QAction* tool = toolBar->addAction(QStringLiteral("tool"));
        setTextId(tool, 1102);

        auto* list = new QTreeWidget(&window);
        list->setColumnCount(3);
        list->setHeaderLabels({"x", "y", "z"});
        list->setProperty(kColumnTextIdsProperty, QVariantList{1102, 0, 100});

        ApplyLocalization(&window);

        QCOMPARE(window.windowTitle(), QStringLiteral("zz-Login"));
        QCOMPARE(joined->text(), QStringLiteral("A caption split over three ids."));
        QCOMPARE(lastPieceMissing->text(), QStringLiteral("Ends with an underscore"));
        QCOMPARE(noId->text(), QStringLiteral("keeps its design text"));
        QCOMPARE(textId->text(), GetLocalizedText(100)); // missing in the pack: English
        QCOMPARE(notNumeric->text(), QStringLiteral("design"));
        QCOMPARE(button->toolTip(), QStringLiteral("zz-Login"));
        QVERIFY(button->accessibleName().isEmpty()); // its words name it
        QCOMPARE(picture->accessibleName(), QStringLiteral("zz-Login"));
        QCOMPARE(uncaptioned->accessibleName(),
                 QStringLiteral("zz-Login ") + GetLocalizedText(103).remove('&').trimmed());
        QCOMPARE(menu->title(), GetLocalizedText(100));
        QCOMPARE(item->text(), QStringLiteral("zz-Login"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("zz-Login"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("b"));
        QCOMPARE(tabs->tabToolTip(1), GetLocalizedText(100));
        QCOMPARE(tool->toolTip(), QStringLiteral("zz-Login"));
        QCOMPARE(tool->text(), QStringLiteral("tool"));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("zz-Login"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("y"));
        QCOMPARE(list->headerItem()->text(2), GetLocalizedText(100));
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_MAIN(TestTextCatalogue)
#include "tst_textcatalogue.moc"
