// Value conversions and envelope reading, checked against the framework's rules without a server.
#include "soap/EmbeddedWsdl.h"
#include "soap/RequestReader.h"
#include "soap/XmlConvert.h"

#include <gtest/gtest.h>

using namespace orvdev;

struct ConversionCase
{
    const char* text;
    XsdType type;
    const char* expected; // normalized value, or nullptr when the conversion must fail
    const char* message;  // the failure text
};

inline void PrintTo(const ConversionCase& c, std::ostream* os)
{
    *os << "'" << c.text << "'";
}

class Conversion : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(Conversion, FollowsTheSerializerRules)
{
    const auto& c = GetParam();
    auto convert = [&]() -> std::string {
        switch (c.type) {
        case XsdType::Int:
            return std::to_string(XmlConvert::toInt32(c.text));
        case XsdType::Short:
            return std::to_string(XmlConvert::toInt16(c.text));
        case XsdType::Boolean:
            return XmlConvert::toBoolean(c.text) ? "true" : "false";
        default:
            return XmlConvert::toDateTime(c.text);
        }
    };
    if (c.expected) {
        EXPECT_EQ(convert(), c.expected);
    } else {
        try {
            convert();
            FAIL() << "converted '" << c.text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, Conversion,
    ::testing::Values(
        ConversionCase{"42", XsdType::Int, "42", nullptr},
        ConversionCase{" -7 ", XsdType::Int, "-7", nullptr}, ConversionCase{"+5", XsdType::Int, "5", nullptr},
        ConversionCase{"2147483647", XsdType::Int, "2147483647", nullptr},
        ConversionCase{"2147483648", XsdType::Int, nullptr,
                       "Value was either too large or too small for an Int32."},
        ConversionCase{"99999999999999999999999", XsdType::Int, nullptr,
                       "Value was either too large or too small for an Int32."},
        ConversionCase{"1.5", XsdType::Int, nullptr, "Input string was not in a correct format."},
        ConversionCase{"", XsdType::Int, nullptr, "Input string was not in a correct format."},
        ConversionCase{"-32768", XsdType::Short, "-32768", nullptr},
        ConversionCase{"32768", XsdType::Short, nullptr,
                       "Value was either too large or too small for an Int16."},
        ConversionCase{"true", XsdType::Boolean, "true", nullptr},
        ConversionCase{"0", XsdType::Boolean, "false", nullptr},
        ConversionCase{"True", XsdType::Boolean, nullptr, "The string 'True' is not a valid Boolean value."},
        ConversionCase{"yes", XsdType::Boolean, nullptr, "The string 'yes' is not a valid Boolean value."},
        ConversionCase{"2024-03-01T13:45:00", XsdType::DateTime, "2024-03-01T13:45:00", nullptr},
        ConversionCase{"2024-03-01T13:45:00.250+01:00", XsdType::DateTime, "2024-03-01T13:45:00", nullptr},
        ConversionCase{"2024-02-29", XsdType::DateTime, "2024-02-29T00:00:00", nullptr},
        ConversionCase{"2023-02-29T00:00:00", XsdType::DateTime, nullptr,
                       "The string '2023-02-29T00:00:00' is not a valid AllXsd value."},
        ConversionCase{"01.03.2024 13:45", XsdType::DateTime, nullptr,
                       "The string '01.03.2024 13:45' is not a valid AllXsd value."}));

class EnvelopeReading : public ::testing::Test
{
protected:
    ServiceContract contract = ServiceContract::load(embeddedWsdl());
    RequestReader reader{contract};
    const Operation& op = *contract.find("CreateToDo");

    std::string envelope(const std::string& inner,
                         const std::string& wrapperAttrs = " xmlns=\"http://orvello.com/webservices/\"")
    {
        return "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Header>"
               "<a:Authenticator xmlns:a=\"http://orvello.com/webservices/\"><a:userName>u@h</a:userName>"
               "<a:userPassword>p</a:userPassword></a:Authenticator></e:Header><e:Body><CreateToDo" +
               wrapperAttrs + ">" + inner + "</CreateToDo></e:Body></e:Envelope>";
    }
};

TEST_F(EnvelopeReading, ResolvesPrefixesAndKeepsContractOrder)
{
    auto request =
        reader.read(op, envelope("<dateFlags>2</dateFlags><title>T</title><participants><int>-4</int>"
                                 "<int>5</int></participants>"));
    EXPECT_EQ(*request.userName, "u@h");
    EXPECT_EQ(*request.userPassword, "p");
    ASSERT_EQ(request.arguments.size(), op.parameters.size());
    EXPECT_EQ(request.arguments[0].text, "T");
    EXPECT_EQ(request.arguments[6].number, 2);
    EXPECT_EQ(request.arguments[10].ints, (std::vector<std::int32_t>{-4, 5}));
    EXPECT_TRUE(request.arguments[1].null); // description was not sent
    EXPECT_EQ(request.arguments[4].text, "0001-01-01T00:00:00");
    ASSERT_FALSE(request.warnings.empty()); // out of order, missing values
}

TEST_F(EnvelopeReading, ChildInNoNamespaceIsIgnoredWithAWarning)
{
    auto request = reader.read(op, envelope("<title xmlns=\"\">lost</title>"));
    EXPECT_TRUE(request.arguments[0].null);
    EXPECT_NE(request.warnings.front().find("'title' in no namespace ignored"), std::string::npos);
}

TEST_F(EnvelopeReading, WrongWrapperNamespaceIsAnUnreadableRequest)
{
    try {
        reader.read(op, envelope("", " xmlns=\"http://example.com/other/\""));
        FAIL();
    } catch (const SoapError& e) {
        EXPECT_EQ(e.faultCode(), "soap:Client");
        EXPECT_NE(e.faultString().find("<CreateToDo xmlns='http://example.com/other/'> was not expected."),
                  std::string::npos);
    }
}
