#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Points the user and system settings of this process at a fresh temporary folder, so tests never
// read or write the real user's settings.
class TempSettings
{
public:
    TempSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("user")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir.filePath(QStringLiteral("system")));
    }

    // Writes the language choice of one scope ("" removes it).
    static void setLanguage(QSettings::Scope scope, const QString& code)
    {
        QSettings settings(QSettings::NativeFormat, scope, QStringLiteral("Harlowe"), QStringLiteral("Orvello"));
        if (code.isEmpty())
            settings.remove(QStringLiteral("4.5/ClientTools/Language"));
        else
            settings.setValue(QStringLiteral("4.5/ClientTools/Language"), code);
    }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
