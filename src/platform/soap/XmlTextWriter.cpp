#include "platform/soap/XmlTextWriter.h"

namespace kitbench {

namespace {
// XML 1.0 allows tab, line feed, carriage return and everything from U+0020 except the surrogate
// block (whole pairs are fine) and U+FFFE/U+FFFF.
bool isXmlChar(char32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}
} // namespace

QString XmlTextWriter::escaped(const QString& text, QString* error, bool inAttribute)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
        if (!isXmlChar(code)) {
            if (error && error->isEmpty())
                *error =
                    QStringLiteral("the character U+%1 cannot be sent in XML")
                        .arg(QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0')));
            continue;
        }
        switch (code) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        // A raw carriage return would be read back as a line feed: keep it as a reference.
        case '\r':
            out += QLatin1String("&#xD;");
            break;
        default:
            out += c;
            if (code > 0xFFFF)
                out += text.at(++i);
        }
    }
    return out;
}

void XmlTextWriter::writeDeclaration()
{
    m_text += QLatin1String("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
}

void XmlTextWriter::closeStartTag()
{
    if (m_startTagOpen) {
        m_text += QLatin1Char('>');
        m_startTagOpen = false;
    }
}

void XmlTextWriter::startElement(const QString& name, const QList<std::pair<QString, QString>>& attributes)
{
    closeStartTag();
    m_text += QLatin1Char('<') + name;
    for (const auto& [attributeName, value] : attributes)
        m_text += QLatin1Char(' ') + attributeName + QLatin1String("=\"") + escaped(value, &m_error, true) +
                  QLatin1Char('"');
    m_open.append(name);
    m_startTagOpen = true;
}

void XmlTextWriter::writeText(const QString& text)
{
    if (text.isEmpty())
        return;
    closeStartTag();
    m_text += escaped(text, &m_error);
}

void XmlTextWriter::endElement()
{
    const QString name = m_open.takeLast();
    if (m_startTagOpen) {
        m_text += QLatin1String(" />");
        m_startTagOpen = false;
    } else {
        m_text += QLatin1String("</") + name + QLatin1Char('>');
    }
}

} // namespace kitbench
