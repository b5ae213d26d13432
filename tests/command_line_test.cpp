// The command line that drives the running copy, read strictly.
#include <gtest/gtest.h>

#include "settings/slider.h"
#include "startup/command_line.h"

namespace dv {
namespace {

Parsed Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(CommandLine, EveryCommandAndItsValuesRead) {
    EXPECT_TRUE(Parse({}).request->Empty());
    EXPECT_EQ(Parse({"/brightness", "40"}).request->brightness, 40);
    EXPECT_EQ(Parse({"-BRIGHTNESS", "0"}).request->brightness, 0);
    EXPECT_EQ(Parse({"/Brightness", "100"}).request->brightness, 100);
    EXPECT_EQ(Parse({"/darker"}).request->step, 1);
    EXPECT_EQ(Parse({"-brighter"}).request->step, -1);
    EXPECT_EQ(Parse({"/colour", "402000"}).request->tint, 0x002040u) << "red 40, green 20, blue 0";
    EXPECT_EQ(Parse({"/color", "ff0000"}).request->tint, 0x0000FFu) << "red in the lowest byte";
    EXPECT_EQ(Parse({"/COLOR", "0000Ff"}).request->tint, 0xFF0000u);
    const Request pause = *Parse({"/pause"}).request;
    EXPECT_EQ(pause.pause, Request::Pause::Pause);
    EXPECT_EQ(pause.pauseMinutes, 60);
    EXPECT_EQ(Parse({"/pause", "1"}).request->pauseMinutes, 1);
    EXPECT_EQ(Parse({"/pause", "1440"}).request->pauseMinutes, 1440);
    EXPECT_EQ(Parse({"/resume"}).request->pause, Request::Pause::Resume);
    EXPECT_EQ(Parse({"/toggle"}).request->pause, Request::Pause::Toggle);
    EXPECT_EQ(Parse({"/schedule", "none"}).request->schedule, Schedule{});
    EXPECT_EQ(Parse({"/schedule", "SUN"}).request->schedule, Schedule{Schedule::Kind::Sun});
    EXPECT_EQ(Parse({"/schedule", "20:30-06:15"}).request->schedule,
              (Schedule{Schedule::Kind::Span, 20 * 60 + 30, 6 * 60 + 15}));
    EXPECT_TRUE(Parse({"/settings"}).request->settings);
    EXPECT_TRUE(Parse({"/off"}).request->off);
    EXPECT_TRUE(Parse({"/?"}).request->help);
    EXPECT_TRUE(Parse({"-Help"}).request->help);
}

TEST(CommandLine, OptionsThatFitTogetherCombine) {
    const Request r = *Parse({"/brightness", "40", "/colour", "402000", "/pause", "/settings"}).request;
    EXPECT_EQ(r.brightness, 40);
    EXPECT_EQ(r.tint, 0x002040u);
    EXPECT_EQ(r.pause, Request::Pause::Pause);
    EXPECT_TRUE(r.settings);
    EXPECT_TRUE(r.Stores());
    EXPECT_TRUE(Parse({"/schedule", "sun", "/off"}).request->off) << "stored, then off";
}

TEST(CommandLine, AnythingElseChangesNothingAndSaysWhatIsAllowed) {
    // Each command line, and what its message says.
    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"/dim"}, "no option"},
        {{"brightness"}, "belongs to no option"},
        {{"/brightness"}, "/brightness takes a whole number from 0 to 100"},
        {{"/brightness", "101"}, "from 0 to 100"},
        {{"/brightness", "-1"}, "from 0 to 100"},
        {{"/brightness", "50%"}, "from 0 to 100"},
        {{"/brightness", "1e2"}, "from 0 to 100"},
        {{"/brightness", "٥٠"}, "from 0 to 100"},
        {{"/brightness", "+5"}, "from 0 to 100"},
        {{"/brightness", "99999999999"}, "from 0 to 100"},
        {{"/brightness", "40", "50"}, "belongs to no option"},
        {{"/colour", "40200"}, "six hexadecimal digits"},
        {{"/colour", "4020000"}, "six hexadecimal digits"},
        {{"/colour", "40200g"}, "six hexadecimal digits"},
        {{"/colour", "#402000"}, "six hexadecimal digits"},
        {{"/pause", "0"}, "from 1 to 1440"},
        {{"/pause", "1441"}, "from 1 to 1440"},
        {{"/pause", "ten"}, "from 1 to 1440"},
        {{"/schedule"}, "/schedule takes none, sun or two times"},
        {{"/schedule", "24:00-07:00"}, "two times"},
        {{"/schedule", "21:60-07:00"}, "two times"},
        {{"/schedule", "21:00-21:00"}, "two times"},
        {{"/schedule", "21:00"}, "two times"},
        {{"/darker", "/darker"}, "given twice"},
        {{"/darker", "/brightness", "5"}, "one at a time"},
        {{"/pause", "/resume"}, "one at a time"},
        {{"/toggle", "/pause", "5"}, "one at a time"},
        {{"/help", "/off"}, "alone"},
        {{"/off", "/pause"}, "/off goes alone"},
        {{"/"}, "belongs to no option"},
    };
    for (const auto& [args, says] : bad) {
        const Parsed p = Parse(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_FALSE(p.request.has_value()) << line;
        EXPECT_NE(p.error.find(says), std::string::npos) << line << "-> " << p.error;
        EXPECT_EQ(p.error.find('\n'), std::string::npos) << "one line: " << p.error;
    }
    EXPECT_FALSE(ParseCommandLine({}, 32768).request.has_value());
    EXPECT_TRUE(ParseCommandLine({}, 32767).request.has_value());
}

TEST(CommandLine, BrightnessIsTheSlidersPercentReadBack) {
    EXPECT_EQ(AlphaForBrightness(0), 254) << "the slider's darkest";
    EXPECT_EQ(AlphaForBrightness(100), 0);
    EXPECT_EQ(AlphaForBrightness(50), 128) << "127.5 rounds up";
    EXPECT_EQ(AlphaForBrightness(41), 150);
    for (int p = 1; p <= 100; ++p)
        EXPECT_EQ(BrightnessPercent(AlphaForBrightness(p)), std::to_string(p) + "%") << p;
}

TEST(CommandLine, TheMessageCarriesTheArgumentsAndNothingElseIsTaken) {
    const std::vector<std::string> args{"/brightness", "40", "", "/schedule", "sun"};
    EXPECT_EQ(DecodeRequest(kRequestMark, EncodeRequest(args)), args);
    EXPECT_EQ(DecodeRequest(kRequestMark, ""), std::vector<std::string>{});
    EXPECT_FALSE(DecodeRequest(kRequestMark + 1, EncodeRequest(args)));
    EXPECT_FALSE(DecodeRequest(kRequestMark, std::string("/off", 4))) << "no final NUL";
    EXPECT_FALSE(DecodeRequest(kRequestMark, std::string(200000, '\0'))) << "larger than any";
}

}  // namespace
}  // namespace dv
