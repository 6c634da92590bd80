#include "core/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(NumberReading, ReadsTheLeadingDecimalAfterFoldingFullWidthForms) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"5", 5},
        {"５", 5},            // full-width digit five, A3B5
        {"１２", 12},
        {"2天", 2},
        {"５天", 5},
        {" 2.5", 2.5},
        {"\t\n 7", 7},
        {"　3", 3},           // ideographic space, A1A1
        {"２．５", 2.5},      // full-width digits and full stop
        {"－３", -3},         // full-width hyphen-minus
        {"＋４", 4},          // full-width plus
        {"+8", 8},
        {"-3", -3},
        {"1e1", 10},
        {"1E+2", 100},
        {"2.5e-1", 0.25},
        {"1e", 1},            // an exponent without digits is not read
        {"1e+", 1},
        {".5", 0.5},
        {"5.", 5},
        {"5-", 5},
        {"5-5", 5},
        {"--5", 0},
        {"- 5", 0},
        {".", 0},
        {"", 0},
        {"abc", 0},
        {"天5", 0},
        {"0x10", 0},          // no hexadecimal
        {"inf", 0},
        {"nan", 0},
        {"infinity", 0},
        {"3,5", 3},           // "," is never a decimal point
        {"7\xA3", 7},         // a lone lead byte at the end is dropped
        {"\xA3", 0},
        {"\xA3\xB5\xA3", 5},
        {"1～2", 1},          // full-width tilde folds to "~", which stops the number
        {"2★", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumber(c.text), c.value);
    }
}

TEST(NumberReading, OutOfRangeValuesSaturateLikeAtof) {
    EXPECT_EQ(ReadNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("1e-400"), 0.0);
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_FALSE(std::isnan(ReadNumber("-0")));
}

TEST(NumberReading, NormalizationFoldsOnlyTheNamedCharacters) {
    EXPECT_EQ(NormalizeFullWidth("ＡＢｃ～☆★　"), "ABc~** ");
    // Other double-byte characters stay whole.
    EXPECT_EQ(NormalizeFullWidth("值班天数"), "值班天数");
    EXPECT_EQ(NormalizeFullWidth("ab\xFE"), "ab");
    EXPECT_EQ(NormalizeFullWidth("\x80\xFF"), "\x80\xFF");  // single-byte codes pass
}
