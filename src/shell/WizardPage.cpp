#include "shell/WizardPage.h"

#include "shell/Controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kitbench {

WizardPage::WizardPage(int step, int frameTextId, const QString& designCaption, QWidget* parent)
    : QFrame(parent), m_step(step)
{
    setObjectName(QStringLiteral("fraStep_%1").arg(step));
    // A frame's caption is not drawn; it names the page (window title of a screenshot, accessibility).
    setWindowTitle(designCaption);
    setAccessibleName(designCaption);
    if (frameTextId)
        setTextId(this, frameTextId);
    setFrameShape(QFrame::NoFrame);
}

QString WizardPage::caption() const
{
    return windowTitle();
}

void WizardPage::setLocked(bool busy)
{
    const QList<QWidget*> controls = lockableControls();
    for (QWidget* control : controls)
        control->setEnabled(!busy);
}

QList<QWidget*> WizardPage::lockableControls() const
{
    QList<QWidget*> controls;
    const QList<QWidget*> all = findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget))
            controls.append(widget);
    }
    return controls;
}

} // namespace kitbench
