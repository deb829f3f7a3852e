#include "items/PageLockState.h"

#include <utility>

namespace kitbench {

void PageLockState::apply(const QWidget* page, const QList<QWidget*>& controls, bool busy)
{
    if (busy) {
        if (m_locked)
            return;
        m_locked = true;
        m_switchedOff.clear();
        for (QWidget* control : controls) {
            // isEnabledTo: the control's own state below the page, whether or not the page's frame
            // is enabled at the moment.
            if (control && control->isEnabledTo(page)) {
                m_switchedOff.append(control);
                control->setEnabled(false);
            }
        }
        return;
    }
    if (!m_locked)
        return;
    m_locked = false;
    for (const QPointer<QWidget>& control : std::as_const(m_switchedOff)) {
        if (control)
            control->setEnabled(true);
    }
    m_switchedOff.clear();
}

} // namespace kitbench
