#pragma once

// One call of the web service as any SOAP client makes it, for tests that read the server's own
// answers beside what the wizard did. Needs Qt6::Network.

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

// The text of <MethodResult>; "" when there is none. `parameters` is the method element's content.
inline QString callService(const QString& address, const QString& method, const QString& parameters,
                           const QString& user = QStringLiteral("admin"),
                           const QString& password = QStringLiteral("admin"))
{
    const QString ns = "http://orvello.com/webservices/";
    const QString body =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
        "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Header><Authenticator xmlns=\"" +
        ns + "\"><userName>" + user + "@" + address + "</userName><userPassword>" + password +
        "</userPassword></Authenticator></soap:Header><soap:Body><" + method + " xmlns=\"" + ns + "\">" +
        parameters + "</" + method + "></soap:Body></soap:Envelope>";
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl("http://" + address + "/portals/x/WebServices/OrvProject.asmx"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "text/xml; charset=utf-8");
    request.setRawHeader("SOAPAction", ("\"" + ns + method + "\"").toUtf8());
    QNetworkReply* reply = network.post(request, body.toUtf8());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    QXmlStreamReader reader(reply->readAll());
    reply->deleteLater();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QString(method + "Result"))
            return reader.readElementText();
    }
    return {};
}

// The texts of the elements at the end of `path` in a server answer, in document order: "Item/Data" is
// every Data element directly inside an Item element.
inline QStringList xmlValues(const QString& xml, const QString& path)
{
    const QStringList wanted = path.split('/');
    QStringList stack;
    QStringList values;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            stack << reader.name().toString();
            if (stack.size() >= wanted.size() && stack.mid(stack.size() - wanted.size()) == wanted) {
                values << reader.readElementText(QXmlStreamReader::IncludeChildElements);
                stack.removeLast();
            }
        } else if (reader.isEndElement()) {
            stack.removeLast();
        }
    }
    return values;
}
