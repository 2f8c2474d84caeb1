#include "settings/sig_fig.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace trabeo {
namespace {

struct Case {
  double value;
  const char* text;
};

using Formatter = std::string (*)(double);

void ExpectAll(Formatter format, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(format(c.value), c.text) << "value " << c.value;
  }
}

TEST(SigFigTest, SigFig3BandsFollowTheWorkedTable) {
  ExpectAll(SigFig3, {{0.000123, "0.000123"},
                      {0.0123, "0.0123"},
                      {0.5, "0.500"},
                      {7.5, "7.50"},
                      {47.3, "47.3"},
                      {186.6, "187"},
                      {1234.5, "1230"},
                      {123456, "123000"},
                      {999999999, "1000000000"}});
}

TEST(SigFigTest, OtherFigureCountsPrintTheSameInputs) {
  const std::vector<double> inputs{0.000123, 0.0123, 0.5, 7.5, 47.3, 186.6, 1234.5, 123456};
  const std::vector<const char*> two{"0.00012", "0.012", "0.50", "7.5",
                                     "47",      "190",   "1200", "120000"};
  const std::vector<const char*> four{"0.0001230", "0.01230", "0.5000", "7.500",
                                      "47.30",     "186.6",   "1235",   "123500"};
  const std::vector<const char*> five{"0.00012300", "0.012300", "0.50000", "7.5000",
                                      "47.300",     "186.60",   "1234.5",  "123460"};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    EXPECT_EQ(SigFig2(inputs[i]), two[i]) << inputs[i];
    EXPECT_EQ(SigFig4(inputs[i]), four[i]) << inputs[i];
    EXPECT_EQ(SigFig5(inputs[i]), five[i]) << inputs[i];
  }
}

TEST(SigFigTest, BandIsChosenFromTheUnroundedValue) {
  ExpectAll(SigFig3, {{0.9994, "0.999"}, {0.9996, "1.00"}, {9.9949, "9.99"}, {9.9951, "10.0"}});
}

TEST(SigFigTest, ZeroTextsAreUnsignedAndExclusive) {
  ExpectAll(SigFig3, {{0, "0.0"}, {-0.00001, "0.0"}, {9.95e-5, "0.0"}});
  ExpectAll(SigFig2, {{9.95e-5, "0.0"}});
  ExpectAll(SigFig4, {{-9.9e-5, "0.0"}});
  ExpectAll(SigFig5, {{4.99e-6, "0.0"}, {5e-6, "0.0000050000"}});
  ExpectAll(SigFig3Dec3, {{0.0049, "0.00"}, {-0.0049, "0.00"}, {0.005, "0.005"}});
  ExpectAll(SigFig4Dec3, {{0.00049, "0.000"}, {0.0005, "0.001"}});
}

TEST(SigFigTest, OverflowLimitsAreExclusive) {
  ExpectAll(SigFig3, {{1e9, "1000000000"}, {1.0000001e9, "#####"}, {-2e9, "#####"}});
  ExpectAll(SigFig4, {{1e12, "1000000000000"}, {1.0000001e12, "#####"}});
  ExpectAll(SigFig2, {{1.0000001e9, "#####"}});
  ExpectAll(SigFig5, {{1.0000001e9, "#####"}});
  ExpectAll(SigFig3Dec3, {{1e9, "1000000000"}, {1.0000001e9, "#####"}});
  ExpectAll(SigFig4Dec3, {{1.0000001e9, "#####"}});
}

TEST(SigFigTest, NegativeValuesMirrorPositiveOnes) {
  ExpectAll(SigFig3, {{-47.3, "-47.3"}, {-0.000123, "-0.000123"}, {-186.6, "-187"}});
  ExpectAll(SigFig2, {{-47.3, "-47"}, {47.3, "47"}});
  ExpectAll(SigFig4, {{-1234.5, "-1235"}});
  ExpectAll(SigFig3Dec3, {{-5.4321, "-5.43"}, {-1234.5, "-1230"}});
}

TEST(SigFigTest, SigFig5BoundsAreInclusive) {
  // 0.999995 is the lower bound of the four-decimal band of five figures: included in SigFig5,
  // where the strict bounds of the other formatters would keep it in the band below.
  EXPECT_EQ(SigFig5(0.999995), "1.0000");
  EXPECT_EQ(SigFig5(0.999994), "0.99999");
  EXPECT_EQ(SigFig3(0.9995), "1.000");  // strict bound: stays in the three-decimal band
}

TEST(SigFigTest, DecimalFormattersKeepThreeDecimalsUpToOne) {
  ExpectAll(SigFig3Dec3, {{0.25, "0.250"},
                          {5.4321, "5.43"},
                          {1234.5, "1230"},
                          {0.0076, "0.008"},
                          {0.5, "0.500"},
                          {1, "1.000"},
                          {12.345, "12.3"},
                          {123456, "123000"}});
  ExpectAll(SigFig4Dec3, {{0.25, "0.250"},
                          {5.4321, "5.432"},
                          {1234.5, "1235"},
                          {12.3456, "12.35"},
                          {123.456, "123.5"},
                          {0.0123, "0.012"},
                          {123456, "123500"}});
}

TEST(SigFigTest, FixedDecimalsAlignsOnTheDecimalPoint) {
  EXPECT_EQ(FixedDecimals(0.5, 1), "  0.5");
  EXPECT_EQ(FixedDecimals(12.3456, 2), "12.35");
  EXPECT_EQ(FixedDecimals(-1.5, 3), "-1.500");
  EXPECT_EQ(FixedDecimals(2.7, 0), "2");
  EXPECT_EQ(FixedDecimals(-2.7, 0), "-2");
  EXPECT_EQ(FixedDecimals(0.00009, 3), "0.000");
  EXPECT_EQ(FixedDecimals(-0.00009, 2), "0.00");
  EXPECT_EQ(FixedDecimals(0.00009, 1), "0.0");
  EXPECT_EQ(FixedDecimals(0.00009, 0), "0");
  EXPECT_EQ(FixedDecimals(100000, 2), "100000.00");
  EXPECT_EQ(FixedDecimals(123456.7, 2), "123460");
}

// NaN and infinities, which only a failed computation gives, never print as "nan" or "inf", and
// FixedDecimals never converts them to an integer.
TEST(SigFigTest, ValuesThatAreNotFiniteShowAsAnOverflow) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double value : {nan, -nan, inf, -inf}) {
    for (Formatter format : {SigFig2, SigFig3, SigFig4, SigFig5, SigFig3Dec3, SigFig4Dec3})
      EXPECT_EQ(format(value), "#####") << value;
    for (int decimals = 0; decimals <= 3; ++decimals)
      EXPECT_EQ(FixedDecimals(value, decimals), "#####") << value;
  }
}

}  // namespace
}  // namespace trabeo
