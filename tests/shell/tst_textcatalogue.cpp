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

    void languageChoice()
    {
        using Row = std::tuple<const char*, QString, QString, QString>; // tag, user, system, pack chosen
        for (const auto& [tag, user, system, pack] : {
                 Row{"user scope", "de", "", "de"},
                 Row{"system scope", "", "de", "de"},
                 Row{"user wins over system", "zz", "de", "zz"},
                 Row{"user pack missing, system tried next", "xx", "zz", "zz"},
                 Row{"no pack anywhere", "xx", "yy", ""},
                 Row{"path in the code names no pack", "../lang/KitbenchRes45de", "", ""},
             }) {
            ForgetLanguagePack();
            TempSettings::setLanguage(QSettings::UserScope, user);
            TempSettings::setLanguage(QSettings::SystemScope, system);
            QCOMPARE(GetLocalizedText(987654), QString()); // an id no text has
            QCOMPARE(std::pair(tag, LanguagePackCode()), std::pair(tag, pack));
            if (pack == "zz") // the test pack has the login caption, and lacks id 100: English answers
                QVERIFY(GetLocalizedText(1102) == "zz-Login" && !GetLocalizedText(100).isEmpty());
        }
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

        const QString login = QStringLiteral("zz-Login"), english = GetLocalizedText(100);
        QCOMPARE((QStringList{window.windowTitle(), joined->text(), lastPieceMissing->text(), noId->text(),
                              textId->text(), notNumeric->text()}),
                 (QStringList{login, "A caption split over three ids.", "Ends with an underscore",
                              "keeps its design text", english /* missing in the pack */, "design"}));
        // A button's words name it; a picture's hint does, a field's joined ids without access-key marks.
        QCOMPARE((QStringList{button->toolTip(), button->accessibleName(), picture->accessibleName(),
                              uncaptioned->accessibleName()}),
                 (QStringList{login, "", login, "zz-Login " + GetLocalizedText(103).remove('&').trimmed()}));
        QCOMPARE((QStringList{menu->title(), item->text(), tabs->tabText(0), tabs->tabText(1),
                              tabs->tabToolTip(1), tool->toolTip(), tool->text()}),
                 (QStringList{english, login, login, "b", english, login, "tool"}));
        QCOMPARE((QStringList{list->headerItem()->text(0), list->headerItem()->text(1),
                              list->headerItem()->text(2)}),
                 (QStringList{login, "y", english}));
    }

private:
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_MAIN(TestTextCatalogue)
#include "tst_textcatalogue.moc"
