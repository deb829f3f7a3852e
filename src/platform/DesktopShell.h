#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace kitbench {

// The desktop's ways to show things: the default browser, the file manager, the program that
// handles a document type, and a chooser of a program when none does.
class DesktopShell
{
public:
    enum class OpenResult { Opened, NoAssociation, Failed };

    virtual ~DesktopShell() = default;
    virtual bool openUrl(const QUrl& url);
    virtual bool openFolder(const QString& folder);
    virtual OpenResult openDocument(const QString& path);
    // Lets the user pick a program for the document and starts it; false when none was chosen.
    virtual bool chooseProgramAndOpen(const QString& path, QWidget* parent);
};

} // namespace kitbench
