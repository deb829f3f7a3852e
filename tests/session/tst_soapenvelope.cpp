#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapRequestWriter.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

using namespace kitbench;

namespace {
QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QString sampleWsdl()
{
    return readFile(QStringLiteral(KITBENCH_TEST_DATA "/Sample.wsdl"));
}

const QString kDeclaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
const QString kEnvelopeStart =
    QStringLiteral("<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                   "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                   "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">");
} // namespace

class TestSoapEnvelope : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readsTheSampleDescription();
    void readsTheServiceContract();
    void refusesDescriptions_data();
    void refusesDescriptions();
    void fullEnvelopeWithHeader();
    void parameterValues_data();
    void parameterValues();
    void refusedValues_data();
    void refusedValues();
    void soapAction_data();
    void soapAction();

private:
    std::optional<ServiceDescription> m_sample;
};

void TestSoapEnvelope::initTestCase()
{
    QString error;
    m_sample = ServiceDescription::parse(sampleWsdl(), &error);
    QVERIFY2(m_sample, qPrintable(error));
}

void TestSoapEnvelope::readsTheSampleDescription()
{
    QCOMPARE(m_sample->targetNamespace(), QStringLiteral("urn:sample:"));
    // The SOAP 1.1 port's address, not the soap12 one listed first.
    QCOMPARE(m_sample->location(), QStringLiteral("http://127.0.0.1:1/Sample.asmx"));
    QCOMPARE(m_sample->operationNames(),
             QStringList({QStringLiteral("Echo"), QStringLiteral("Everything"), QStringLiteral("Flags"),
                          QStringLiteral("Keyed"), QStringLiteral("Nothing")}));

    // The schema of the other namespace also has an "Everything": it must not be taken.
    const SoapOperation* everything = m_sample->operation(QStringLiteral("Everything"));
    QVERIFY(everything);
    QCOMPARE(everything->soapAction, QStringLiteral("urn:sample:Everything"));
    const QList<SoapType> types{SoapType::Short,        SoapType::Int,    SoapType::Boolean,
                                SoapType::DateTime,     SoapType::String, SoapType::ArrayOfInt,
                                SoapType::ArrayOfString};
    const QStringList names{"small", "number", "flag", "when", "title", "ids", "names"};
    QCOMPARE(everything->parameters.size(), types.size());
    for (qsizetype i = 0; i < types.size(); ++i) {
        QCOMPARE(everything->parameters.at(i).name, names.at(i));
        QCOMPARE(everything->parameters.at(i).type, types.at(i));
        QCOMPARE(everything->parameters.at(i).optional, i >= 4);
    }
    QCOMPARE(everything->requestHeaderElement, QStringLiteral("Authenticator"));
    QCOMPARE(everything->requestHeaderChildren.size(), 2);
    QCOMPARE(everything->requestHeaderChildren.at(1).name, QStringLiteral("userPassword"));
    QCOMPARE(everything->responseHeaderElement, QStringLiteral("ConnectionState"));
    QVERIFY(everything->result());
    QCOMPARE(everything->result()->type, SoapType::Int);
    QVERIFY(everything->byReference().isEmpty());

    const SoapOperation* echo = m_sample->operation(QStringLiteral("Echo"));
    QCOMPARE(echo->result()->type, SoapType::String);
    QCOMPARE(echo->byReference().size(), 2);
    QCOMPARE(echo->byReference().at(0).name, QStringLiteral("count"));
    QCOMPARE(echo->byReference().at(1).type, SoapType::ArrayOfInt);

    const SoapOperation* nothing = m_sample->operation(QStringLiteral("Nothing"));
    QVERIFY(!nothing->result());
    QVERIFY(nothing->requestHeaderElement.isEmpty());
    QCOMPARE(m_sample->operation(QStringLiteral("Keyed"))->parameters.at(0).type, SoapType::Unsupported);
}

