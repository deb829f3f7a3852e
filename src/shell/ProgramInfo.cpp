#include "shell/ProgramInfo.h"

namespace kitbench {

StartRequest startRequest(const QStringList& arguments)
{
    // The first of the two found wins, as with most programs.
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h") ||
            argument == QLatin1String("-?") || argument == QLatin1String("/?"))
            return StartRequest::Usage;
        if (argument == QLatin1String("--version"))
            return StartRequest::Version;
    }
    return StartRequest::Wizard;
}

QString versionText()
{
    return QStringLiteral("Orvello Kitbench " KITBENCH_VERSION "\n");
}

QString usageText()
{
    return QStringLiteral(
        "Usage: kitbench [/JOB] [/L user@server[:port]] [/P password] [/USESSL] [/OPENFILE]\n"
        "                [/ORVRESOURCES 12,7] [files or folders to publish ...]\n"
        "                [/UNATTENDED answers.txt [/SCREENSHOTS folder]]\n"
        "       kitbench --help | --version\n"
        "\n"
        "The Orvello Kitbench wizard: one job on an Orvello collaboration server.\n"
        "\n"
        "Jobs (options start with / or -, any letter case):\n"
        "  /CREATEINCIDENT  /CREATETASK  /CREATEEVENT  /CREATETODO  /CREATELIST  /CREATEPROJECT\n"
        "  /UPLOAD             publish the files and folders named on the command line\n"
        "  /DOWNLOAD           download a file from the file library\n"
        "  /IMPORTPROJECT file import a Microsoft Project plan into a server project\n"
        "  /EXPORTPROJECT      open a server project as a plan\n"
        "  /EXPORTCALENDAR     export calendar entries\n"
        "  /IMPORTLIST file    create a list from a sheet of an Excel workbook\n"
        "Without a job the first page offers the list of jobs.\n"
        "\n"
        "Options:\n"
        "  /L user@server[:port]   the login of the connection page\n"
        "  /P password             its password\n"
        "  /USESSL                 connect over HTTPS\n"
        "  /OPENFILE               on the final page, preselect closing and opening the result\n"
        "  /ORVRESOURCES ids       user ids offered on the team page, comma-separated\n"
        "  --help                  this text\n"
        "  --version               the program's version\n"
        "Values are served in the order import file, user ids, login, password, answer file,\n"
        "screenshot folder; other values name files or folders to publish.\n"
        "\n"
        "Unattended runs:\n"
        "  /UNATTENDED answers.txt   an answer file fills each page and presses Next, and\n"
        "                            answers message boxes by text id (see the README)\n"
        "  /SCREENSHOTS folder       saves a picture of every page shown\n"
        "Message boxes go to standard error as [ID] text, the final report to standard output.\n"
        "Without a display an unattended run uses Qt's offscreen platform.\n"
        "\n"
        "Exit status of an unattended run:\n"
        "  0  Finish was pressed\n"
        "  1  the answer file names a control or value that does not exist\n"
        "  2  an error message left the wizard on its page\n"
        "  3  a question the answer file does not answer\n"
        "  4  Next did not leave a page and no message says why, or the wizard was closed\n"
        "A start without a display that is not unattended ends with status 1.\n");
}

QString noDisplayText()
{
    return QStringLiteral(
        "kitbench: no display to show the wizard on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
        "Start it in a desktop session, run a job unattended with /UNATTENDED answers.txt,\n"
        "or choose a Qt platform with QT_QPA_PLATFORM (for example offscreen). See kitbench --help.\n");
}

} // namespace kitbench
