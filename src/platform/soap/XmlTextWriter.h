#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace kitbench {

// Writes XML text exactly as the SOAP wire format wants it: no indentation, "<name />" for an empty
// element, the text escaped. Characters XML 1.0 cannot carry are not written: the first one is kept
// as an error, because a server that receives one rejects the whole request.
class XmlTextWriter
{
public:
    void writeDeclaration();
    // `attributes` holds name/value pairs written in order on the start tag.
    void startElement(const QString& name, const QList<std::pair<QString, QString>>& attributes = {});
    void writeText(const QString& text);
    void endElement();

    const QString& text() const { return m_text; }
    // The first character that XML cannot carry, described, or "" when all were fine.
    const QString& error() const { return m_error; }

    static QString escaped(const QString& text, QString* error = nullptr, bool inAttribute = false);

private:
    void closeStartTag();

    QString m_text;
    QString m_error;
    QList<QString> m_open;
    bool m_startTagOpen = false;
};

} // namespace kitbench
