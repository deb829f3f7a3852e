#include "shell/Localization.h"

#include "shell/Controls.h"
#include "shell/TextCatalogue.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

namespace kitbench {

namespace {

// A caption as a screen reader says it: without the marks of its access key ("&Next >" is "Next >").
QString withoutAccessKeyMarks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
}

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
    if (numericProperty(control, kToolTipTextIdProperty, id)) {
        const QString hint = GetLocalizedText(id);
        control->setToolTip(hint);
        // A button that shows a picture or "..." instead of words is named by its hint.
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button && !button->text().contains(QRegularExpression(QStringLiteral("\\w"))))
            button->setAccessibleName(hint);
    }
}

// An input without a caption of its own is named for screen readers from its pack texts.
void localizeAccessibleName(QWidget* control)
{
    const QVariantList ids = control->property(kAccessibleNameTextIdsProperty).toList();
    QStringList words;
    for (const QVariant& id : ids)
        words.append(withoutAccessKeyMarks(GetLocalizedText(id.toInt())));
    if (!words.isEmpty())
        control->setAccessibleName(words.join(QLatin1Char(' ')));
}

void localizeControl(QWidget* control)
{
    localizeAccessibleName(control);
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

// Screen readers name most fields by the caption whose buddy they are; list and tree views they
// name only by their own accessible name, which the caption gives them here.
void nameViewsByTheirCaptions(QWidget* window)
{
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        auto* view = qobject_cast<QAbstractItemView*>(label->buddy());
        if (!view || !view->property(kAccessibleNameTextIdsProperty).isNull())
            continue;
        view->setAccessibleName(withoutAccessKeyMarks(label->text()));
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
    nameViewsByTheirCaptions(window);
}

} // namespace kitbench