void TestSoapEnvelope::readsTheServiceContract()
{
    QString error;
    const auto contract = ServiceDescription::parse(readFile(QStringLiteral(KITBENCH_CONTRACT)), &error);
    QVERIFY2(contract, qPrintable(error));
    QCOMPARE(contract->targetNamespace(), QStringLiteral("http://orvello.com/webservices/"));
    QVERIFY(contract->operationNames().size() >= 30);
    const QStringList names = contract->operationNames();
    for (const QString& name : names) {
        const SoapOperation* operation = contract->operation(name);
        QCOMPARE(operation->soapAction, QStringLiteral("http://orvello.com/webservices/") + name);
        QCOMPARE(operation->requestHeaderElement, QStringLiteral("Authenticator"));
        QCOMPARE(operation->responseHeaderElement, QStringLiteral("ConnectionState"));
        for (const SoapParameter& parameter : operation->parameters)
            QVERIFY2(parameter.type != SoapType::Unsupported,
                     qPrintable(name + QLatin1Char('.') + parameter.name));
    }
    const SoapOperation* incident = contract->operation(QStringLiteral("CreateIncident"));
    QCOMPARE(incident->parameters.at(2).name, QStringLiteral("projectId"));
    QCOMPARE(incident->parameters.at(6).type, SoapType::ArrayOfInt);
    QCOMPARE(incident->byReference().size(), 1);
    QCOMPARE(contract->operation(QStringLiteral("GetServerVersion"))->result()->type, SoapType::String);
}

void TestSoapEnvelope::refusesDescriptions_data()
{
    QTest::addColumn<QString>("wsdl");
    QTest::addColumn<QString>("reason");
    const QString sample = sampleWsdl();
    QTest::newRow("bare style")
        << QString(sample).replace(QStringLiteral("<wsdl:part name=\"parameters\" element=\"tns:Echo\" />"),
                                   QStringLiteral("<wsdl:part name=\"count\" element=\"tns:Echo\" />"))
        << "bare message style";
    QTest::newRow("rpc style") << QString(sample).replace(
                                      QStringLiteral("soapAction=\"urn:sample:Flags\" style=\"document\""),
                                      QStringLiteral("soapAction=\"urn:sample:Flags\" style=\"rpc\""))
                               << "rpc style";
    QTest::newRow("encoded") << QString(sample).replace(
                                    QStringLiteral("<wsdl:input><soap:body use=\"literal\" /></wsdl:input>"),
                                    QStringLiteral("<wsdl:input><soap:body use=\"encoded\" /></wsdl:input>"))
                             << "SOAP encoding";
    QTest::newRow("only soap12") << QString(sample).replace(QStringLiteral("<soap:binding "),
                                                            QStringLiteral("<soap12:binding "))
                                 << "no SOAP 1.1 binding";
    QTest::newRow("element missing") << QString(sample).replace(
                                            QStringLiteral("element=\"tns:FlagsResponse\""),
                                            QStringLiteral("element=\"tns:Gone\""))
                                     << "tns:Gone is missing";
    QTest::newRow("not XML") << "<wsdl:definitions"
                             << "not well-formed";
    QTest::newRow("not a WSDL") << "<html><body/></html>"
                                << "not a WSDL";
}

