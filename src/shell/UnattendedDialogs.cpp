#include "shell/UnattendedDialogs.h"

#include "shell/ControlDriver.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

namespace kitbench {

namespace {

constexpr int kUnansweredDialog = 9140;
constexpr int kNoSuchControl = 9101;
constexpr int kBadValue = 9102;
const QString kRenameDialog = QStringLiteral("DlgRenameFile");

} // namespace

const QList<AnswerLine>* UnattendedDialogs::block(const QString& dialog) const
{
    const auto found = m_answers.dialogs.constFind(dialog);
    return found == m_answers.dialogs.constEnd() ? nullptr : &*found;
}

void UnattendedDialogs::unanswered(const QString& dialog, const QString& why)
{
    m_fail(3, kUnansweredDialog,
           why.isEmpty() ? dialog : dialog + QStringLiteral(" (") + why + QLatin1Char(')'));
}

QString UnattendedDialogs::where(const AnswerLine& line) const
{
    return QStringLiteral("%1:%2: ").arg(m_answers.fileName).arg(line.lineNumber);
}

int UnattendedDialogs::exec(QDialog& dialog)
{
    const QString name = dialog.objectName();
    const QList<AnswerLine>* lines = block(name);
    if (!lines) {
        unanswered(name);
        dialog.reject();
        return QDialog::Rejected;
    }
    bool closed = false;
    const QMetaObject::Connection watch =
        QObject::connect(&dialog, &QDialog::finished, [&closed] { closed = true; });
    dialog.show();
    bool failed = false;
    for (const AnswerLine& line : *lines) {
        auto* control = dialog.findChild<QWidget*>(line.name);
        if (!control) {
            m_fail(1, kNoSuchControl,
                   where(line) + QStringLiteral("no control named \"%1\" in %2").arg(line.name, name));
            failed = true;
            break;
        }
        const QString problem =
            line.value ? ControlDriver::setValue(control, *line.value) : ControlDriver::click(control);
        if (!problem.isEmpty()) {
            m_fail(1, kBadValue, where(line) + problem);
            failed = true;
            break;
        }
        if (closed)
            break;
    }
    QObject::disconnect(watch);
    if (!closed) {
        if (!failed)
            unanswered(name, QStringLiteral("its block leaves it open"));
        dialog.reject();
    }
    dialog.hide();
    return dialog.result();
}

std::optional<MessageAnswer> UnattendedDialogs::renameChoice()
{
    const QList<AnswerLine>* lines = block(kRenameDialog);
    if (!lines)
        return std::nullopt;
    static const QMap<QString, MessageAnswer> buttons{{QStringLiteral("cmdRename"), MessageAnswer::Rename},
                                                      {QStringLiteral("cmdRewrite"), MessageAnswer::Replace},
                                                      {QStringLiteral("cmdCancel"), MessageAnswer::Cancel}};
    for (const AnswerLine& line : *lines) {
        if (!line.value && buttons.contains(line.name))
            return buttons.value(line.name);
        if (line.name != QLatin1String("FileName")) {
            m_fail(1, kNoSuchControl,
                   where(line) +
                       QStringLiteral("no control named \"%1\" in %2").arg(line.name, kRenameDialog));
            return MessageAnswer::Cancel;
        }
    }
    unanswered(kRenameDialog, QStringLiteral("no button clicked"));
    return MessageAnswer::Cancel;
}

std::optional<QString> UnattendedDialogs::renamedName()
{
    if (const QList<AnswerLine>* lines = block(kRenameDialog))
        for (const AnswerLine& line : *lines)
            if (line.name == QLatin1String("FileName") && line.value)
                return *line.value;
    unanswered(kRenameDialog, QStringLiteral("no FileName for the new name"));
    return std::nullopt;
}

std::optional<QString> UnattendedDialogs::fileName(const FileQuestion& question)
{
    const QString name = question.save ? QStringLiteral("SaveFile") : QStringLiteral("OpenFile");
    if (const QList<AnswerLine>* lines = block(name))
        for (const AnswerLine& line : *lines) {
            if (line.name != QLatin1String("FileName") || !line.value) {
                m_fail(1, kNoSuchControl,
                       where(line) + QStringLiteral("%1 takes only FileName = path").arg(name));
                return std::nullopt;
            }
            QString path = QDir::current().absoluteFilePath(*line.value);
            if (question.save && QFileInfo(path).isDir())
                path = QDir(path).absoluteFilePath(QFileInfo(question.proposal).fileName());
            return QDir::cleanPath(path);
        }
    unanswered(name);
    return std::nullopt;
}

} // namespace kitbench
