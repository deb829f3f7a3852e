#pragma once

#include <QFrame>
#include <QList>

namespace kitbench {

struct WizardState;

// One page of the wizard: the frame fraStep_<step>. Subclasses create their controls as public
// members named like the operations name them; the window reads and fills them.
class WizardPage : public QFrame
{
    Q_OBJECT
public:
    WizardPage(int step, int frameTextId, const QString& designCaption, QWidget* parent = nullptr);

    int step() const { return m_step; }
    // The design caption of the frame (the page heading until the language pack replaces it).
    QString caption() const;

    // The control that takes the keyboard focus when the page is entered, or nullptr to leave
    // the focus where it is.
    virtual QWidget* firstField() const { return nullptr; }

    // Page lock: disables (busy) or re-enables the controls the user could change meanwhile.
    virtual void setLocked(bool busy);

    // Puts the page back into the state of a fresh job (Continue on the final page).
    virtual void resetPage() {}

    // Page-entry preparation: captions and states that depend on the job, set each time the page
    // is entered (direction: 0 initial, 1 Back, 2 Next).
    virtual void prepareEntry(const WizardState& /*state*/, int /*direction*/) {}

protected:
    // The controls the page lock disables. By default every input control of the page.
    virtual QList<QWidget*> lockableControls() const;

private:
    int m_step;
};

} // namespace kitbench
