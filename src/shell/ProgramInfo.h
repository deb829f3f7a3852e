#pragma once

#include <QString>
#include <QStringList>

namespace kitbench {

// What a start asks for before the wizard reads its command line: the usage, the version, or the
// wizard itself. The wizard's own tokenizer ignores these options, so they change nothing it does.
enum class StartRequest
{
    Wizard,
    Usage,   // --help, -h, -?, /?
    Version, // --version
};

StartRequest startRequest(const QStringList& arguments);

// "Orvello Kitbench <version>", the project's version.
QString versionText();

// The jobs, options, unattended runs and exit statuses, for --help.
QString usageText();

// Said when the wizard is started without a display and not unattended.
QString noDisplayText();

} // namespace kitbench
