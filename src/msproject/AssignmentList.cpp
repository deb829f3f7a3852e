#include "msproject/AssignmentList.h"

#include "msproject/AssignmentsPage.h"
#include "people/DlgOrvUsers.h"
#include "platform/DialogService.h"
#include "shell/Controls.h"
#include "shell/TextCatalogue.h"
#include "shell/frmWizard.h"

#include <QComboBox>
#include <QTreeWidget>

namespace kitbench {

namespace {

constexpr int kAssignmentsPage = 12;
constexpr int kNotAssignedTextId = 2627;

QTreeWidget* listOf(frmWizard& wizard)
{
    return static_cast<AssignmentsPage*>(wizard.page(kAssignmentsPage))->ListViewAssignments;
}

} // namespace

AssignmentList::AssignmentList(frmWizard& wizard) : m_wizard(wizard)
{
    QTreeWidget* list = listOf(wizard);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, list, [this](QTreeWidgetItem* item, int column) {
        ListViewAssignments_DblClick(item, column);
    });
}

AssignmentList::~AssignmentList()
{
    unloadChooser();
}

void AssignmentList::fill(const QString& answer)
{
    m_answer = answer;
    QTreeWidget* list = listOf(m_wizard);
    list->clear();
    list->setHeaderLabels({GetLocalizedText(2628), GetLocalizedText(2629)});
    const int width = qMax(0, (list->viewport()->width() - 60) / 2);
    list->setColumnWidth(0, width);
    list->setColumnWidth(1, width);

    const ImportConfigAnswer config = readImportConfig(answer, GetLocalizedText(kNotAssignedTextId));
    m_users = config.users;
    if (m_chooser)
        fillChooser();
    for (const AssignmentRow& row : config.rows) {
        auto* item = new QTreeWidgetItem(list, {row.resourceName, row.userText});
        item->setData(0, ItemKeyRole, row.resourceKey);
        item->setData(1, ItemKeyRole, row.userKey);
    }
}

void AssignmentList::fillChooser()
{
    QComboBox* combo = m_chooser->UsersCombo;
    combo->clear();
    combo->addItem(GetLocalizedText(kNotAssignedTextId), -1);
    for (const ImportConfigUser& user : std::as_const(m_users))
        combo->addItem(user.name, user.userId);
}

QString AssignmentList::buildRequest() const
{
    const QTreeWidget* list = listOf(m_wizard);
    QList<std::pair<QString, QString>> keys;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        keys.append({item->data(0, ItemKeyRole).toString(), item->data(1, ItemKeyRole).toString()});
    }
    return buildImportConfigRequest(m_answer, keys);
}

void AssignmentList::ListViewAssignments_DblClick(QTreeWidgetItem* item, int column)
{
    if (!item || column != 1)
        return;
    if (!m_chooser) {
        m_chooser = new DlgOrvUsers(&m_wizard);
        fillChooser();
    }
    m_chooser->UsersCombo->setCurrentIndex(0);
    m_chooser->setWindowTitle(GetLocalizedText(2630));
    m_chooser->Result = 0;
    DialogService::instance().exec(*m_chooser);
    // The wizard may have gone while the chooser was up.
    if (!m_chooser || m_chooser->Result != 1 || m_chooser->UsersCombo->currentText().isEmpty())
        return;
    const qint32 userId = m_chooser->UsersCombo->currentData().toInt();
    item->setData(1, ItemKeyRole, QLatin1Char('a') + QString::number(userId));
    item->setText(1, m_chooser->UsersCombo->currentText());
}

DlgOrvUsers* AssignmentList::chooser() const
{
    return m_chooser.data();
}

void AssignmentList::unloadChooser()
{
    delete m_chooser.data();
}

} // namespace kitbench
