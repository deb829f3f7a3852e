// Command line and answer file: the texts a web page, an add-in or a script hands the wizard.
#include "KitbenchEntries.h"

#include "shell/AnswerFile.h"
#include "shell/CommandLine.h"

namespace {

QString utf8Text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace

using namespace kitbench;

void fuzzCommandLine(const std::uint8_t* data, std::size_t size)
{
    const QString text = utf8Text(data, size);
    const QStringList tokens = tokenizeCommandLine(text);
    // The shell splits arguments before we see them; joining must not change what they say.
    fuzzCheck(tokenizeCommandLine(joinArguments(tokens)) == tokens,
              "joined arguments split into the same tokens");

    const CommandLineRequest request = parseCommandLine(text);
    for (const QString& value : request.publishValues)
        fuzzCheck(!value.isEmpty() && tokens.contains(value), "every path to publish is a non-empty token");
    fuzzCheck(request.runMode >= 0 && request.runMode <= 12, "the run mode is a job or none");
    fuzzCheck(!ParseResourceIds(request.resourceIdsText).isEmpty(), "resource ids hold at least the 0");
}

void fuzzAnswerFile(const std::uint8_t* data, std::size_t size)
{
    const QString text = utf8Text(data, size);
    const qsizetype lineCount = text.count(QLatin1Char('\n')) + 1;
    AnswerFileError error;
    const std::optional<AnswerFile> file = parseAnswerFile(QStringLiteral("fuzz.txt"), text, &error);
    if (!file) {
        fuzzCheck(!error.what.isEmpty(), "a refused answer file says why");
        fuzzCheck(error.lineNumber >= 0 && error.lineNumber <= lineCount,
                  "the error names a line of the file");
        return;
    }
    for (auto page = file->pages.cbegin(); page != file->pages.cend(); ++page) {
        fuzzCheck(page.key() >= 0 && page.key() <= 21, "answers go to pages that exist");
        int previous = 0;
        for (const AnswerLine& line : page.value()) {
            fuzzCheck(!line.name.isEmpty(), "every answer names a control");
            fuzzCheck(line.lineNumber > previous && line.lineNumber <= lineCount, "answers keep file order");
            previous = line.lineNumber;
        }
    }
}
