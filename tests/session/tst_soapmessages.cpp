// The SOAP messages without a network: the service description read, requests written, answers read.
// Hostile answers are the soapresponse fuzz target's.
#include "SoapAnswers.h"

#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapRequestWriter.h"
#include "platform/soap/SoapResponseReader.h"

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

const QDateTime kWhen(QDate(2024, 3, 1), QTime(13, 45));
// The value-type parameters of Everything as the rows below send them, unless a row says otherwise.
const QString kFixed = "<small>0</small><number>0</number><flag>false</flag><when>2024-03-01T13:45:00</when>";

QByteArray everythingAnswer(const QByteArray& result)
{
    return answerEnvelope({}, "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>" + result +
                                  "</EverythingResult></EverythingResponse>");
}
} // namespace

class TestSoapMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        m_sample = ServiceDescription::parse(readFile(KITBENCH_TEST_DATA "/Sample.wsdl"), &error);
        QVERIFY2(m_sample, qPrintable(error));
    }

    void descriptions()
    {
        // The SOAP 1.1 port's address, not the soap12 one listed first. Parameters, results and echoed
        // values of the sample are seen in the requests and answers below.
        QCOMPARE(m_sample->location(), QStringLiteral("http://127.0.0.1:1/Sample.asmx"));
        QCOMPARE(m_sample->operationNames(),
                 QStringList({"Echo", "Everything", "Flags", "Keyed", "Nothing"}));
        QVERIFY(op("Nothing").requestHeaderElement.isEmpty());
    }

    void requestHeader()
    {
        // Markup in the password is escaped; no password is an empty element.
        for (const auto& [password, written] :
             {std::pair<QString, QString>{"p<&>\"", "<userPassword>p&lt;&amp;&gt;\"</userPassword>"},
              std::pair<QString, QString>{QString(), "<userPassword />"}}) {
            OrvProjectSoapClient header;
            header.UserName = QStringLiteral("admin@srv.example:8080");
            header.UserPass = password;
            QString error;
            const auto body = SoapRequestWriter::envelope("urn:sample:", op("Everything"),
                                                          {0, 0, true, kWhen}, &header, &error);
            QVERIFY(body &&
                    body->contains("<soap:Header><Authenticator xmlns=\"urn:sample:\"><userName>admin@"
                                   "srv.example:8080</userName>" +
                                   written.toUtf8() + "</Authenticator></soap:Header>"));
        }
    }

    void requestValues_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("written"); // the wrapper's content; empty when refused
        QTest::addColumn<QString>("reason");
        const auto sent = [](const char* tag, const QVariantList& arguments, const QString& written) {
            QTest::newRow(tag) << "Everything" << arguments << written << QString();
        };
        const auto refused = [](const char* tag, const QVariantList& arguments, const QString& reason,
                                const QString& method = "Everything") {
            QTest::newRow(tag) << method << arguments << QString() << reason;
        };
        sent("null string and arrays left out", {0, 0, false, kWhen, QString(), QVariant(), QVariant()},
             kFixed);
        sent("optional trailing arguments missing", {0, 0, false, kWhen}, kFixed);
        sent("empty string and arrays written",
             {0, 0, false, kWhen, "", QVariant::fromValue(QList<int>{}), QStringList{}},
             kFixed + "<title /><ids /><names />");
        sent("limits, numbers as text and doubles, boolean from number", {" -32768 ", 2147483647.0, 5, kWhen},
             "<small>-32768</small><number>2147483647</number><flag>true</flag><when>2024-03-01T13:45:00</"
             "when>");
        sent("UTC clock fields, no zone, milliseconds kept",
             {0, 0, "TRUE", QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58, 5), Qt::UTC)},
             "<small>0</small><number>0</number><flag>true</flag><when>1999-12-31T23:59:58.005</when>");
        sent("date alone is midnight, numbers as strings invariant",
             {0, 0, false, QDate(2024, 2, 29), 1234.5, QVariantList{-1, "7"},
              QVariantList{"x", QVariant(), 3}},
             "<small>0</small><number>0</number><flag>false</flag><when>2024-02-29T00:00:00</when>"
             "<title>1234.5</title><ids><int>-1</int><int>7</int></ids>"
             "<names><string>x</string><string xsi:nil=\"true\" /><string>3</string></names>");
        sent("carriage return kept as a reference", {0, 0, false, kWhen, "a\r\nb\tc"},
             kFixed + "<title>a&#xD;\nb\tc</title>");
        sent("markup escaped", {0, 0, false, kWhen, "Tom & Jerry <1>"},
             kFixed + "<title>Tom &amp; Jerry &lt;1&gt;</title>");
        refused("short overflow", {32768, 0, true, kWhen}, "parameter small");
        refused("short underflow", {-32769, 0, true, kWhen}, "parameter small");
        refused("int overflow", {0, qint64(2147483648), true, kWhen}, "parameter number");
        refused("fraction", {0, 1.5, true, kWhen}, "parameter number");
        refused("text that is no number", {0, "12a", true, kWhen}, "parameter number");
        refused("boolean from a word", {0, 0, "yes", kWhen}, "parameter flag");
        refused("invalid date-time", {0, 0, true, QDateTime()}, "parameter when");
        refused("missing value-type argument", {0, 0}, "parameter flag");
        refused("array item out of range", {0, 0, true, kWhen, QString(), QVariantList{1, qint64(1) << 40}},
                "parameter ids");
        refused("array of the wrong kind", {0, 0, true, kWhen, QString(), 5}, "parameter ids");
        refused("character XML cannot carry", {0, 0, true, kWhen, "a\x01"}, "U+0001");
        refused("too many arguments", {1}, "takes 0 arguments", "Nothing");
        refused("unsupported type", {"x"}, "s1:guid", "Keyed");
    }

    void requestValues()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        QString error;
        const auto body = SoapRequestWriter::envelope("urn:sample:", op(method), arguments, nullptr, &error);
        QCOMPARE(body.has_value(), !written.isEmpty());
        if (body)
            QVERIFY(QString::fromUtf8(*body).endsWith("<soap:Body><Everything xmlns=\"urn:sample:\">" +
                                                      written + "</Everything></soap:Body></soap:Envelope>"));
        else
            QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void soapAction()
    {
        // Without a soapAction in the binding: namespace + method, one "/" between; the header is quoted.
        SoapOperation operation;
        operation.name = QStringLiteral("Echo");
        QCOMPARE(SoapRequestWriter::soapActionHeader("urn:sample", operation),
                 QByteArray("\"urn:sample/Echo\""));
        operation.soapAction = QStringLiteral("urn:given");
        QCOMPARE(SoapRequestWriter::soapActionHeader("urn:sample", operation), QByteArray("\"urn:given\""));
    }

    void answerHeaders_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("kept"); // what the handler holds afterwards
        const auto state = [](const QByteArray& text) {
            return "<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>" + text +
                   "</State></ConnectionState></soap:Header>";
        };
        const auto row = [](const char* tag, const QByteArray& header, const QString& kept) {
            QTest::newRow(tag) << header << kept;
        };
        row("OK", state("OK"), "OK");
        row("other case kept as sent", state("ok"), "ok");
        row("all descendant text",
            "<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>Access </State><More>denied"
            "<![CDATA[ & more]]></More></ConnectionState></soap:Header>",
            "Access denied & more");
        row("several headers: the last wins",
            "<soap:Header><A xmlns=\"urn:x\">first</A><B xmlns=\"urn:x\">last</B></soap:Header>", "last");
        row("no header: unchanged", {}, "previous");
        row("empty header element: unchanged", "<soap:Header />", "previous");
        row("empty state", state(""), "");
    }

    void answerHeaders()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, kept);
        OrvProjectSoapClient handler;
        handler.ServerErrorMessage = QStringLiteral("previous");
        QVariantList arguments{"x"};
        const SoapCallResult result = SoapResponseReader::readAnswer(
            op("Nothing"), answerEnvelope(header, "<NothingResponse xmlns=\"urn:sample:\" />"), &handler,
            arguments);
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        QCOMPARE(handler.ServerErrorMessage, kept);
    }

    void answerValues_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QByteArray>("wrapper");
        QTest::addColumn<QVariant>("result");
        QTest::addColumn<QVariantList>("echoed"); // the arguments afterwards, sent as {5, "sent", [1]}
        const QVariantList unchanged{5, "sent", QVariant::fromValue(QList<qint32>{1})};
        const auto row = [&](const char* tag, const QString& method, const QByteArray& content,
                             const QVariant& result, const QVariantList& echoed = {}) {
            const QByteArray element = method.toLatin1() + "Response";
            QTest::newRow(tag) << method
                               << "<" + element + " xmlns=\"urn:sample:\">" + content + "</" + element + ">"
                               << result << (echoed.isEmpty() ? unchanged : echoed);
        };
        row("escaped XML text comes back as the text", "Echo",
            "<EchoResult>&lt;projects&gt;&lt;project id=\"1\" name=\"A &amp;amp; B\" "
            "/&gt;&lt;/projects&gt;</EchoResult>",
            QString("<projects><project id=\"1\" name=\"A &amp; B\" /></projects>"));
        row("CDATA", "Echo", "<EchoResult><![CDATA[<a>&</a>]]></EchoResult>", QString("<a>&</a>"));
        row("nil string is null", "Echo", "<EchoResult xsi:nil=\"true\" />", QString());
        row("missing result takes no value", "Echo", {}, QVariant());
        row("echoed values copied back, the others kept", "Echo",
            "<EchoResult>done</EchoResult><count>6</count><ids><int>7</int><int>-8</int></ids>",
            QVariant("done"), {qint32(6), "sent", QVariant::fromValue(QList<qint32>{7, -8})});
        row("int", "Everything", "<EverythingResult> -42 </EverythingResult>",
            QVariant::fromValue(qint32(-42)));
        QTest::newRow("boolean, prefixed")
            << "Flags"
            << QByteArray("<r:FlagsResponse "
                          "xmlns:r=\"urn:sample:\"><r:FlagsResult>true</r:FlagsResult></r:FlagsResponse>")
            << QVariant(true) << unchanged;
    }

    void answerValues()
    {
        QFETCH(QString, method);
        QFETCH(QByteArray, wrapper);
        QFETCH(QVariant, result);
        QFETCH(QVariantList, echoed);
        QVariantList arguments{5, "sent", QVariant::fromValue(QList<qint32>{1})};
        const SoapCallResult answer =
            SoapResponseReader::readAnswer(op(method), answerEnvelope({}, wrapper), nullptr, arguments);
        QVERIFY2(answer.ok(), qPrintable(answer.errorText));
        QCOMPARE(answer.result.metaType(), result.metaType());
        QCOMPARE(answer.result, result);
        QCOMPARE(answer.result.toString().isNull(), result.toString().isNull());
        QCOMPARE(arguments.at(0), echoed.at(0));
        QCOMPARE(arguments.at(1), echoed.at(1));
        QCOMPARE(arguments.at(2).value<QList<qint32>>(), echoed.at(2).value<QList<qint32>>());
    }

    void raisedErrors_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("fault");
        const QString notInt = "EverythingResult is not a valid s:int";
        const auto row = [](const char* tag, const QByteArray& body, const QString& reason,
                            const QString& fault = {}) { QTest::newRow(tag) << body << reason << fault; };
        row("fault",
            answerEnvelope({},
                           "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>Server was unable to "
                           "process request. ---&gt; Project not found</faultstring><detail /></soap:Fault>"),
            "Project not found", "Server was unable to process request. ---> Project not found");
        row("not XML", "Internal error", "not XML");
        row("HTML page", "<html><body>Runtime Error</body></html>", "not a SOAP 1.1 envelope");
        row("result that is no number", everythingAnswer("1x"), notInt);
        // Entities are not expanded: were they, "&a;" would read as the number 7.
        row("entity definitions", "<!DOCTYPE e [<!ENTITY a \"7\">]>" + everythingAnswer("&a;"), notInt);
    }

    void raisedErrors()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        QFETCH(QString, fault);
        QVariantList arguments;
        const SoapCallResult result =
            SoapResponseReader::readAnswer(op("Everything"), body, nullptr, arguments);
        QCOMPARE(result.status, SoapCallResult::Status::Raised);
        QVERIFY2(result.errorText.contains(reason), qPrintable(result.errorText));
        QCOMPARE(result.faultString, fault);
        // The same fault behind an HTTP error status.
        QCOMPARE(SoapResponseReader::readFault(body),
                 fault.isEmpty() ? std::nullopt : std::optional<QString>(fault));
    }

private:
    const SoapOperation& op(const QString& name) const { return *m_sample->operation(name); }
    std::optional<ServiceDescription> m_sample;
};

QTEST_GUILESS_MAIN(TestSoapMessages)
#include "tst_soapmessages.moc"
