#pragma once

#include "directory/ServerCall.h"

#include <optional>

namespace kitbench {

// The server calls of the plan import and the project export.

// Step one: the target project (negative for one in synchronization mode) and the plan's XML.
ServerCall importStepOneCall(qint32 projectId, const QString& planXml);

// Step two sends the project id as a 16-bit number, negated to ask for synchronization mode (only a
// positive id is negated). Nothing when the id does not fit 16 bits.
std::optional<qint16> stepTwoProjectId(qint32 projectId, bool synchronize);
std::optional<ServerCall> importStepTwoCall(qint32 projectId, bool synchronize, const QString& request);

ServerCall exportProjectCall(qint32 projectId);

} // namespace kitbench
