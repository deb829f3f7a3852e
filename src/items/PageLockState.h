#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace kitbench {

// The page lock of the item, project and team pages. Locking switches off the controls that are on
// and remembers them; unlocking switches on exactly those again. Controls that were off before the
// lock (fields the server version does not support, pickers behind a clear check box, the finish of
// a milestone) therefore stay off after it.
class PageLockState
{
public:
    // busy: switch off every control of the list that is on (relative to page) and remember it.
    // Not busy: switch the remembered controls on again. Repeated calls with the same state do nothing.
    void apply(const QWidget* page, const QList<QWidget*>& controls, bool busy);

    bool isLocked() const { return m_locked; }

private:
    QList<QPointer<QWidget>> m_switchedOff;
    bool m_locked = false;
};

} // namespace kitbench
