#pragma once

#include "directory/DirectoryRows.h"
#include "directory/XmlAnswer.h"

#include <QList>
#include <QString>

#include <optional>

namespace kitbench {

// "Dictionaries/CurrentUser" of a dictionaries answer: who the user is and the profile's time zone.
struct CurrentUserInfo
{
    bool present = false; // without the element every flag is false and there is no offset
    bool isAdmin = false;
    bool isPM = false;
    bool isPPM = false;
    bool isHDM = false;
    // "TimeOffset" in minutes, bias convention; missing (or not a 16-bit number) when absent.
    std::optional<qint16> timeOffset;
};

// The answer of LoadDictionaries: the dictionaries of one run mode under the root "Dictionaries".
class DictionaryAnswer
{
public:
    // Nothing when the text is empty or does not parse: then no control is touched.
    static std::optional<DictionaryAnswer> parse(const QString& xml);

    // "Dictionaries/<name>/Item" in document order. Items without a numeric "Data" are left out.
    QList<DictionaryItem> items(const QString& name) const;
    // "Dictionaries/<name>/User" in document order.
    QList<DictionaryUser> users(const QString& name) const;
    CurrentUserInfo currentUser() const;

private:
    explicit DictionaryAnswer(XmlAnswer answer) : m_answer(std::move(answer)) {}
    XmlAnswer m_answer;
};

// The offset the profile's dates are shifted to after a dictionary load, and whether the user has to
// be asked first: the answer's "TimeOffset" when there is one, else the local bias; the question comes
// when the two differ (on No the caller takes the local bias instead).
struct ProfileOffsetChoice
{
    qint16 profileTimeOffset = 0;
    bool askUser = false;
};
ProfileOffsetChoice profileOffsetFor(const CurrentUserInfo& user, qint16 localTimeBias);

} // namespace kitbench
