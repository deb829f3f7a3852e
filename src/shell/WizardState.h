#pragma once

#include <QList>
#include <QString>

namespace kitbench {

// The state of the main form that the subsystems share.
struct WizardState
{
    qint16 RunMode = 0;
    bool StartedWithRunMode = false;
    QString ImportFilePath;
    QList<qint32> ResourceUserIds{0};
    qint16 CurrentStep = 0;
    bool FocusPending = false;
    bool HelpShown = false;
    qint16 LocalTimeZoneOffset = 0; // minutes, taken once at start
    bool FinishEnabled = false;
    bool IsBusy = false;
    bool CancelRequested = false;
    bool ImportNewProject = false;
    QString ServerVersion;
    qint32 CreatedObjectId = 0;
    bool UploadToLibraryFolder = false; // UPLOAD: the chosen folder is a plain library folder
    qint32 UploadProjectId = 0;         // UPLOAD: the project whose library holds the folder
    qint32 FilesPublished = 0;
    qint32 FilesToPublish = 0;
    QString PublishingLog;
    // The user refused a file whose name is taken; kept until the program ends.
    bool NameCheckRefused = false;
    QString DownloadedFilePath;
    QString ExportedProjectName; // the project opened in MS Project
    // Outcome of the last server step of the MS Project import and export, for the final report.
    QString LastErrorText;
    bool LastStepFailed = false;
    // The profile's time zone after the dictionary load (bias convention, minutes): the dates sent to
    // the server are shifted by ProfileTimeOffset - LocalTimeZoneOffset.
    qint16 ProfileTimeOffset = 0;
    // The user may edit categories and clients: the edit buttons are shown again after a page lock.
    bool CanEditCategories = false;
    // The last project list answer of the item jobs (the to-do page reads its managers from it).
    QString ItemProjectsXml;
    // The project list answer of the MS Project jobs (the export page's details box reads it).
    QString ProjectsText;
    // IMPORTLIST: the server's description of the uploaded workbook (sheets and their columns).
    QString WorkbookDescription;
};

} // namespace kitbench
