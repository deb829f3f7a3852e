#pragma once

#include "platform/Message.h"

#include <QList>
#include <QString>

#include <optional>

namespace kitbench {

// One text field of a form post, in the order it is added.
struct FormField
{
    QString name;
    QString value;

    bool operator==(const FormField&) const = default;
};

// What a file post or a download post sends: the page address and the text fields.
struct FormRequest
{
    QString address;
    QList<FormField> fields;
};

// The library node chosen on the folder page (upload) or the file page (download).
struct ChosenNode
{
    QString key;       // "F12" a folder, "A7" a file, "U7" a link
    QString tag;       // its tag as text
    QString parentKey; // the key of its folder (download)

    bool isFolder() const { return key.startsWith(QLatin1Char('F')); }
    // The number after the key's letter; 0 when it is not one.
    qint32 keyNumber() const;
};

// The object type code a file is attached to ("ObjectTypeId"): incident 7, task 5, event 4, to-do 6,
// library 10, project 3 (also for the plan import), workbook of a list import 15; nothing otherwise.
std::optional<int> publishObjectType(int runMode);

struct PublishInput
{
    QString serverVersion;
    int runMode = 0;
    QString login;
    QString password;
    bool useSsl = false;
    ChosenNode chosen;          // upload: the folder page's node
    qint32 createdObjectId = 0; // the object the file belongs to
    QString fileName;           // "FileName" on 4.5 and 4.7
    QString uniqueId;           // "__HARLOWE_FORM_UNIQUEID"
};

// The publishing post of one file. In the upload job a chosen folder becomes the object the file
// belongs to: `objectId` gives the id the post sends (and the wizard keeps).
struct PublishRequest
{
    FormRequest form;
    qint32 objectId = 0;
};
PublishRequest publishRequest(const PublishInput& input);

// The object a file name is checked against (CheckFileName): the job's object, or in the upload job
// library type 10 with the chosen folder's id.
struct NameCheckTarget
{
    qint16 objectType = 0;
    qint32 objectId = 0;
};
NameCheckTarget nameCheckTarget(int runMode, const ChosenNode& chosen, qint32 createdObjectId);

// The download post of the chosen library file (its version id in `versionId`).
FormRequest downloadRequest(const QString& serverVersion, const QString& login, const QString& password,
                            bool useSsl, const ChosenNode& chosen, qint32 versionId);

// The file name of a path: the text after its last "\" (or "/"); the whole path without one.
QString publishFileName(const QString& path);

// NewGuidString: 8-4-4-16 upper-case hexadecimal digits, no braces.
QString NewGuidString();

// The file name the save dialog proposes: the quoted name after "filename=" in the response header,
// else the library's name of the file.
QString proposedFileName(const QString& headerText, const QString& libraryName);

// The message of a failed transfer: the text id and what follows it (the code for 5011 and 5020).
struct TransferFailureText
{
    int textId = 0;
    QString suffix;
};
TransferFailureText transferFailureText(int status, int code, bool nameCheckRefused);
// The message box of a failed transfer: a refused name with OK alone; otherwise the failure, a line
// break and text 5022 with the file, offering `buttons`.
Message transferFailureMessage(int status, int code, bool nameCheckRefused, MessageButtons buttons,
                               const QString& file);

} // namespace kitbench
