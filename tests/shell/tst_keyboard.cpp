// The wizard as a keyboard and screen-reader user meets it, in English and German: every caption from the
// language pack, every input named, labels tied to their fields, no access key twice on a page, nothing
// clipped, and the keys Enter, Esc and F1.
#include "WizardFixture.h"

#include "shell/FieldFocus.h"
#include "shell/WizardPage.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTreeWidget>

using namespace kitbench;

namespace {

// A job whose path visits the page, so the page is seen as that job shows it.
constexpr int kJobOfPage[kPageCount] = {0, 1, 1, 2, 3, 4, 6, 7, 8, 8, 10, 9, 9, 11, 5, 5, 12, 12, 3, 8, 1, 1};

bool isInput(const QWidget* widget)
{
    // The line edit inside a combo box or picker is part of its owner, which carries the name.
    const QWidget* parent = widget->parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
        return false;
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// Whether an entry's text fits the room its row gives it, on one line or wrapped.
bool fitsItsRow(const QTreeWidget* list, const QTreeWidgetItem* item)
{
    const QRect row = list->visualItemRect(item);
    const int icon = item->icon(0).isNull() ? 0 : list->iconSize().width();
    const int room = row.width() - icon - 4 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 8;
    const QFontMetrics metrics(list->font());
    if (!list->wordWrap())
        return metrics.horizontalAdvance(item->text(0)) <= room;
    return metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, item->text(0)).height() <=
           row.height();
}

// Whether a button's caption fits the room its style leaves for it. (A push button's size hint has a
// minimum width whatever its text, so the hint says nothing about clipping.)
bool fitsItsButton(const QAbstractButton* button)
{
    if (!qobject_cast<const QPushButton*>(button))
        return button->sizeHint().width() <= button->width();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    return icon + text <= room.width();
}

std::optional<QString> captionOf(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return std::nullopt;
}

QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
    WizardFixture f;
    void start(const QString& commandLine)
    {
        f.load(commandLine, [](frmWizard&) { return std::make_unique<JobHooks>(); });
        f.wizard->show();
        QVERIFY(QTest::qWaitForWindowActive(f.wizard.get()));
    }
    void enter(int step)
    {
        f.wizard->state().RunMode = static_cast<qint16>(kJobOfPage[step]);
        f.wizard->ShowStep(step, NavInitial);
        QApplication::processEvents();
    }

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }
    void everyPageIsUsableByKeyboard_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << "de";
    }
    void everyPageIsUsableByKeyboard()
    {
        QFETCH(QString, language);
        TempSettings::setLanguage(QSettings::UserScope, language);
        start(QString());
        const QStringList setAtRunTime{"lblStep_0", "lblWelcome", "cmdNav_3", "lblStepBeforePub_2",
                                       "lblStep_5"};
        QStringList faults;
        int inputs = 0, captions = 0;
        for (int step = 0; step < kPageCount; ++step) {
            enter(step);
            WizardPage* page = f.wizard->page(step);
            QWidget* focused = QApplication::focusWidget();
            if (!focused || !page->isAncestorOf(focused))
                faults << QStringLiteral("page %1 opens without focus on a field").arg(step);

            const auto fault = [&](const QWidget* widget, const QString& what) {
                faults << QStringLiteral("page %1 %2 %3 ")
                                  .arg(step)
                                  .arg(widget->metaObject()->className(), widget->objectName()) +
                              what;
            };
            QHash<QChar, QString> keys;
            const auto claimKey = [&](const QWidget* owner, const QString& text) {
                const QChar key = mnemonicOf(text);
                if (key.isNull() || !owner->isVisibleTo(f.wizard.get()))
                    return;
                if (keys.contains(key))
                    fault(owner, QStringLiteral("repeats access key %1 of %2").arg(key, keys[key]));
                keys.insert(key, owner->objectName());
            };
            for (QPushButton* button : f.wizard->cmdNav)
                claimKey(button, button->text());

            const QList<QWidget*> widgets = page->findChildren<QWidget*>();
            for (QWidget* widget : widgets) {
                if (!widget->isVisibleTo(page))
                    continue;
                // Every caption comes from the pack, but those the navigation sets at run time from other
                // ids.
                const int id = textIdOf(widget);
                const std::optional<QString> caption = captionOf(widget);
                if (caption && id && !GetLocalizedText(id).isEmpty() &&
                    !setAtRunTime.contains(widget->objectName())) {
                    ++captions;
                    if (*caption != GetJoinedText(id))
                        fault(widget, QStringLiteral("shows \"%1\", not text %2").arg(*caption).arg(id));
                }
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    if (!mnemonicOf(label->text()).isNull() && !label->buddy())
                        fault(label, QStringLiteral("has an access key but no field"));
                    claimKey(label, label->text());
                    const bool clipped = label->wordWrap()
                                             ? label->heightForWidth(label->width()) > label->height()
                                             : label->sizeHint().width() > label->width();
                    if (clipped && !label->text().isEmpty())
                        fault(label, QStringLiteral("is clipped: \"%1\"").arg(label->text()));
                }
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    claimKey(button, button->text());
                    if (!fitsItsButton(button))
                        fault(button, QStringLiteral("is clipped: \"%1\"").arg(button->text()));
                }
                if (auto* list = qobject_cast<QTreeWidget*>(widget)) {
                    for (int row = 0; row < list->topLevelItemCount(); ++row)
                        if (!fitsItsRow(list, list->topLevelItem(row)))
                            fault(list,
                                  QStringLiteral("cuts entry \"%1\"").arg(list->topLevelItem(row)->text(0)));
                }
                if (!isInput(widget))
                    continue;
                ++inputs;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
                if (!name.contains(QRegularExpression(QStringLiteral("\\w"))))
                    fault(widget, QStringLiteral("has no accessible name"));
            }
        }
        for (const QString& fault : std::as_const(faults))
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
        QVERIFY(inputs > 100 && captions > 150);
        QCOMPARE(f.wizard->windowTitle(), GetLocalizedText(10));
    }
    // (Enter on the connection page, in the login box and the password box: the connection page test.)
    void keysDriveTheNavigation()
    {
        start(QStringLiteral("/createincident"));
        enter(2);
        QVERIFY(f.nav(3)->isDefault());
        QTest::keyClick(f.control<QLineEdit>("IncidentTitleText"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.step(), 20);
        // A search box keeps Enter for its own Find.
        auto* search = f.control<QLineEdit>(QStringLiteral("SearchResourceText"));
        int finds = 0;
        connect(search, &QLineEdit::returnPressed, this, [&finds] { ++finds; });
        enter(18);
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(finds, 1);
        QCOMPARE(f.step(), 18);
        // Esc is Cancel: No keeps the wizard, Yes closes it.
        f.answers[3005] = MessageAnswer::No;
        QTest::keyClick(f.wizard.get(), Qt::Key_Escape);
        QVERIFY(f.wizard->isVisible());
        enter(kFinalPage);
        QVERIFY(f.nav(4)->isDefault() && !f.nav(3)->isDefault());
        enter(2);
        f.answers[3005] = MessageAnswer::Yes;
        QTest::keyClick(f.wizard.get(), Qt::Key_Escape);
        QCOMPARE(f.shownIds(), (QList<int>{3005, 3005}));
        QVERIFY(!f.wizard->isVisible());
    }
    void focusReturnsToTheFieldAfterAFailedCheck()
    {
        // Next with nothing chosen, checked by the window itself; and a message without a field of its own.
        using Row = std::tuple<int, int, QString>; // step, text id, field
        for (const auto& [step, textId, field] :
             {Row{16, 3306, "txtExcelFilePath"}, Row{20, 5048, "CommandAddFile"},
              Row{2, 5009, "IncidentTitleText"}}) {
            start(QString());
            enter(step);
            QCOMPARE(offendingField(f.wizard->page(step), textId)->objectName(), field);
            if (step == 2)
                continue;
            f.shown.clear();
            f.wizard->state().RunMode = static_cast<qint16>(step == 20 ? 6 : 12);
            f.wizard->cmdNav[1]->setFocus();
            f.wizard->cmdNav_Click(3);
            QCOMPARE(std::pair(f.shownIds(), QApplication::focusWidget()->objectName()),
                     std::pair(QList<int>{textId}, field));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
