#pragma once

#include "shell/AnswerFile.h"

#include <functional>
#include <optional>

class QDialog;

namespace kitbench {

// Answers the wizard's dialogs in an unattended run from the answer file's `[dialog NAME]` blocks:
// - dialogs of the wizard (CreateOrvFolder, DlgAddCategory, DlgOrvUsers): the block's lines set the
//   dialog's controls and click its buttons as on a page, and must close the dialog;
// - DlgRenameFile, the choice for a file name already taken on the server: `FileName = new name`
//   with `cmdRename`, or `cmdRewrite`, or `cmdCancel`;
// - OpenFile and SaveFile, the file dialogs: `FileName = path` (for SaveFile a folder takes the
//   name the server proposes).
// A dialog without a block, or a block that leaves its dialog open, ends the run (exit 3).
class UnattendedDialogs
{
public:
    // Ends the run with an exit code, reporting text `textId` followed by the detail.
    using Failure = std::function<void(int code, int textId, const QString& detail)>;

    UnattendedDialogs(const AnswerFile& answers, Failure fail) : m_answers(answers), m_fail(std::move(fail))
    {
    }

    int exec(QDialog& dialog);
    // Rename, Replace or Cancel from [dialog DlgRenameFile]; nothing when the file has no such block.
    std::optional<MessageAnswer> renameChoice();
    // The new name typed for a rename.
    std::optional<QString> renamedName();
    std::optional<QString> fileName(const FileQuestion& question);

private:
    const QList<AnswerLine>* block(const QString& dialog) const;
    void unanswered(const QString& dialog, const QString& why = QString());
    QString where(const AnswerLine& line) const;

    const AnswerFile& m_answers;
    Failure m_fail;
};

} // namespace kitbench
