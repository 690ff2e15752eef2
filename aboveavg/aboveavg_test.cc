#include <chrono>
#include <cstdint>
#include <string>

#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;
using testing_run::Session;

// One list: its length, then `times` copies of each value in turn.
std::string list(std::initializer_list<std::pair<int, int>> runs) {
  std::string values;
  int n = 0;
  for (auto [value, times] : runs) {
    for (int i = 0; i < times; ++i) values += " " + std::to_string(value);
    n += times;
  }
  return std::to_string(n) + values + "\n";
}

TEST(Aboveavg, Answers) {
  struct Case {
    std::string list;
    const char* output;
  };
  const Case cases[] = {
      {"5 50 50 70 80 100\n", "40.000%\n"},
      {"3 70 90 80\n", "33.333%\n"},
      {"3 70 90 81\n", "66.667%\n"},
      {"7 100 95 90 80 70 60 50\n", "57.143%\n"},
      {"3 -3 -1 -2\n", "33.333%\n"},
      {"7 5 5 5 5 5 5 5\n", "0.000%\n"},  // a value equal to the mean is not above it
      {"1 42\n", "0.000%\n"},
      // 125 of 169 is 73.96449...%, which rounds to the float
      // 73.9645004..., just above the midpoint.
      {list({{0, 44}, {1, 125}}), "73.965%\n"},
      // The float sum, and so the mean, of 2^24 + 1 is 2^24.
      {"1 16777217\n", "100.000%\n"},
      {"2 16777217 16777217\n", "100.000%\n"},
      // Each partial sum is the exact sum rounded to float once: 16777218 +
      // 16777217 gives 33554436 and the mean 16777218, above neither value.
      // Rounding 16777217 to float before adding would give a mean of
      // 16777216 and 100.000%.
      {"2 16777218 16777217\n", "0.000%\n"},
      // 67108861 is held as 67108860, the sum 134217723 as 134217720: a
      // mean of 67108860, below both.
      {"2 67108861 67108863\n", "100.000%\n"},
      {"3 2147483647 -2147483648 -2147483648\n", "33.333%\n"},
      {list({{2147483647, 1012}}), "0.000%\n"},
      {list({{-2147483648, 1012}}), "0.000%\n"},
      {list({{1, 7}, {0, 1005}}), "0.692%\n"},
      {list({{0, 1}, {1, 1011}}), "99.901%\n"},
      // Halfway between two three-decimal values: 1.5625 and 4.6875 are
      // rounded to the even last digit.
      {list({{1, 1}, {0, 63}}), "1.562%\n"},
      {list({{1, 3}, {0, 61}}), "4.688%\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("aboveavg", "1\n" + c.list), (Outcome{c.output, "", 0})) << c.list;
  }
}

TEST(Aboveavg, CountsAndLayout) {
  struct Case {
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"2\n3 70 90 80\n3 70 90 81\n", "33.333%\n66.667%\n"},
      {"+2 3 70\t90\r\n80 03 -70 -090 -81", "33.333%\n33.333%\n"},
      {"1 1 5 whatever follows the last list", "0.000%\n"},
      {"0 x", ""},
      {"-3 x", ""},
      {"", ""},
      {" \t\r\n\v\f", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("aboveavg", c.input), (Outcome{c.output, "", 0})) << c.input;
  }
}

TEST(Aboveavg, BadInputStopsAfterEarlierAnswers) {
  struct Case {
    const char* input;
    Outcome outcome;
  };
  const Case cases[] = {
      {"x", {"", "aboveavg: count: not an integer\n", 1}},
      {"- 1 1 5", {"", "aboveavg: count: not an integer\n", 1}},
      {"2147483648", {"", "aboveavg: count: integer outside the 32-bit range\n", 1}},
      {"2 3 70 90 80", {"33.333%\n", "aboveavg: list 2: length: unexpected end of input\n", 1}},
      {"2 3 70 90 80 0", {"33.333%\n", "aboveavg: list 2: length 0 is less than 1\n", 1}},
      {"1 -1 5", {"", "aboveavg: list 1: length -1 is less than 1\n", 1}},
      {"1 1013", {"", "aboveavg: list 1: length 1013 is more than 1012\n", 1}},
      {"1 x", {"", "aboveavg: list 1: length: not an integer\n", 1}},
      {"2 3 70 90 80 3 1 x 3", {"33.333%\n", "aboveavg: list 2: element 2: not an integer\n", 1}},
      {"1 3 1 2\n", {"", "aboveavg: list 1: element 3: unexpected end of input\n", 1}},
      {"1 2 1 -2147483649",
       {"", "aboveavg: list 1: element 2: integer outside the 32-bit range\n", 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(run("aboveavg", c.input), c.outcome) << c.input;
}

// The input stays open: the program must answer each list as it arrives,
// and end after the last announced one without waiting for more.
TEST(Aboveavg, EndsAfterTheLastListWithoutReadingOn) {
  using std::chrono::steady_clock;
  Session aboveavg("aboveavg");
  aboveavg.send("2\n3 70 90 80\n");
  EXPECT_EQ(aboveavg.line(), "33.333%\n");
  aboveavg.send("3 70 90 ");
  aboveavg.send("81\n");
  EXPECT_EQ(aboveavg.line(), "66.667%\n");
  steady_clock::time_point start = steady_clock::now();
  EXPECT_EQ(aboveavg.line(10000), "");  // the output closes
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(aboveavg.close(), (Outcome{"", "", 0}));

  Session none("aboveavg");
  none.send("0\n");
  start = steady_clock::now();
  EXPECT_EQ(none.line(10000), "");
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(none.close(), (Outcome{"", "", 0}));
}

}  // namespace
