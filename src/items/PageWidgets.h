#pragma once

// Building blocks shared by the item, project and team pages.

#include "shell/Controls.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace kitbench {

// A caption left of (or above) a field: one line, never wrapped.
inline QLabel* makeFieldLabel(QWidget* parent, const char* name, int textId, const QString& designText)
{
    QLabel* label = makeLabel(parent, name, textId, designText);
    label->setWordWrap(false);
    return label;
}

// A one-column list view without header or tree lines (categories, users, assignments).
inline QTreeWidget* makeFlatListView(QWidget* parent, const char* name)
{
    auto* list = makeControl<QTreeWidget>(parent, name);
    list->setColumnCount(1);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    return list;
}

// A multi-line text box where Tab moves on to the next field.
inline QPlainTextEdit* makeMultiLineText(QWidget* parent, const char* name)
{
    auto* text = makeControl<QPlainTextEdit>(parent, name);
    text->setTabChangesFocus(true);
    return text;
}

// The small "..." button beside a list that opens the category or client editor; its hint comes
// from the language pack.
inline QPushButton* makeEditorButton(QWidget* parent, const char* name, int toolTipTextId,
                                     const QString& designToolTip)
{
    auto* button = makeControl<QPushButton>(parent, name);
    button->setText(QStringLiteral("..."));
    button->setToolTip(designToolTip);
    button->setProperty(kToolTipTextIdProperty, toolTipTextId);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3 + 16);
    return button;
}

// Day and time picker side by side, optionally behind a check box that switches them on.
inline QHBoxLayout* makeDateTimeRow(QDateTimeEdit* day, QDateTimeEdit* time, QWidget* leading = nullptr)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    if (leading)
        row->addWidget(leading);
    row->addWidget(day, 3);
    row->addWidget(time, 2);
    return row;
}

} // namespace kitbench
