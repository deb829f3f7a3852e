#include "files/FormFields.h"

#include "session/ServerAddress.h"
#include "shell/RunMode.h"

#include <QUuid>

namespace kitbench {

namespace {

constexpr int kLibraryObjectType = 10;

bool namesTheFile(const QString& version)
{
    return version == QLatin1String("4.5") || version == QLatin1String("4.7");
}

QList<FormField> loginFields(const QString& login, const QString& password)
{
    return {{QStringLiteral("__EVENTTARGET"), QStringLiteral("btnSubmit")},
            {QStringLiteral("__EVENTARGUMENT"), QString()},
            {QStringLiteral("Login"), login},
            {QStringLiteral("Password"), password}};
}

} // namespace

qint32 ChosenNode::keyNumber() const
{
    return key.mid(1).toInt();
}

std::optional<int> publishObjectType(int runMode)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return 7;
    case CREATETASK:
        return 5;
    case CREATEEVENT:
        return 4;
    case CREATETODO:
        return 6;
    case UPLOAD:
        return kLibraryObjectType;
    case CREATEPROJECT:
    case IMPORTPROJECT:
        return 3;
    case IMPORTLIST:
        return 15;
    default:
        return std::nullopt;
    }
}

PublishRequest publishRequest(const PublishInput& input)
{
    PublishRequest request;
    request.objectId = input.createdObjectId;
    QList<FormField>& fields = request.form.fields;
    fields = loginFields(input.login, input.password);
    if (input.serverVersion == QLatin1String("3.0")) {
        const bool folder = input.chosen.isFolder();
        fields.append({QStringLiteral("FolderID"), folder ? input.chosen.tag : QStringLiteral("0")});
        fields.append({QStringLiteral("AssetID"), folder ? QStringLiteral("0") : input.chosen.tag});
        request.form.address =
            BuildPortalUrl(input.login, QStringLiteral("/Library/FilePublishing.aspx"), input.useSsl);
    } else {
        if (const std::optional<int> type = publishObjectType(input.runMode)) {
            fields.append({QStringLiteral("ObjectTypeId"), QString::number(*type)});
            if (input.runMode == UPLOAD && !input.chosen.isFolder()) {
                fields.append({QStringLiteral("AssetId"), input.chosen.tag});
            } else {
                fields.append({QStringLiteral("AssetId"), QStringLiteral("0")});
                if (input.runMode == UPLOAD)
                    request.objectId = input.chosen.keyNumber();
            }
        }
        fields.append({QStringLiteral("ObjectId"), QString::number(request.objectId)});
        if (namesTheFile(input.serverVersion))
            fields.append({QStringLiteral("FileName"), input.fileName});
        request.form.address =
            BuildPortalUrl(input.login, QStringLiteral("/FileLibrary/FilePublishing.aspx"), input.useSsl);
    }
    fields.append({QStringLiteral("__HARLOWE_FORM_UNIQUEID"), input.uniqueId});
    return request;
}

NameCheckTarget nameCheckTarget(int runMode, const ChosenNode& chosen, qint32 createdObjectId)
{
    NameCheckTarget target{static_cast<qint16>(publishObjectType(runMode).value_or(0)), createdObjectId};
    if (runMode == UPLOAD && chosen.isFolder())
        target.objectId = chosen.keyNumber();
    return target;
}

FormRequest downloadRequest(const QString& serverVersion, const QString& login, const QString& password,
                            bool useSsl, const ChosenNode& chosen, qint32 versionId)
{
    FormRequest request;
    request.fields = loginFields(login, password);
    if (serverVersion == QLatin1String("3.0")) {
        request.fields.append({QStringLiteral("AssetID"), QString::number(versionId)});
        request.address = BuildPortalUrl(login, QStringLiteral("/Library/FileDownload.aspx"), useSsl);
        return request;
    }
    const ChosenNode parent{chosen.parentKey, QString(), QString()};
    request.fields.append({QStringLiteral("FolderID"), QString::number(parent.keyNumber())});
    request.fields.append({QStringLiteral("VersionID"), QString::number(versionId)});
    request.address = BuildPortalUrl(login, QStringLiteral("/FileLibrary/FileDownload.aspx"), useSsl);
    return request;
}

QString publishFileName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

QString NewGuidString()
{
    const QUuid id = QUuid::createUuid();
    if (id.isNull())
        return QString();
    QString text = QStringLiteral("%1-%2-%3-")
                       .arg(id.data1, 8, 16, QLatin1Char('0'))
                       .arg(id.data2, 4, 16, QLatin1Char('0'))
                       .arg(id.data3, 4, 16, QLatin1Char('0'));
    for (uchar byte : id.data4)
        text += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
    return text.toUpper();
}

QString proposedFileName(const QString& headerText, const QString& libraryName)
{
    const QLatin1String marker("filename=");
    const qsizetype at = headerText.indexOf(marker, 0, Qt::CaseInsensitive);
    if (at < 0)
        return libraryName;
    QString name = headerText.mid(at + marker.size()).section(QLatin1Char(';'), 0, 0).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    // Only a name is taken from the server, never a folder.
    name = publishFileName(name);
    return name.isEmpty() ? libraryName : name;
}

Message transferFailureMessage(int status, int code, bool nameCheckRefused, MessageButtons buttons,
                               const QString& file)
{
    const TransferFailureText failure = transferFailureText(status, code, nameCheckRefused);
    Message message = Message::fromId(failure.textId, nameCheckRefused ? MessageButtons::Ok : buttons)
                          .append(failure.suffix);
    if (!nameCheckRefused)
        message.append(QStringLiteral("\n")).appendId(5022).append(file);
    return message;
}

TransferFailureText transferFailureText(int status, int code, bool nameCheckRefused)
{
    if (nameCheckRefused)
        return {5021, QString()};
    if (status == 1)
        return {5011, QString::number(code)};
    if (status == 2) {
        static const QList<std::pair<int, int>> byCode{{400, 5012}, {404, 5013}, {405, 5014}, {408, 5015},
                                                       {500, 5016}, {503, 5017}, {601, 5018}, {602, 5019}};
        for (const auto& [httpCode, textId] : byCode)
            if (httpCode == code)
                return {textId, QString()};
    }
    return {5020, QString::number(code)};
}

} // namespace kitbench
