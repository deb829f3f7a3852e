#include "directory/DictionaryAnswer.h"

namespace kitbench {

std::optional<DictionaryAnswer> DictionaryAnswer::parse(const QString& xml)
{
    std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return std::nullopt;
    return DictionaryAnswer(std::move(*answer));
}

QList<DictionaryItem> DictionaryAnswer::items(const QString& name) const
{
    QList<DictionaryItem> rows;
    for (const pugi::xml_node& item : m_answer.select(QStringLiteral("Dictionaries/%1/Item").arg(name))) {
        const std::optional<qint32> data = xml::toInt32(xml::childText(item, "Data"));
        if (!data)
            continue; // an entry without an id could not be sent back
        rows.append({xml::childText(item, "Value"), *data});
    }
    return rows;
}

QList<DictionaryUser> DictionaryAnswer::users(const QString& name) const
{
    QList<DictionaryUser> rows;
    for (const pugi::xml_node& user : m_answer.select(QStringLiteral("Dictionaries/%1/User").arg(name)))
        rows.append(xml::readUser(user));
    return rows;
}

CurrentUserInfo DictionaryAnswer::currentUser() const
{
    CurrentUserInfo info;
    const pugi::xml_node user = m_answer.selectSingle(QStringLiteral("Dictionaries/CurrentUser"));
    if (!user)
        return info;
    info.present = true;
    info.isAdmin = xml::toBoolean(xml::childText(user, "IsAdmin"));
    info.isPM = xml::toBoolean(xml::childText(user, "IsPM"));
    info.isPPM = xml::toBoolean(xml::childText(user, "IsPPM"));
    info.isHDM = xml::toBoolean(xml::childText(user, "IsHDM"));
    if (xml::hasChild(user, "TimeOffset"))
        info.timeOffset = xml::toInt16(xml::childText(user, "TimeOffset"));
    return info;
}

ProfileOffsetChoice profileOffsetFor(const CurrentUserInfo& user, qint16 localTimeBias)
{
    ProfileOffsetChoice choice;
    choice.profileTimeOffset = user.timeOffset.value_or(localTimeBias);
    choice.askUser = choice.profileTimeOffset != localTimeBias;
    return choice;
}

} // namespace kitbench
