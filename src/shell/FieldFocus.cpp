#include "shell/FieldFocus.h"

#include "shell/WizardPage.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kitbench {

namespace {

// The page checks' messages and the control each one is about, per page.
struct CheckedField
{
    int step;
    int textId;
    const char* field;
};

constexpr CheckedField kCheckedFields[] = {
    {2, 5006, "IncidentTitleText"},
    {3, 5006, "TaskTitleText"},
    {3, 5045, "TaskProjectCombo"},
    {3, 5008, "TaskStartDateDayDTPicker"},
    {4, 5006, "EventTitleText"},
    {4, 5047, "EventManagerCombo"},
    {4, 5007, "EventStartDateDayDTPicker"},
    {5, 5006, "ToDoTitleText"},
    {5, 5047, "ToDoManagerCombo"},
    {5, 5008, "ToDoStartDateDayDTPicker"},
    {6, 2503, "FileListTreeView"},
    {6, 2504, "FileListTreeView"},
    {7, 2603, "AssetListTreeView"},
    {7, 2604, "AssetListTreeView"},
    {8, 5006, "ProjectTitleText"},
    {8, 5047, "ProjectManagerCombo"},
    {8, 5008, "ProjectStartDateDayDTPicker"},
    {14, 5006, "ListTitleText"},
    {14, 3108, "ListFolderTreeView"},
    {14, 3109, "ListFolderTreeView"},
    {16, 3306, "txtExcelFilePath"},
    {20, 5048, "CommandAddFile"},
};

class EnterKeyKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        Q_EMIT static_cast<QLineEdit*>(watched)->returnPressed();
        return true;
    }
};

bool takesFocus(const QWidget* widget, const QWidget* page)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(page) &&
           !widget->focusProxy();
}

} // namespace

QWidget* firstFocusableField(const QWidget* page)
{
    if (const auto* wizardPage = qobject_cast<const WizardPage*>(page)) {
        QWidget* chosen = wizardPage->firstField();
        if (chosen && takesFocus(chosen, page))
            return chosen;
    }
    for (QWidget* widget = page->nextInFocusChain(); widget && widget != page;
         widget = widget->nextInFocusChain()) {
        if (!page->isAncestorOf(widget))
            continue;
        if (takesFocus(widget, page))
            return widget;
    }
    return nullptr;
}

void keepEnterKey(QLineEdit* textBox)
{
    textBox->installEventFilter(new EnterKeyKeeper(textBox));
}

QWidget* offendingField(const QWidget* page, int messageTextId)
{
    const auto* wizardPage = qobject_cast<const WizardPage*>(page);
    for (const CheckedField& checked : kCheckedFields) {
        if (!wizardPage || checked.step != wizardPage->step() || checked.textId != messageTextId)
            continue;
        auto* field = page->findChild<QWidget*>(QString::fromLatin1(checked.field));
        if (field && takesFocus(field, page))
            return field;
    }
    return firstFocusableField(page);
}

} // namespace kitbench