void TestSoapEnvelope::refusesDescriptions()
{
    QFETCH(QString, wsdl);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!ServiceDescription::parse(wsdl, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestSoapEnvelope::fullEnvelopeWithHeader()
{
    OrvProjectSoapClient header;
    header.UserName = QStringLiteral("admin@srv.example:8080");
    header.UserPass = QStringLiteral("p<&>\"");
    const QVariantList arguments{qint16(-3),
                                 70000,
                                 true,
                                 QDateTime(QDate(2024, 3, 1), QTime(13, 45)),
                                 QStringLiteral("Tom & Jerry <1>"),
                                 QVariant::fromValue(QList<int>{1, 2}),
                                 QStringList{QStringLiteral("a"), QString()}};
    QString error;
    const auto body = SoapRequestWriter::envelope(m_sample->targetNamespace(),
                                                  *m_sample->operation(QStringLiteral("Everything")),
                                                  arguments, &header, &error);
    QVERIFY2(body, qPrintable(error));
    const QString expected =
        kDeclaration + kEnvelopeStart +
        QStringLiteral(
            "<soap:Header><Authenticator xmlns=\"urn:sample:\"><userName>admin@srv.example:8080</userName>"
            "<userPassword>p&lt;&amp;&gt;\"</userPassword></Authenticator></soap:Header>"
            "<soap:Body><Everything xmlns=\"urn:sample:\"><small>-3</small><number>70000</number>"
            "<flag>true</flag><when>2024-03-01T13:45:00</when><title>Tom &amp; Jerry &lt;1&gt;</title>"
            "<ids><int>1</int><int>2</int></ids><names><string>a</string><string xsi:nil=\"true\" /></names>"
            "</Everything></soap:Body></soap:Envelope>");
    QCOMPARE(QString::fromUtf8(*body), expected);
}

void TestSoapEnvelope::parameterValues_data()
{
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("wrapperContent");
    const QDateTime when(QDate(2024, 3, 1), QTime(13, 45));
    QTest::newRow("null string and arrays left out")
        << QVariantList{1, 2, false, when, QString(), QVariant(), QVariant()}
        << "<small>1</small><number>2</number><flag>false</flag><when>2024-03-01T13:45:00</when>";
    QTest::newRow("trailing arguments missing: optional ones left out")
        << QVariantList{1, 2, false, when}
        << "<small>1</small><number>2</number><flag>false</flag><when>2024-03-01T13:45:00</when>";
    QTest::newRow("empty string and empty arrays are written")
        << QVariantList{1,
                        2,
                        false,
                        when,
                        QStringLiteral(""),
                        QVariant::fromValue(QList<int>{}),
                        QStringList{}}
        << "<small>1</small><number>2</number><flag>false</flag><when>2024-03-01T13:45:00</when>"
           "<title /><ids /><names />";
    QTest::newRow("16-bit limits, numbers as text and doubles, boolean from number")
        << QVariantList{QStringLiteral(" -32768 "), 2147483647.0, 5, when}
        << "<small>-32768</small><number>2147483647</number><flag>true</flag><when>2024-03-01T13:45:00</"
           "when>";
    QTest::newRow("date-time: UTC clock fields, no zone; milliseconds kept")
        << QVariantList{0, 0, QStringLiteral("TRUE"),
                        QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58, 5), Qt::UTC)}
        << "<small>0</small><number>0</number><flag>true</flag><when>1999-12-31T23:59:58.005</when>";
    QTest::newRow("date alone is midnight; numbers as strings are invariant")
        << QVariantList{0,
                        0,
                        false,
                        QDate(2024, 2, 29),
                        1234.5,
                        QVariantList{-1, QStringLiteral("7")},
                        QVariantList{QStringLiteral("x"), QVariant(), 3}}
        << "<small>0</small><number>0</number><flag>false</flag><when>2024-02-29T00:00:00</when>"
           "<title>1234.5</title><ids><int>-1</int><int>7</int></ids>"
           "<names><string>x</string><string xsi:nil=\"true\" /><string>3</string></names>";
    QTest::newRow("line breaks: carriage return kept as a reference")
        << QVariantList{0, 0, false, when, QStringLiteral("a\r\nb\tc")}
        << "<small>0</small><number>0</number><flag>false</flag><when>2024-03-01T13:45:00</when>"
           "<title>a&#xD;\nb\tc</title>";
}

