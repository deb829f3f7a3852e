#include "shell/Localization.h"

#include "shell/Controls.h"
#include "shell/TextCatalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

namespace kitbench {

namespace {

// A property holds a usable id when it is a number (or a text that parses as one).
bool numericProperty(const QObject* object, const char* name, int& id)
{
    const QVariant value = object->property(name);
    if (!value.isValid())
        return false;
    bool ok = false;
    id = value.toString().trimmed().toInt(&ok);
    return ok;
}

void localizeActions(const QList<QAction*>& actions, bool toolTipsOnly)
{
    for (QAction* action : actions) {
        int id = 0;
        if (!numericProperty(action, kTextIdProperty, id))
            continue;
        if (toolTipsOnly)
            action->setToolTip(GetLocalizedText(id));
        else
            action->setText(GetLocalizedText(id));
    }
}

void localizeTabBar(QTabBar* tabs)
{
    const QVariantList ids = tabs->property("tabTextIds").toList();
    const QVariantList tips = tabs->property("tabToolTipTextIds").toList();
    for (int i = 0; i < tabs->count(); ++i) {
        if (i < ids.size() && ids[i].toInt())
            tabs->setTabText(i, GetLocalizedText(ids[i].toInt()));
        if (i < tips.size() && tips[i].toInt())
            tabs->setTabToolTip(i, GetLocalizedText(tips[i].toInt()));
    }
}

void localizeColumnHeaders(QTreeWidget* list)
{
    const QVariantList ids = list->property(kColumnTextIdsProperty).toList();
    QTreeWidgetItem* header = list->headerItem();
    for (int column = 0; column < ids.size() && column < list->columnCount(); ++column) {
        if (const int id = ids[column].toInt())
            header->setText(column, GetLocalizedText(id));
    }
}

// The caption of any other control: its text, title or window title, whichever it has.
void localizeCaption(QWidget* control)
{
    int id = 0;
    if (numericProperty(control, kTextIdProperty, id)) {
        const QString text = GetJoinedText(id);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        else
            control->setWindowTitle(text);
    }
    if (numericProperty(control, kToolTipTextIdProperty, id))
        control->setToolTip(GetLocalizedText(id));
}

void localizeControl(QWidget* control)
{
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        int id = 0;
        if (numericProperty(menu, kTextIdProperty, id))
            menu->setTitle(GetLocalizedText(id));
        localizeActions(menu->actions(), false);
    } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
        localizeTabBar(tabs);
    } else if (auto* toolBar = qobject_cast<QToolBar*>(control)) {
        localizeActions(toolBar->actions(), true);
    } else if (auto* list = qobject_cast<QTreeWidget*>(control)) {
        localizeColumnHeaders(list);
    } else {
        localizeCaption(control);
    }
}

} // namespace

void ApplyLocalization(QWidget* window)
{
    int id = 0;
    if (numericProperty(window, kTextIdProperty, id))
        window->setWindowTitle(GetLocalizedText(id));
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls)
        localizeControl(control);
}

} // namespace kitbench
