#pragma once

namespace kitbench {

// The page graph of the wizard: where Back leads, where a job starts after connecting, and what the
// navigation buttons show on a page. Pages are the indices 0..21 of the frames fraStep.
inline constexpr int kPageCount = 22;
inline constexpr int kFinalPage = 21;

enum NavDirection { NavInitial = 0, NavBack = 1, NavNext = 2 };

// The target of Back from page `step` in run mode `runMode` (first matching rule wins).
int backTarget(int step, int runMode, bool importNewProject, int templateComboIndex);

// The run mode's first page after a successful connect.
int firstPageAfterConnect(int runMode);

// The help context of a page: 1010 for page 0, 1020 for page 1, ... 1220 for page 21.
int helpContextId(int step);

// Whether entering `step` in `direction` stores the connection settings.
bool savesConnectionOnEntry(int step, int direction);

struct NavButtonState
{
    bool back = false;
    bool next = false;
    bool cancel = false;
    bool finish = false;
    int nextTextId = 103;
    int beforePublishTextId = 1403; // lblStepBeforePub(2) on page 20
};

NavButtonState navButtonState(int step, int runMode, bool finishEnabled);

} // namespace kitbench
