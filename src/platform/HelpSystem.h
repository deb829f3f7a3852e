#pragma once

#include <QPointer>

class QTextBrowser;
class QWidget;

namespace kitbench {

// The wizard's help: HTML pages shipped in the program, one per context id (1010 for page 0, ...
// 1220 for page 21), shown in one help window that closes with the wizard.
class HelpSystem
{
public:
    // Shows the page of a context id; returns false when no page exists for it.
    bool showContext(int contextId, QWidget* owner);
    void close();

    static bool hasPage(int contextId);

private:
    QPointer<QTextBrowser> m_window;
};

} // namespace kitbench
