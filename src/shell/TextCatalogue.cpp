#include "shell/TextCatalogue.h"

#include "platform/LanguagePacks.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace kitbench {

namespace {

class TextCatalogue
{
public:
    static TextCatalogue& instance()
    {
        static TextCatalogue catalogue;
        return catalogue;
    }

    QString text(int id)
    {
        if (!m_pack)
            m_pack = loadChosenPack();
        const QByteArray key = "T" + QByteArray::number(id);
        if (m_pack) {
            QString found = m_pack->translate("", key.constData());
            if (!found.isEmpty())
                return found;
        }
        // No pack, or an id the chosen pack lacks: the built-in English text.
        if (!m_english)
            m_english = LanguagePacks::loadBuiltInEnglish();
        return m_english ? m_english->translate("", key.constData()) : QString();
    }

    QString packCode()
    {
        if (!m_pack)
            m_pack = loadChosenPack();
        return m_pack ? m_code : QString();
    }

    void forgetPack()
    {
        m_qt.reset(); // a translator removes itself from the application when it goes
        m_pack.reset();
        m_choice.reset();
    }

private:
    // The user's choice wins over the machine's; a pack that cannot be loaded is not kept, so the
    // next lookup tries again.
    std::unique_ptr<QTranslator> loadChosenPack()
    {
        if (!m_choice)
            m_choice = std::make_unique<LanguagePacks::LanguageChoice>();
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            if (const auto code = m_choice->code(scope)) {
                if (auto pack = LanguagePacks::load(*code)) {
                    m_code = *code;
                    installQtTranslations(*code);
                    return pack;
                }
            }
        }
        return nullptr;
    }

    // Qt's own texts (Yes and No of a question, the file dialog) follow the pack's language.
    void installQtTranslations(const QString& code)
    {
        m_qt = LanguagePacks::loadQtTranslations(code);
        if (m_qt && QCoreApplication::instance())
            QCoreApplication::installTranslator(m_qt.get());
    }

    std::unique_ptr<LanguagePacks::LanguageChoice> m_choice;
    std::unique_ptr<QTranslator> m_qt;
    QString m_code;
    std::unique_ptr<QTranslator> m_pack;
    std::unique_ptr<QTranslator> m_english;
};

} // namespace

QString GetLocalizedText(int id)
{
    return TextCatalogue::instance().text(id);
}

QString GetJoinedText(int id)
{
    QString result;
    for (;;) {
        const QString piece = GetLocalizedText(id);
        if (!piece.endsWith(QLatin1Char('_'))) {
            result += piece;
            return result;
        }
        result += piece.chopped(1);
        ++id;
    }
}

QString LanguagePackCode()
{
    return TextCatalogue::instance().packCode();
}

void ForgetLanguagePack()
{
    TextCatalogue::instance().forgetPack();
}

} // namespace kitbench