void TestSoapEnvelope::parameterValues()
{
    QFETCH(QVariantList, arguments);
    QFETCH(QString, wrapperContent);
    QString error;
    const auto body = SoapRequestWriter::envelope(m_sample->targetNamespace(),
                                                  *m_sample->operation(QStringLiteral("Everything")),
                                                  arguments, nullptr, &error);
    QVERIFY2(body, qPrintable(error));
    const QString expected = kDeclaration + kEnvelopeStart +
                             QStringLiteral("<soap:Body><Everything xmlns=\"urn:sample:\">") +
                             wrapperContent + QStringLiteral("</Everything></soap:Body></soap:Envelope>");
    QCOMPARE(QString::fromUtf8(*body), expected);
}

void TestSoapEnvelope::refusedValues_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("reason");
    const QDateTime when(QDate(2024, 3, 1), QTime(13, 45));
    QTest::newRow("short overflow") << "Everything" << QVariantList{32768, 0, true, when}
                                    << "parameter small";
    QTest::newRow("short underflow") << "Everything" << QVariantList{-32769, 0, true, when}
                                     << "parameter small";
    QTest::newRow("int overflow") << "Everything" << QVariantList{0, qint64(2147483648), true, when}
                                  << "parameter number";
    QTest::newRow("fraction") << "Everything" << QVariantList{0, 1.5, true, when} << "parameter number";
    QTest::newRow("text that is no number")
        << "Everything" << QVariantList{0, QStringLiteral("12a"), true, when} << "parameter number";
    QTest::newRow("boolean from a word")
        << "Everything" << QVariantList{0, 0, QStringLiteral("yes"), when} << "parameter flag";
    QTest::newRow("invalid date-time")
        << "Everything" << QVariantList{0, 0, true, QDateTime()} << "parameter when";
    QTest::newRow("missing value-type argument") << "Everything" << QVariantList{0, 0} << "parameter flag";
    QTest::newRow("array item out of range")
        << "Everything" << QVariantList{0, 0, true, when, QString(), QVariantList{1, qint64(1) << 40}}
        << "parameter ids";
    QTest::newRow("array of the wrong kind")
        << "Everything" << QVariantList{0, 0, true, when, QString(), 5} << "parameter ids";
    QTest::newRow("too many arguments") << "Nothing" << QVariantList{1} << "takes 0 arguments";
    QTest::newRow("unsupported type") << "Keyed" << QVariantList{QStringLiteral("x")} << "s1:guid";
    QTest::newRow("character XML cannot carry")
        << "Everything" << QVariantList{0, 0, true, when, QStringLiteral("a\x01")} << "U+0001";
}

void TestSoapEnvelope::refusedValues()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, reason);
    QString error;
    const auto body = SoapRequestWriter::envelope(m_sample->targetNamespace(), *m_sample->operation(method),
                                                  arguments, nullptr, &error);
    QVERIFY(!body);
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestSoapEnvelope::soapAction_data()
{
    QTest::addColumn<QString>("serviceNamespace");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("action");
    QTest::newRow("namespace ending in /") << "http://orvello.com/webservices/"
                                           << "GetServerVersion"
                                           << "http://orvello.com/webservices/GetServerVersion";
    QTest::newRow("namespace without /") << "urn:sample"
                                         << "Echo"
                                         << "urn:sample/Echo";
}

void TestSoapEnvelope::soapAction()
{
    QFETCH(QString, serviceNamespace);
    QFETCH(QString, method);
    QFETCH(QString, action);
    QCOMPARE(SoapRequestWriter::soapActionFor(serviceNamespace, method), action);
    SoapOperation operation;
    operation.name = method;
    // Without a soapAction in the binding the rule applies, and the header value is quoted.
    QCOMPARE(SoapRequestWriter::soapActionHeader(serviceNamespace, operation), '"' + action.toUtf8() + '"');
    operation.soapAction = QStringLiteral("urn:given");
    QCOMPARE(SoapRequestWriter::soapActionHeader(serviceNamespace, operation), QByteArray("\"urn:given\""));
}

QTEST_GUILESS_MAIN(TestSoapEnvelope)
#include "tst_soapenvelope.moc"
