#include <gtest/gtest.h>

#include "settings/convert.h"

namespace dv {
namespace {

TEST(StoredText, EveryAlphaReadsBackAsItself) {
    for (int a = 0; a <= 255; ++a) {
        const auto back = TextToByte(LngToText(a));
        ASSERT_TRUE(back.has_value()) << a;
        EXPECT_EQ(*back, a);
    }
}

TEST(StoredText, ColoursWithTheTopBitSetKeepTheirValue) {
    for (std::int32_t c : {0, 16384, 255, 0x00FFFFFF, -1, INT32_MIN, INT32_MAX, -16777216}) {
        const std::string text = LngToText(c);
        EXPECT_EQ(TextToLng(text), c) << text;
    }
    EXPECT_EQ(LngToText(INT32_MIN), "-2147483648");
    EXPECT_EQ(LngToText(-1), "-1");
}

TEST(StoredText, BlanksAroundANumberAreAccepted) {
    EXPECT_EQ(TextToByte(" 42 "), 42);
    EXPECT_EQ(TextToLng("\t-7"), -7);
    EXPECT_EQ(TextToByte("-0"), 0);
}

TEST(StoredText, WhatIsNotANumberInRangeFails) {
    for (const char* bad : {"", " ", "-", "abc", "1a", "1 2", "+5", "0x10", "1.5", "1e3", "256",
                            "-1", "300", "99999999999999999999"}) {
        EXPECT_FALSE(TextToByte(bad).has_value()) << '"' << bad << '"';
    }
    for (const char* bad :
         {"", "abc", "2147483648", "-2147483649", "12abc", "123456789012345678901234567890"}) {
        EXPECT_FALSE(TextToLng(bad).has_value()) << '"' << bad << '"';
    }
    EXPECT_FALSE(TextToLng(std::string_view("12\0"
                                            "3",
                                            4))
                     .has_value());
    EXPECT_FALSE(TextToByte(std::string(1'000'000, '7')).has_value());
}

TEST(CountdownText, ReadsTheLeadingNumberAsA16BitInteger) {
    EXPECT_EQ(LeadingInt16("  12abc"), 12);
    EXPECT_EQ(LeadingInt16("x"), 0);
    EXPECT_EQ(LeadingInt16("-3"), -3);
    EXPECT_EQ(LeadingInt16("32767"), 32767);
    EXPECT_EQ(LeadingInt16("70000"), std::nullopt);
}

}  // namespace
}  // namespace dv
