#include "host/host_options.h"

#include <gtest/gtest.h>

namespace sptdc::host {

namespace {

TEST(HostOptionsTest, CommandsWithOptionsAnywhere) {
  HostOptions options;
  std::string error;
  ASSERT_TRUE(ParseHostOptions(
      {"--station", "W1XX", "score", "log.adi", "-C", "out", "--date", "2024-12-28", "--plugin", "lib/x.so"},
      &options, &error))
      << error;
  EXPECT_EQ(options.command, Command::kScore);
  EXPECT_EQ(options.logPath, "log.adi");
  EXPECT_EQ(options.station, "W1XX");
  EXPECT_EQ(options.directory, "out");
  EXPECT_EQ(options.pluginPath, "lib/x.so");
  ASSERT_TRUE(options.hasDate);
  EXPECT_EQ(options.date.year, 2024);
  EXPECT_EQ(options.date.month, 12);
  EXPECT_EQ(options.date.day, 28);

  ASSERT_TRUE(ParseHostOptions({"check", "log.adi", "K1AB", "--mode", "SSB"}, &options, &error));
  EXPECT_EQ(options.command, Command::kCheck);
  EXPECT_EQ(options.call, "K1AB");
  EXPECT_EQ(options.band, "160m");
  EXPECT_EQ(options.mode, "SSB");
  EXPECT_FALSE(options.hasDate);

  ASSERT_TRUE(ParseHostOptions({"grid", "jo21"}, &options, &error));
  EXPECT_EQ(options.command, Command::kGrid);
  EXPECT_EQ(options.gridText, "jo21");

  ASSERT_TRUE(ParseHostOptions({"export", "log.adi"}, &options, &error));
  EXPECT_EQ(options.command, Command::kExport);

  ASSERT_TRUE(ParseHostOptions({"score", "--bogus", "--version"}, &options, &error));
  EXPECT_EQ(options.command, Command::kVersion);
  EXPECT_EQ(options.pluginPath, "");
  ASSERT_TRUE(ParseHostOptions({"--version", "--plugin", "lib/x.so"}, &options, &error));
  EXPECT_EQ(options.command, Command::kVersion);
  EXPECT_EQ(options.pluginPath, "lib/x.so");
  for (const std::vector<std::string>& help : {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
    ASSERT_TRUE(ParseHostOptions(help, &options, &error)) << error;
    EXPECT_EQ(options.command, Command::kHelp);
  }

  ASSERT_TRUE(ParseHostOptions({"list", "--csv", "-"}, &options, &error)) << error;
  EXPECT_EQ(options.command, Command::kList);
  EXPECT_EQ(options.logPath, "-");
  EXPECT_TRUE(options.csv);
  ASSERT_TRUE(ParseHostOptions({"map", "log.cbr", "-o", "night.svg"}, &options, &error)) << error;
  EXPECT_EQ(options.command, Command::kMap);
  EXPECT_EQ(options.outputPath, "night.svg");
}

TEST(HostOptionsTest, UsageFaults) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{}, "no command"},
      {{"-C", "dir"}, "no command"},
      {{"scores", "log.adi"}, "unknown command"},
      {{"score"}, "takes one argument"},
      {{"score", "a.adi", "b.adi"}, "takes one argument"},
      {{"check", "log.adi"}, "takes two arguments"},
      {{"score", "log.adi", "--station"}, "needs a value"},
      {{"score", "log.adi", "--date", "28.12.2024"}, "--date needs a date"},
      {{"score", "log.adi", "--date", "2024-02-30"}, "--date needs a date"},
      {{"score", "log.adi", "--band", "80m"}, "belong to check"},
      {{"grid", "JO21", "--mode", "CW"}, "belong to check"},
      {{"score", "log.adi", "-x"}, "unknown option"},
      {{"help", "score"}, "help takes no argument"},
      {{"score", "log.adi", "--csv"}, "--csv belongs to list"},
      {{"list", "log.adi", "-o", "x.svg"}, "-o belongs to map"},
      {{"map", "log.adi"}, "map needs -o FILE.svg"},
  };
  for (const auto& c : cases) {
    HostOptions options;
    std::string error;
    EXPECT_FALSE(ParseHostOptions(c.args, &options, &error)) << c.message;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

}  // namespace

}  // namespace sptdc::host
