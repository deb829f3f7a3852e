#include "platform/DialogService.h"

#include <QDialog>

namespace kitbench {

DialogService& DialogService::instance()
{
    static DialogService service;
    return service;
}

int DialogService::exec(QDialog& dialog)
{
    if (m_presenter)
        return m_presenter(dialog);
    return dialog.exec();
}

} // namespace kitbench
