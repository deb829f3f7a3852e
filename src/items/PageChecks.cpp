#include "items/PageChecks.h"

#include "shell/RunMode.h"

namespace kitbench {
namespace {

bool startNotBeforeFinish(const PageCheckValues& v)
{
    return v.start >= v.finish;
}

QList<int> firstFailure(std::initializer_list<std::pair<bool, int>> rules)
{
    for (const auto& [fails, textId] : rules)
        if (fails)
            return {textId};
    return {};
}

QList<int> checkToDo(const PageCheckValues& v)
{
    QList<int> messages;
    if (isBlank(v.title))
        messages.append(5006); // reported, and the remaining rules still run
    if (!v.requiredSelected)
        messages.append(5047);
    else if (v.startEnabled && v.finishEnabled && startNotBeforeFinish(v))
        messages.append(5008);
    return messages;
}

} // namespace

bool isBlank(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return begin == end;
}

QList<int> pageCheckMessages(int runMode, const PageCheckValues& v)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return firstFailure({{isBlank(v.title), 5006}});
    case CREATETASK:
        return firstFailure({{isBlank(v.title), 5006},
                             {!v.requiredSelected, 5045},
                             {!v.isMilestone && startNotBeforeFinish(v), 5008}});
    case CREATEEVENT:
        return firstFailure(
            {{isBlank(v.title), 5006}, {!v.requiredSelected, 5047}, {startNotBeforeFinish(v), 5007}});
    case CREATETODO:
        return checkToDo(v);
    case CREATELIST:
    case IMPORTLIST:
        return firstFailure({{isBlank(v.title), 5006}, {!v.nodeSelected, 3108}, {v.nodeTagIsZero, 3109}});
    case UPLOAD:
        return firstFailure({{!v.nodeSelected, 2503}, {v.nodeTagIsZero, 2504}});
    case DOWNLOAD:
        return firstFailure({{!v.nodeSelected, 2603}, {v.nodeTagIsZero, 2604}});
    case CREATEPROJECT:
    case IMPORTPROJECT:
        if (runMode == IMPORTPROJECT && !v.importNewProject)
            return {};
        return firstFailure(
            {{isBlank(v.title), 5006}, {!v.requiredSelected, 5047}, {startNotBeforeFinish(v), 5008}});
    default:
        return {};
    }
}

} // namespace kitbench
