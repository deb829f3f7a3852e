#pragma once

#include <QString>

namespace kitbench {

struct WizardState;

// The page of the web interface that shows a job's result, as the redirect of the automatic web
// login ("Incidents/IncidentView.aspx?IncidentId=12&Tab=General"). The parameter names differ in
// case between the server's pages and are sent exactly so. "" for a job without one.
QString WebRedirect(const WizardState& state);

// The folder that holds a downloaded file (the download job opens it instead of a web page).
QString DownloadFolder(const QString& downloadedFilePath);

} // namespace kitbench
