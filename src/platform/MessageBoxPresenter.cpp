#include "platform/MessageBoxPresenter.h"

#include "shell/TextCatalogue.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace kitbench {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::RenameReplaceCancel:
        return QMessageBox::NoButton; // buttons of its own
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Abort:
        return MessageAnswer::Abort;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Ignore:
        return MessageAnswer::Ignore;
    default:
        return MessageAnswer::Cancel;
    }
}

// The choice for a file whose name is taken on the server (DlgRenameFile): rename, replace, cancel.
MessageAnswer presentRenameChoice(QMessageBox& box)
{
    box.setObjectName(QStringLiteral("DlgRenameFile"));
    QPushButton* rename = box.addButton(GetLocalizedText(8022), QMessageBox::AcceptRole);
    QPushButton* replace = box.addButton(GetLocalizedText(8023), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(GetLocalizedText(8010), QMessageBox::RejectRole);
    rename->setObjectName(QStringLiteral("cmdRename"));
    replace->setObjectName(QStringLiteral("cmdRewrite"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    box.setDefaultButton(rename);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == rename)
        return MessageAnswer::Rename;
    if (box.clickedButton() == replace)
        return MessageAnswer::Replace;
    return MessageAnswer::Cancel;
}

} // namespace

MessageAnswer presentMessageBox(const Message& message, QWidget* parent)
{
    QMessageBox box(boxIcon(message.icon), GetLocalizedText(10), message.text,
                    standardButtons(message.buttons), parent);
    if (message.buttons == MessageButtons::RenameReplaceCancel)
        return presentRenameChoice(box);
    box.setObjectName(QStringLiteral("messageBox_%1").arg(message.textId));
    const int button = box.exec();
    // Closing a box with only OK (Esc, the window's close button) still means OK.
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answerOf(button);
}

std::optional<QString> presentTextPrompt(const Message& prompt, const QString& defaultText, QWidget* parent)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, GetLocalizedText(10), prompt.text, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString savePathProposal(const QString& proposal)
{
    if (!proposal.isEmpty() && !QFileInfo(proposal).isRelative())
        return proposal;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)).filePath(proposal);
}

std::optional<QString> presentFileDialog(const Message& title, const FileQuestion& question, QWidget* parent)
{
    QString chosen;
    if (question.save) {
        chosen = QFileDialog::getSaveFileName(parent, title.text, savePathProposal(question.proposal),
                                              question.filter);
    } else if (question.several) {
        chosen = QFileDialog::getOpenFileNames(parent, title.text, question.proposal, question.filter)
                     .join(QLatin1Char('\n'));
    } else {
        chosen = QFileDialog::getOpenFileName(parent, title.text, question.proposal, question.filter);
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace kitbench
