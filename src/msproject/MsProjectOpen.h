#pragma once

#include "platform/msproject/MsProjectAutomation.h"

#include <QString>

namespace kitbench {

// Opens a plan given as MS Project XML in Microsoft Project and leaves it running for the user: a
// release up to 9 gets the document built through automation, a newer one opens the XML itself.
// When Microsoft Project cannot be started text 5055 is shown and false returned. When any later step
// fails Microsoft Project is closed without saving and nothing is reported (the result is still true).
bool OpenXmlInMsProject(const QString& xml, MsProjectAutomation& automation,
                        const MsProjectAutomation::DocumentOpener& open);

} // namespace kitbench
