#include "directory/DirectoryRows.h"

#include "shell/TextCatalogue.h"

namespace kitbench {

QString ComboEntry::displayText() const
{
    return textId != 0 ? GetLocalizedText(textId) : text;
}

} // namespace kitbench
