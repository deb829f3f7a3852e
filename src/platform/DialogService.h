#pragma once

#include <functional>

class QDialog;

namespace kitbench {

// The one way the program shows its own modal dialogs (new folder, categories, user choice): by
// default modally over the window; an unattended run installs a presenter that answers them from
// the answer file, so that no dialog can block a run nobody watches.
class DialogService
{
public:
    // Returns the dialog's result code (QDialog::Accepted or Rejected) once it is closed.
    using Presenter = std::function<int(QDialog& dialog)>;

    static DialogService& instance();

    int exec(QDialog& dialog);
    void setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

private:
    Presenter m_presenter;
};

} // namespace kitbench
