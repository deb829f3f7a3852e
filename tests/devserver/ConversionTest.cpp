// Value conversions, checked against the framework's rules without a server. How a whole request is
// read shows in the journal (RobustnessTest) and in the refusals (WireTest).
#include "soap/Value.h"
#include "soap/XmlConvert.h"

#include <gtest/gtest.h>

using namespace orvdev;

// The normalized value, or the failure text when the conversion must fail.
struct ConversionCase
{
    const char* text;
    XsdType type;
    bool converts;
    std::string expected;
};

class Conversion : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(Conversion, FollowsTheSerializerRules)
{
    const auto& c = GetParam();
    std::string result;
    try {
        switch (c.type) {
        case XsdType::Int:
            result = std::to_string(XmlConvert::toInt32(c.text));
            break;
        case XsdType::Short:
            result = std::to_string(XmlConvert::toInt16(c.text));
            break;
        case XsdType::Boolean:
            result = XmlConvert::toBoolean(c.text) ? "true" : "false";
            break;
        default:
            result = XmlConvert::toDateTime(c.text);
        }
        EXPECT_TRUE(c.converts) << "converted to " << result;
    } catch (const ConversionError& e) {
        EXPECT_FALSE(c.converts);
        result = e.what();
    }
    EXPECT_EQ(result, c.expected);
}

using enum XsdType;
const std::string noInt32 = "Value was either too large or too small for an Int32.",
                  badFormat = "Input string was not in a correct format.";
INSTANTIATE_TEST_SUITE_P(
    Values, Conversion,
    ::testing::Values(
        ConversionCase{"42", Int, true, "42"}, ConversionCase{" -7 ", Int, true, "-7"},
        ConversionCase{"+5", Int, true, "5"}, ConversionCase{"2147483647", Int, true, "2147483647"},
        ConversionCase{"2147483648", Int, false, noInt32},
        ConversionCase{"99999999999999999999999", Int, false, noInt32},
        ConversionCase{"1.5", Int, false, badFormat}, ConversionCase{"", Int, false, badFormat},
        ConversionCase{"-32768", Short, true, "-32768"},
        ConversionCase{"32768", Short, false, "Value was either too large or too small for an Int16."},
        ConversionCase{"true", Boolean, true, "true"}, ConversionCase{"0", Boolean, true, "false"},
        ConversionCase{"True", Boolean, false, "The string 'True' is not a valid Boolean value."},
        ConversionCase{"yes", Boolean, false, "The string 'yes' is not a valid Boolean value."},
        ConversionCase{"2024-03-01T13:45:00", DateTime, true, "2024-03-01T13:45:00"},
        ConversionCase{"2024-03-01T13:45:00.250+01:00", DateTime, true, "2024-03-01T13:45:00"},
        ConversionCase{"2024-02-29", DateTime, true, "2024-02-29T00:00:00"},
        ConversionCase{"2023-02-29T00:00:00", DateTime, false,
                       "The string '2023-02-29T00:00:00' is not a valid AllXsd value."},
        ConversionCase{"01.03.2024 13:45", DateTime, false,
                       "The string '01.03.2024 13:45' is not a valid AllXsd value."}));
