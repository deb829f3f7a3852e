#include "shell/ControlDriver.h"

#include "shell/Controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace kitbench::ControlDriver {

namespace {

QString setCombo(QComboBox* combo, const QString& value)
{
    int index = -1;
    if (value.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        index = value.mid(1).toInt(&ok);
        if (!ok || index < 0 || index >= combo->count())
            return QStringLiteral("%1 has no entry %2 (it has %3)").arg(combo->objectName(), value).arg(combo->count());
    } else {
        index = combo->findText(value);
        if (index < 0)
            return QStringLiteral("%1 has no entry \"%2\"").arg(combo->objectName(), value);
    }
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    return {};
}

QString setCheckable(QAbstractButton* button, const QString& value)
{
    if (value != QLatin1String("1") && value != QLatin1String("0"))
        return QStringLiteral("%1 takes 1 or 0, not \"%2\"").arg(button->objectName(), value);
    if (!button->isEnabled())
        return QStringLiteral("%1 is disabled").arg(button->objectName());
    const bool wanted = value == QLatin1String("1");
    if (qobject_cast<QRadioButton*>(button)) {
        if (wanted)
            button->click(); // selecting an option runs its click action, as a user's click does
        else
            button->setChecked(false);
    } else if (button->isChecked() != wanted) {
        button->click();
    }
    return {};
}

QString setPicker(QDateTimeEdit* picker, const QString& value)
{
    const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    if (date.isValid()) {
        picker->setDate(date);
        return {};
    }
    const QTime time = QTime::fromString(value, QStringLiteral("HH:mm"));
    if (time.isValid()) {
        picker->setTime(time);
        return {};
    }
    return QStringLiteral("%1 takes YYYY-MM-DD or HH:MM, not \"%2\"").arg(picker->objectName(), value);
}

QTreeWidgetItem* findPath(QTreeWidget* tree, const QString& value)
{
    QList<QTreeWidgetItem*> level;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        level.append(tree->topLevelItem(i));
    if (value.startsWith(QLatin1String("key:"))) {
        const QString key = value.mid(4);
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, ItemKeyRole).toString() == key)
                return *it;
        }
        return nullptr;
    }
    QTreeWidgetItem* found = nullptr;
    const QStringList parts = value.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        found = nullptr;
        for (QTreeWidgetItem* item : std::as_const(level)) {
            if (item->text(0) == part) {
                found = item;
                break;
            }
        }
        if (!found)
            return nullptr;
        level.clear();
        for (int i = 0; i < found->childCount(); ++i)
            level.append(found->child(i));
    }
    return found;
}

bool isCheckList(const QTreeWidget* list)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        // Tree items are user-checkable by default; a check-box list is one whose items show a box.
        if (list->topLevelItem(i)->data(0, Qt::CheckStateRole).isValid())
            return true;
    }
    return false;
}

QString setTree(QTreeWidget* tree, const QString& value)
{
    if (tree->rootIsDecorated()) { // a tree view: one node by path or key
        QTreeWidgetItem* node = findPath(tree, value);
        if (!node)
            return QStringLiteral("%1 has no node \"%2\"").arg(tree->objectName(), value);
        for (QTreeWidgetItem* parent = node->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        tree->setCurrentItem(node);
        Q_EMIT tree->itemClicked(node, 0);
        return {};
    }
    const QStringList texts = value.isEmpty() ? QStringList{} : value.split(QLatin1Char('|'));
    QList<QTreeWidgetItem*> items;
    for (const QString& text : texts) {
        const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return QStringLiteral("%1 has no item \"%2\"").arg(tree->objectName(), text);
        items.append(found.first());
    }
    if (isCheckList(tree)) {
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = tree->topLevelItem(i);
            item->setCheckState(0, items.contains(item) ? Qt::Checked : Qt::Unchecked);
        }
        return {};
    }
    tree->clearSelection();
    for (QTreeWidgetItem* item : std::as_const(items))
        item->setSelected(true);
    if (!items.isEmpty()) {
        tree->setCurrentItem(items.first(), 0, QItemSelectionModel::NoUpdate);
        Q_EMIT tree->itemClicked(items.first(), 0);
    }
    return {};
}

QString setList(QListWidget* list, const QString& value)
{
    const QStringList texts = value.isEmpty() ? QStringList{} : value.split(QLatin1Char('|'));
    if (list->objectName() == QLatin1String("PublishedFileList")) {
        list->clear();
        list->addItems(texts);
        return {};
    }
    list->clearSelection();
    for (const QString& text : texts) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return QStringLiteral("%1 has no item \"%2\"").arg(list->objectName(), text);
        found.first()->setSelected(true);
        list->setCurrentItem(found.first(), QItemSelectionModel::NoUpdate);
        Q_EMIT list->itemClicked(found.first());
    }
    return {};
}

} // namespace

QString setValue(QWidget* control, const QString& value)
{
    if (!control->isEnabled())
        return QStringLiteral("%1 is disabled").arg(control->objectName());
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(value);
        Q_EMIT line->textEdited(value);
        return {};
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        text->setPlainText(value);
        return {};
    }
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return setCombo(combo, value);
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable())
        return setCheckable(button, value);
    if (auto* picker = qobject_cast<QDateTimeEdit*>(control))
        return setPicker(picker, value);
    if (auto* tree = qobject_cast<QTreeWidget*>(control))
        return setTree(tree, value);
    if (auto* list = qobject_cast<QListWidget*>(control))
        return setList(list, value);
    return QStringLiteral("%1 takes no value").arg(control->objectName());
}

QString click(QWidget* control)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button)
        return QStringLiteral("%1 is not a button").arg(control->objectName());
    if (!button->isEnabled())
        return QStringLiteral("%1 is disabled").arg(control->objectName());
    button->click();
    return {};
}

} // namespace kitbench::ControlDriver
