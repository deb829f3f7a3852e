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
const QDateTime kWhen(QDate(2024, 3, 1), QTime(13, 45));
// The value-type parameters of Everything as the rows below send them, unless a row says otherwise.
const QString kFixed = "<small>0</small><number>0</number><flag>false</flag><when>2024-03-01T13:45:00</when>";

QByteArray everythingWrapper(const QByteArray& result)
{
    return "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>" + result +
           "</EverythingResult></EverythingResponse>";
}
} // namespace

class TestSoapMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(KITBENCH_TEST_DATA "/Sample.wsdl"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        m_sample = ServiceDescription::parse(QString::fromUtf8(file.readAll()), &error);
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

    void requestValues()
    {
        // A written row's text is the wrapper's content; a refused one names the reason.
        struct Row
        {
            const char* tag;
            QVariantList arguments;
            QString written, reason = {}, method = "Everything";
        };
        for (const Row& row : std::initializer_list<Row>{
                 {"null string and arrays left out",
                  {0, 0, false, kWhen, QString(), QVariant(), QVariant()},
                  kFixed},
                 {"optional trailing arguments missing", {0, 0, false, kWhen}, kFixed},
                 {"empty string and arrays written",
                  {0, 0, false, kWhen, "", QVariant::fromValue(QList<int>{}), QStringList{}},
                  kFixed + "<title /><ids /><names />"},
                 {"limits, numbers as text and doubles, boolean from number",
                  {" -32768 ", 2147483647.0, 5, kWhen},
                  "<small>-32768</small><number>2147483647</number><flag>true</"
                  "flag><when>2024-03-01T13:45:00</when>"},
                 {"UTC clock fields, no zone, milliseconds kept",
                  {0, 0, "TRUE", QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58, 5), Qt::UTC)},
                  "<small>0</small><number>0</number><flag>true</flag><when>1999-12-31T23:59:58.005</when>"},
                 {"date alone is midnight, numbers as strings invariant",
                  {0, 0, false, QDate(2024, 2, 29), 1234.5, QVariantList{-1, "7"},
                   QVariantList{"x", QVariant(), 3}},
                  "<small>0</small><number>0</number><flag>false</flag><when>2024-02-29T00:00:00</when>"
                  "<title>1234.5</title><ids><int>-1</int><int>7</int></ids>"
                  "<names><string>x</string><string xsi:nil=\"true\" /><string>3</string></names>"},
                 {"carriage return kept as a reference",
                  {0, 0, false, kWhen, "a\r\nb\tc"},
                  kFixed + "<title>a&#xD;\nb\tc</title>"},
                 {"markup escaped",
                  {0, 0, false, kWhen, "Tom & Jerry <1>"},
                  kFixed + "<title>Tom &amp; Jerry &lt;1&gt;</title>"},
                 {"short overflow", {32768, 0, true, kWhen}, {}, "parameter small"},
                 {"short underflow", {-32769, 0, true, kWhen}, {}, "parameter small"},
                 {"int overflow", {0, qint64(2147483648), true, kWhen}, {}, "parameter number"},
                 {"fraction", {0, 1.5, true, kWhen}, {}, "parameter number"},
                 {"text that is no number", {0, "12a", true, kWhen}, {}, "parameter number"},
                 {"boolean from a word", {0, 0, "yes", kWhen}, {}, "parameter flag"},
                 {"invalid date-time", {0, 0, true, QDateTime()}, {}, "parameter when"},
                 {"missing value-type argument", {0, 0}, {}, "parameter flag"},
                 {"array item out of range",
                  {0, 0, true, kWhen, QString(), QVariantList{1, qint64(1) << 40}},
                  {},
                  "parameter ids"},
                 {"array of the wrong kind", {0, 0, true, kWhen, QString(), 5}, {}, "parameter ids"},
                 {"character XML cannot carry", {0, 0, true, kWhen, "a\x01"}, {}, "U+0001"},
                 {"too many arguments", {1}, {}, "takes 0 arguments", "Nothing"},
                 {"unsupported type", {"x"}, {}, "s1:guid", "Keyed"},
             }) {
            QString error;
            const auto body =
                SoapRequestWriter::envelope("urn:sample:", op(row.method), row.arguments, nullptr, &error);
            const QString sent = body ? QString::fromUtf8(*body) : error;
            QVERIFY2(row.written.isEmpty()
                         ? !body && error.contains(row.reason)
                         : sent.endsWith("<soap:Body><Everything xmlns=\"urn:sample:\">" + row.written +
                                         "</Everything></soap:Body></soap:Envelope>"),
                     qPrintable(QString(row.tag) + ": " + sent));
        }
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

    void answerHeaders()
    {
        const auto state = [](const QByteArray& text) {
            return "<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>" + text +
                   "</State></ConnectionState></soap:Header>";
        };
        // Tag, header, what the handler holds afterwards.
        using Row = std::tuple<const char*, QByteArray, QString>;
        for (const auto& [tag, header, kept] : {
                 Row{"OK", state("OK"), "OK"},
                 Row{"other case kept as sent", state("ok"), "ok"},
                 Row{"all descendant text",
                     "<soap:Header><ConnectionState xmlns=\"urn:sample:\"><State>Access </State><More>denied"
                     "<![CDATA[ & more]]></More></ConnectionState></soap:Header>",
                     "Access denied & more"},
                 Row{"several headers: the last wins",
                     "<soap:Header><A xmlns=\"urn:x\">first</A><B xmlns=\"urn:x\">last</B></soap:Header>",
                     "last"},
                 Row{"no header: unchanged", {}, "previous"},
                 Row{"empty header element: unchanged", "<soap:Header />", "previous"},
                 Row{"empty state", state(""), ""},
             }) {
            OrvProjectSoapClient handler;
            handler.ServerErrorMessage = QStringLiteral("previous");
            QVariantList arguments{"x"};
            const SoapCallResult result = SoapResponseReader::readAnswer(
                op("Nothing"), answerEnvelope(header, "<NothingResponse xmlns=\"urn:sample:\" />"), &handler,
                arguments);
            QCOMPARE(std::tuple(tag, result.ok(), result.errorText, handler.ServerErrorMessage),
                     std::tuple(tag, true, QString(), kept));
        }
    }

    void answerValues()
    {
        const QVariantList sent{5, "sent", QVariant::fromValue(QList<qint32>{1})};
        const auto echo = [](const QByteArray& content) {
            return "<EchoResponse xmlns=\"urn:sample:\">" + content + "</EchoResponse>";
        };
        // Tag, method, its answer, the result, the arguments afterwards (empty: as sent).
        using Row = std::tuple<const char*, QString, QByteArray, QVariant, QVariantList>;
        for (const auto& [tag, method, wrapper, result, echoed] : {
                 Row{"escaped XML text comes back as the text",
                     "Echo",
                     echo("<EchoResult>&lt;projects&gt;&lt;project id=\"1\" name=\"A &amp;amp; B\" "
                          "/&gt;&lt;/projects&gt;</EchoResult>"),
                     QString("<projects><project id=\"1\" name=\"A &amp; B\" /></projects>"),
                     {}},
                 Row{"CDATA",
                     "Echo",
                     echo("<EchoResult><![CDATA[<a>&</a>]]></EchoResult>"),
                     QString("<a>&</a>"),
                     {}},
                 Row{"nil string is null", "Echo", echo("<EchoResult xsi:nil=\"true\" />"), QString(), {}},
                 Row{"missing result takes no value", "Echo", echo({}), QVariant(), {}},
                 Row{"echoed values copied back, the others kept",
                     "Echo",
                     echo(
                         "<EchoResult>done</EchoResult><count>6</count><ids><int>7</int><int>-8</int></ids>"),
                     QVariant("done"),
                     {qint32(6), "sent", QVariant::fromValue(QList<qint32>{7, -8})}},
                 Row{"int", "Everything", everythingWrapper(" -42 "), QVariant::fromValue(qint32(-42)), {}},
                 Row{"boolean, prefixed",
                     "Flags",
                     "<r:FlagsResponse "
                     "xmlns:r=\"urn:sample:\"><r:FlagsResult>true</r:FlagsResult></r:FlagsResponse>",
                     QVariant(true),
                     {}},
             }) {
            QVariantList arguments = sent;
            const SoapCallResult answer =
                SoapResponseReader::readAnswer(op(method), answerEnvelope({}, wrapper), nullptr, arguments);
            QVERIFY2(answer.ok(), qPrintable(QString(tag) + ": " + answer.errorText));
            const auto seen = [tag = tag](const QVariant& value, const QVariantList& echoes) {
                return std::tuple(tag, QByteArray(value.typeName()), value, value.toString().isNull(),
                                  echoes.at(0), echoes.at(1), echoes.at(2).value<QList<qint32>>());
            };
            QCOMPARE(seen(answer.result, arguments), seen(result, echoed.isEmpty() ? sent : echoed));
        }
    }

    void raisedErrors()
    {
        const QString notInt = "EverythingResult is not a valid s:int";
        // Tag, answer, what the error text says, the server's fault.
        using Row = std::tuple<const char*, QByteArray, QString, QString>;
        for (const auto& [tag, body, reason, fault] : {
                 Row{"fault",
                     answerEnvelope(
                         {}, "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>Server was "
                             "unable to process request. ---&gt; Project not found</faultstring><detail "
                             "/></soap:Fault>"),
                     "Project not found", "Server was unable to process request. ---> Project not found"},
                 Row{"not XML", "Internal error", "not XML", {}},
                 Row{"HTML page", "<html><body>Runtime Error</body></html>", "not a SOAP 1.1 envelope", {}},
                 Row{"result that is no number", answerEnvelope({}, everythingWrapper("1x")), notInt, {}},
                 // Entities are not expanded: were they, "&a;" would read as the number 7.
                 Row{"entity definitions",
                     "<!DOCTYPE e [<!ENTITY a \"7\">]>" + answerEnvelope({}, everythingWrapper("&a;")),
                     notInt,
                     {}},
             }) {
            QVariantList arguments;
            const SoapCallResult result =
                SoapResponseReader::readAnswer(op("Everything"), body, nullptr, arguments);
            // The same fault behind an HTTP error status.
            const std::optional<QString> faultRead = SoapResponseReader::readFault(body);
            QCOMPARE(std::tuple(tag, result.status, result.errorText.contains(reason), result.faultString,
                                faultRead),
                     std::tuple(tag, SoapCallResult::Status::Raised, true, fault,
                                fault.isEmpty() ? std::nullopt : std::optional<QString>(fault)));
        }
    }

private:
    const SoapOperation& op(const QString& name) const { return *m_sample->operation(name); }
    std::optional<ServiceDescription> m_sample;
};

QTEST_GUILESS_MAIN(TestSoapMessages)
#include "tst_soapmessages.moc"
