#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapResponseReader.h"
#include "platform/soap/XmlTextWriter.h"

#include <QFile>
#include <QTest>

using namespace kitbench;

namespace {
QByteArray envelope(const QByteArray& header, const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">" +
           header + "<soap:Body>" + body + "</soap:Body></soap:Envelope>";
}

QByteArray stateHeader(const QByteArray& state)
{
    return "<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>" + state +
           "</State></ConnectionState></soap:Header>";
}

const QByteArray kFault =
    "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>Server was unable to process "
    "request. ---&gt; Project not found</faultstring><detail /></soap:Fault>";
} // namespace

class TestSoapResponse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void headersGoToTheHandler_data();
    void headersGoToTheHandler();
    void results_data();
    void results();
    void byReferenceValuesComeBack();
    void raisedErrors_data();
    void raisedErrors();
    void faultOfAnErrorStatus();
    void headerHandlerWritesTheAuthenticator();

private:
    std::optional<ServiceDescription> m_sample;
};

void TestSoapResponse::initTestCase()
{
    QFile file(QStringLiteral(KITBENCH_TEST_DATA "/Sample.wsdl"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    m_sample = ServiceDescription::parse(QString::fromUtf8(file.readAll()), &error);
    QVERIFY2(m_sample, qPrintable(error));
}

void TestSoapResponse::headersGoToTheHandler_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("expected");
    QTest::newRow("OK") << stateHeader("OK") << "OK";
    QTest::newRow("other case is kept as sent") << stateHeader("ok") << "ok";
    QTest::newRow("server's error text")
        << stateHeader("Access denied: wrong password") << "Access denied: wrong password";
    QTest::newRow("all descendant text")
        << QByteArray("<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>Access </State><More>denied"
                      "<![CDATA[ & more]]></More></ConnectionState></soap:Header>")
        << "Access denied & more";
    QTest::newRow("several headers: the last wins")
        << QByteArray("<soap:Header><First xmlns=\"urn:x\">first</First><Second "
                      "xmlns=\"urn:x\">last</Second></soap:Header>")
        << "last";
    QTest::newRow("no header: unchanged") << QByteArray() << "previous";
    QTest::newRow("empty header element: unchanged") << QByteArray("<soap:Header />") << "previous";
    QTest::newRow("empty state") << stateHeader("") << "";
}

void TestSoapResponse::headersGoToTheHandler()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, expected);
    OrvProjectSoapClient handler;
    handler.ServerErrorMessage = QStringLiteral("previous");
    QVariantList arguments{QStringLiteral("x")};
    const SoapCallResult result = SoapResponseReader::readAnswer(
        *m_sample->operation(QStringLiteral("Nothing")),
        envelope(header, "<NothingResponse xmlns=\"urn:sample:\" />"), &handler, arguments);
    QVERIFY2(result.ok(), qPrintable(result.errorText));
    QCOMPARE(handler.ServerErrorMessage, expected);
}

void TestSoapResponse::results_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("wrapper");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("escaped XML text comes back as the text")
        << "Echo"
        << QByteArray("<EchoResponse xmlns=\"urn:sample:\"><EchoResult>&lt;projects&gt;&lt;project id=\"1\" "
                      "name=\"A &amp;amp; B\" /&gt;&lt;/projects&gt;</EchoResult></EchoResponse>")
        << QVariant(QStringLiteral("<projects><project id=\"1\" name=\"A &amp; B\" /></projects>"));
    QTest::newRow("CDATA") << "Echo"
                           << QByteArray(
                                  "<EchoResponse xmlns=\"urn:sample:\"><EchoResult><![CDATA[<a>&</a>]]>"
                                  "</EchoResult></EchoResponse>")
                           << QVariant(QStringLiteral("<a>&</a>"));
    QTest::newRow("nil string is null")
        << "Echo"
        << QByteArray("<EchoResponse xmlns=\"urn:sample:\"><EchoResult xsi:nil=\"true\" /></EchoResponse>")
        << QVariant(QString());
    QTest::newRow("missing result takes no value")
        << "Echo" << QByteArray("<EchoResponse xmlns=\"urn:sample:\" />") << QVariant();
    QTest::newRow("int") << "Everything"
                         << QByteArray("<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult> -42 "
                                       "</EverythingResult></EverythingResponse>")
                         << QVariant::fromValue(qint32(-42));
    QTest::newRow("boolean")
        << "Flags"
        << QByteArray("<r:FlagsResponse xmlns:r=\"urn:sample:\"><r:FlagsResult>true</r:FlagsResult>"
                      "</r:FlagsResponse>")
        << QVariant(true);
}

void TestSoapResponse::results()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, wrapper);
    QFETCH(QVariant, expected);
    QVariantList arguments;
    const SoapCallResult result = SoapResponseReader::readAnswer(*m_sample->operation(method),
                                                                 envelope({}, wrapper), nullptr, arguments);
    QVERIFY2(result.ok(), qPrintable(result.errorText));
    QCOMPARE(result.result.metaType(), expected.metaType());
    QCOMPARE(result.result, expected);
    if (expected.typeId() == QMetaType::QString)
        QCOMPARE(result.result.toString().isNull(), expected.toString().isNull());
}

