#pragma once

#include <QSet>
#include <QString>

namespace kitbench {

// The service methods that only read from the server. They may be repeated harmlessly and share the
// session's kept-alive connection; every other method (create, update, import, new folders) changes
// the server and is sent at most once.
const QSet<QString>& readOnlyServiceMethods();

} // namespace kitbench
