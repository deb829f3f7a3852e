// ApplyLocalization over every kind of control a window can carry.
#include "TempSettings.h"

#include "shell/Controls.h"
#include "shell/Localization.h"
#include "shell/TextCatalogue.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace kitbench;

class TestLocalization : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_temp = std::make_unique<TempSettings>();
        ForgetLanguagePack();
        TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("zz"));
    }
    void cleanup()
    {
        m_temp.reset();
        ForgetLanguagePack();
    }
    void everyControlKindTakesItsText();

private:
    std::unique_ptr<TempSettings> m_temp;
};

void TestLocalization::everyControlKindTakesItsText()
{
    QWidget window;
    setTextId(&window, 1102);

    auto* joined = new QLabel("design", &window);
    setTextId(joined, 9990);
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
    QCOMPARE(noId->text(), QStringLiteral("keeps its design text"));
    QCOMPARE(textId->text(), QStringLiteral("&Help")); // missing in the pack: English
    QCOMPARE(notNumeric->text(), QStringLiteral("design"));
    QCOMPARE(button->text(), GetLocalizedText(103));
    QCOMPARE(button->toolTip(), QStringLiteral("zz-Login"));
    QVERIFY(button->accessibleName().isEmpty()); // its words name it
    QCOMPARE(picture->accessibleName(), QStringLiteral("zz-Login"));
    QCOMPARE(uncaptioned->accessibleName(),
             QStringLiteral("zz-Login ") + GetLocalizedText(103).remove('&').trimmed());
    QCOMPARE(menu->title(), QStringLiteral("&Help"));
    QCOMPARE(item->text(), QStringLiteral("zz-Login"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("zz-Login"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("b"));
    QCOMPARE(tabs->tabToolTip(1), QStringLiteral("&Help"));
    QCOMPARE(tool->toolTip(), QStringLiteral("zz-Login"));
    QCOMPARE(tool->text(), QStringLiteral("tool"));
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("zz-Login"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("y"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("&Help"));
}

QTEST_MAIN(TestLocalization)
#include "tst_localization.moc"