void TestSoapResponse::byReferenceValuesComeBack()
{
    QVariantList arguments{5, QStringLiteral("sent"), QVariant::fromValue(QList<int>{1})};
    const SoapCallResult result = SoapResponseReader::readAnswer(
        *m_sample->operation(QStringLiteral("Echo")),
        envelope({}, "<EchoResponse xmlns=\"urn:sample:\"><EchoResult>done</EchoResult><count>6</count>"
                     "<ids><int>7</int><int>-8</int></ids></EchoResponse>"),
        nullptr, arguments);
    QVERIFY2(result.ok(), qPrintable(result.errorText));
    QCOMPARE(result.result.toString(), QStringLiteral("done"));
    QCOMPARE(arguments.at(0), QVariant::fromValue(qint32(6)));
    QCOMPARE(arguments.at(1), QVariant(QStringLiteral("sent"))); // not echoed: as it was
    QCOMPARE(arguments.at(2).value<QList<qint32>>(), QList<qint32>({7, -8}));

    // An echoed parameter the server leaves out keeps the caller's value.
    QVariantList kept{9};
    QVERIFY(SoapResponseReader::readAnswer(*m_sample->operation(QStringLiteral("Echo")),
                                           envelope({}, "<EchoResponse xmlns=\"urn:sample:\" />"), nullptr,
                                           kept)
                .ok());
    QCOMPARE(kept.at(0), QVariant(9));
}

void TestSoapResponse::raisedErrors_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("fault");
    QTest::newRow("fault") << envelope({}, kFault) << "Project not found"
                           << "Server was unable to process request. ---> Project not found";
    QTest::newRow("not XML") << QByteArray("Internal error") << "not XML"
                             << "";
    QTest::newRow("empty") << QByteArray() << "not XML"
                           << "";
    QTest::newRow("HTML page") << QByteArray("<html><body>Runtime Error</body></html>")
                               << "not a SOAP 1.1 envelope"
                               << "";
    QTest::newRow("SOAP 1.2 envelope")
        << QByteArray(
               "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body/></e:Envelope>")
        << "not a SOAP 1.1 envelope"
        << "";
    QTest::newRow("answer of another method")
        << envelope({}, "<EchoResponse xmlns=\"urn:sample:\" />") << "where EverythingResponse was expected"
        << "";
    QTest::newRow("result that is no number")
        << envelope({}, "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>1x</EverythingResult>"
                        "</EverythingResponse>")
        << "EverythingResult is not a valid s:int"
        << "";
    // Hostile answers end in the reader's message. Entities are not expanded (were they, "&a;" would read
    // as the number 7); depth and size do not bring the reader down.
    const QByteArray entities =
        "<!DOCTYPE e [<!ENTITY a \"7\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]>";
    QTest::newRow("entity definitions")
        << entities +
               envelope({},
                        "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>&a;</EverythingResult>"
                        "</EverythingResponse>")
        << "EverythingResult is not a valid s:int"
        << "";
    QTest::newRow("nested 200,000 deep")
        << envelope({}, "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>" +
                            QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000) +
                            "</EverythingResult></EverythingResponse>")
        << "EverythingResult is not a valid s:int"
        << "";
    QTest::newRow("50 MB result") << envelope({},
                                              "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>" +
                                                  QByteArray(50 << 20, '7') +
                                                  "</EverythingResult></EverythingResponse>")
                                  << "EverythingResult is not a valid s:int"
                                  << "";
    QTest::newRow("boolean for a number")
        << envelope({}, "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>true</EverythingResult>"
                        "</EverythingResponse>")
        << "EverythingResult is not a valid s:int"
        << "";
}

void TestSoapResponse::raisedErrors()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    QFETCH(QString, fault);
    QVariantList arguments;
    const SoapCallResult result = SoapResponseReader::readAnswer(
        *m_sample->operation(QStringLiteral("Everything")), body, nullptr, arguments);
    QCOMPARE(result.status, SoapCallResult::Status::Raised);
    QVERIFY2(result.errorText.contains(reason), qPrintable(result.errorText));
    QCOMPARE(result.faultString, fault);
}

void TestSoapResponse::faultOfAnErrorStatus()
{
    QCOMPARE(SoapResponseReader::readFault(envelope({}, kFault)),
             std::optional<QString>(
                 QStringLiteral("Server was unable to process request. ---> Project not found")));
    QCOMPARE(SoapResponseReader::readFault(envelope({}, "<EchoResponse xmlns=\"urn:sample:\" />")),
             std::nullopt);
    QCOMPARE(SoapResponseReader::readFault("<html/>"), std::nullopt);
}

void TestSoapResponse::headerHandlerWritesTheAuthenticator()
{
    OrvProjectSoapClient handler;
    QVERIFY(handler.WillWriteHeaders());
    handler.UserName = QStringLiteral("jo@srv:81");
    handler.UserPass = QString();
    XmlTextWriter writer;
    SoapHeaderWriter headerWriter(writer, QStringLiteral("http://orvello.com/webservices/"));
    handler.WriteHeaders(headerWriter);
    QCOMPARE(writer.text(), QStringLiteral("<Authenticator xmlns=\"http://orvello.com/webservices/\">"
                                           "<userName>jo@srv:81</userName><userPassword /></Authenticator>"));
    pugi::xml_document document;
    QVERIFY(document.load_string("<h><a>x</a><b>y</b></h>"));
    QVERIFY(handler.ReadHeader(document.first_child()));
    QCOMPARE(handler.ServerErrorMessage, QStringLiteral("xy"));
}

QTEST_GUILESS_MAIN(TestSoapResponse)
#include "tst_soapresponse.moc"
