#pragma once

// Small factories for the wizard's controls. Each control gets its objectName (the name the
// operations use, `cmdNav_3` for element 3 of the control array cmdNav) and, where it carries a
// text, the dynamic property `textId` with the id the language pack replaces its caption from.

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace kitbench {

inline constexpr char kTextIdProperty[] = "textId";
inline constexpr char kToolTipTextIdProperty[] = "toolTipTextId";
// On inputs without a caption of their own: a QVariantList of text ids whose texts, joined by a
// space, name the input for screen readers (a time picker: its row's caption and "Time").
inline constexpr char kAccessibleNameTextIdsProperty[] = "accessibleNameTextIds";
// On list views (QTreeWidget): a QVariantList of text ids, one per column header.
inline constexpr char kColumnTextIdsProperty[] = "columnTextIds";

// Item data roles shared by list views, tree views and list boxes.
enum ItemRole {
    ItemKeyRole = Qt::UserRole + 1, // "U12", "F7", "C3": a one-letter prefix and a server id
    ItemTagRole = Qt::UserRole + 2, // the design's Tag (a link address, a file id, ...)
    ItemIconKeyRole = Qt::UserRole + 3, // the image list key of the item's icon ("<user>", "<user_must_be_confirmed>", ...)
};

inline void setTextId(QObject* control, int textId)
{
    control->setProperty(kTextIdProperty, textId);
}

inline int textIdOf(const QObject* control)
{
    const QVariant id = control->property(kTextIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

// Names an input that has no caption of its own from the language pack (see kAccessibleNameTextIdsProperty).
inline void setAccessibleNameTextIds(QWidget* control, const QVariantList& textIds)
{
    control->setProperty(kAccessibleNameTextIdsProperty, textIds);
}

// Creates a control of type W under parent with the given objectName.
template <typename W> W* makeControl(QWidget* parent, const char* name)
{
    auto* control = new W(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Creates a control whose caption comes from the language pack; designText stands until then.
template <typename W> W* makeControl(QWidget* parent, const char* name, int textId, const QString& designText)
{
    auto* control = new W(designText, parent);
    control->setObjectName(QString::fromLatin1(name));
    setTextId(control, textId);
    return control;
}

// A label with a text id; name may be empty for the design's anonymous labels.
inline QLabel* makeLabel(QWidget* parent, const char* name, int textId, const QString& designText)
{
    auto* label = new QLabel(designText, parent);
    if (name && *name)
        label->setObjectName(QString::fromLatin1(name));
    if (textId)
        setTextId(label, textId);
    label->setWordWrap(true);
    return label;
}

// The bold heading line at the top of a page (the design's step label).
inline QLabel* makeHeading(QWidget* parent, const char* name, int textId, const QString& designText)
{
    QLabel* heading = makeLabel(parent, name, textId, designText);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    heading->setFont(font);
    return heading;
}

// Date and time pickers keep one fixed display format so answer files and screenshots stay stable.
inline QDateTimeEdit* makeDatePicker(QWidget* parent, const char* name)
{
    auto* picker = makeControl<QDateTimeEdit>(parent, name);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    return picker;
}

inline QDateTimeEdit* makeTimePicker(QWidget* parent, const char* name)
{
    auto* picker = makeControl<QDateTimeEdit>(parent, name);
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    return picker;
}

} // namespace kitbench
