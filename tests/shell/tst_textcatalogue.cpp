#include "TempSettings.h"

#include "shell/TextCatalogue.h"

#include <QCoreApplication>
#include <QTest>

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

    void withoutLanguageTheBuiltInEnglishIsUsed();
    void languageChoice_data();
    void languageChoice();
    void idMissingInPackFallsBackToEnglish();
    void failedLoadIsRetriedOnNextLookup();
    void joinedText_data();
    void joinedText();
    void unknownIdIsEmpty();
    void qtTextsFollowThePack();

private:
    std::unique_ptr<TempSettings> m_temp;
};

void TestTextCatalogue::withoutLanguageTheBuiltInEnglishIsUsed()
{
    QCOMPARE(GetLocalizedText(102), QStringLiteral("< &Back"));
    QCOMPARE(GetLocalizedText(1110), QStringLiteral("Use Secu&re Connection (SSL). "));
    QCOMPARE(GetLocalizedText(2709), QStringLiteral("E&xecuteve Manager:"));
}

void TestTextCatalogue::languageChoice_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("login");
    QTest::newRow("user scope") << "de" << "" << "A&nmeldename";
    QTest::newRow("system scope") << "" << "de" << "A&nmeldename";
    QTest::newRow("user wins over system") << "zz" << "de" << "zz-Login";
    QTest::newRow("user pack missing, system tried next") << "xx" << "zz" << "zz-Login";
    QTest::newRow("no pack anywhere") << "xx" << "yy" << "&Login";
    QTest::newRow("path in the code names no pack") << "../lang/KitbenchRes45de" << "" << "&Login";
}

void TestTextCatalogue::languageChoice()
{
    QFETCH(QString, user);
    QFETCH(QString, system);
    QFETCH(QString, login);
    TempSettings::setLanguage(QSettings::UserScope, user);
    TempSettings::setLanguage(QSettings::SystemScope, system);
    QCOMPARE(GetLocalizedText(1102), login);
}

void TestTextCatalogue::idMissingInPackFallsBackToEnglish()
{
    TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("zz"));
    QCOMPARE(GetLocalizedText(1102), QStringLiteral("zz-Login"));
    QCOMPARE(GetLocalizedText(100), QStringLiteral("&Help"));
}

void TestTextCatalogue::failedLoadIsRetriedOnNextLookup()
{
    QCOMPARE(GetLocalizedText(100), QStringLiteral("&Help"));
    TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("de"));
    QCOMPARE(GetLocalizedText(100), QStringLiteral("&Hilfe"));
    // Once created, the pack is kept for the life of the program.
    TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("zz"));
    QCOMPARE(GetLocalizedText(1102), QStringLiteral("A&nmeldename"));
}

void TestTextCatalogue::joinedText_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("joined");
    QTest::newRow("three pieces") << 9990 << "A caption split over three ids.";
    QTest::newRow("last piece missing") << 9993 << "Ends with an underscore";
    QTest::newRow("single text") << 1102 << "zz-Login";
}

void TestTextCatalogue::joinedText()
{
    QFETCH(int, id);
    QFETCH(QString, joined);
    TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("zz"));
    QCOMPARE(GetJoinedText(id), joined);
}

void TestTextCatalogue::unknownIdIsEmpty()
{
    QCOMPARE(GetLocalizedText(987654), QString());
}

// Qt's own words (the buttons of a question, the file dialog) are in the pack's language too.
void TestTextCatalogue::qtTextsFollowThePack()
{
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    QCOMPARE(GetLocalizedText(1102), QStringLiteral("&Login"));
    QCOMPARE(yes(), QStringLiteral("&Yes"));
    QCOMPARE(LanguagePackCode(), QString());
    ForgetLanguagePack();
    TempSettings::setLanguage(QSettings::UserScope, QStringLiteral("de"));
    QCOMPARE(GetLocalizedText(1102), QStringLiteral("A&nmeldename"));
    QCOMPARE(LanguagePackCode(), QStringLiteral("de"));
    QCOMPARE(yes(), QStringLiteral("&Ja"));
    ForgetLanguagePack();
    TempSettings::setLanguage(QSettings::UserScope, QString());
    QCOMPARE(yes(), QStringLiteral("&Yes"));
}

QTEST_GUILESS_MAIN(TestTextCatalogue)
#include "tst_textcatalogue.moc"
