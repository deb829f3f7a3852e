#include "shell/PageGraph.h"

#include "shell/RunMode.h"

namespace kitbench {

int backTarget(int step, int runMode, bool importNewProject, int templateComboIndex)
{
    const int s = step;
    const int m = runMode;
    const bool projectJob = m == CREATEPROJECT || m == IMPORTPROJECT;
    if (s == 6 && m == UPLOAD)
        return 20;
    if (s >= 2 && s <= 7)
        return 1;
    if (s == 8)
        return importNewProject ? 11 : 1;
    if (s == 19)
        return 9;
    if (s == 18 && projectJob)
        return 9;
    if (s == 18)
        return m + 1;
    if (s == 20 && m == CREATEINCIDENT)
        return 2;
    if (s == 20 && m == UPLOAD)
        return 1;
    if (s == 20 && projectJob)
        return templateComboIndex >= 1 ? 19 : 18;
    if (s == 20 && (m == CREATETASK || m == CREATEEVENT || m == CREATETODO))
        return 18;
    if (s == 10 && m == IMPORTPROJECT)
        return 11;
    if (s == 10 && m == EXPORTPROJECT)
        return 1;
    if (s == 11)
        return 1;
    if (s == 12 && m == IMPORTPROJECT)
        return 11;
    if (s == 13)
        return 1;
    if (s == 14 && m == CREATELIST)
        return 1;
    if (s == 14 && m == IMPORTLIST)
        return 16;
    if (s == 16)
        return 1;
    if (s == 17)
        return 14;
    return s - 1;
}

int firstPageAfterConnect(int runMode)
{
    switch (runMode) {
    case CREATEINCIDENT:
    case CREATETASK:
    case CREATEEVENT:
    case CREATETODO:
        return 1 + runMode;
    case CREATELIST:
        return 14;
    case UPLOAD:
        return 20;
    case DOWNLOAD:
        return 7;
    case CREATEPROJECT:
        return 8;
    case IMPORTPROJECT:
        return 11;
    case EXPORTPROJECT:
        return 10;
    case EXPORTCALENDAR:
        return 13;
    case IMPORTLIST:
        return 16;
    default:
        return 1;
    }
}

int helpContextId(int step)
{
    return 1000 + 10 * (step + 1);
}

bool savesConnectionOnEntry(int step, int direction)
{
    if (step == 14)
        return true;
    const bool itemOrLibraryPage = step >= 2 && step <= 8;
    return direction == NavNext && (itemOrLibraryPage || step == 10 || step == 13);
}

NavButtonState navButtonState(int step, int runMode, bool finishEnabled)
{
    NavButtonState state;
    if (step == 20 && runMode != UPLOAD) {
        state.nextTextId = 105;
        state.beforePublishTextId = 1402;
    }
    state.back = step != 0;
    state.next = true;
    state.cancel = true;
    if (step == kFinalPage) {
        state.back = false;
        state.next = false;
        state.cancel = false;
    }
    state.finish = finishEnabled;
    return state;
}

} // namespace kitbench
