#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;
using testing_run::Session;

struct Case {
  const char* input;
  const char* output;
};

TEST(Barter, Answers) {
  const Case cases[] = {
      {"4 3\n10 3\n100 5\n7 2\n5 5\n", "5\n14\n124\n13\n6\n"},
      {"0 2 1 2 -7 3", "0\n1\n-7\n"},
      // n below k is n itself, whatever k is.
      {"-5 -3 3 9223372036854775807 -9223372036854775808 1", "-5\n3\n-9223372036854775808\n"},
      {"1099511627776 2\n", "2199023255551\n"},
      {"9223372036854775806 9223372036854775806", "9223372036854775807\n"},
      {"", ""},
      {" \r\n\t", ""},
      {"4 3\r\n10 3\r\n", "5\n14\n"},
      {"4 3\n10", "5\n"},  // an odd count of numbers
      {"4\n3", "5\n"},     // the last number without a line end
      {"- 5 3", "-5\n"},   // blanks between sign and digits belong to the number
      {"-\t\n 5 +  3", "-5\n"},
      {"010 3", "14\n"},      // leading zeros are decimal
      {"0x10 3", ""},         // reads 0, then fails at the x
      {"4 3,10 3", "5\n"},    // ends at the comma, status 0
      {"4 3 x 10 3", "5\n"},  // a failed read is final
      {"--5 3", ""},
      {"- ", ""},
      {"18446744073709551620 3", "5\n"},                                      // 2^64 + 4 wraps to 4
      {"9223372036854775808 9223372036854775807", "-9223372036854775808\n"},  // 2^63 reads as -2^63
      {"-9223372036854775808 2", "-9223372036854775808\n"},
      {"12345678901234567890123 5", "6008894903597323773\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("barter", c.input), (Outcome{c.output, "", 0})) << c.input;
  }
}

TEST(Barter, BadPairsStopAfterEarlierAnswers) {
  const Outcome cases[] = {
      {"5\n14\n", "barter: pair 3: trade size 1 is less than 2\n", 1},
      {"5\n14\n", "barter: pair 3: trade size 0 is less than 2\n", 1},
      {"5\n14\n", "barter: pair 3: trade size -4 is less than 2\n", 1},
      {"5\n14\n", "barter: pair 3: total is beyond the signed 64-bit range\n", 1},
  };
  const char* third[] = {"1 1", "0 0", "-3 -4", "9223372036854775807 2"};
  for (int i = 0; i < 4; ++i) {
    std::string input = std::string("4 3 10 3 ") + third[i] + " 7 2\n";
    EXPECT_EQ(run("barter", input), cases[i]) << input;
  }
}

TEST(Barter, LargestTotals) {
  // 2^62 with k = 2 totals 2^63 - 1, the largest value; one more unit
  // does not fit.
  EXPECT_EQ(run("barter", "4611686018427387904 2\n").out, "9223372036854775807\n");
  EXPECT_EQ(run("barter", "4611686018427387905 2\n").status, 1);
}

TEST(Barter, AnswersEachPairAsItArrives) {
  Session barter("barter");
  barter.send("4 3\n");
  EXPECT_EQ(barter.line(), "5\n");
  barter.send("10 ");
  barter.send("3\n");
  EXPECT_EQ(barter.line(), "14\n");
  barter.send("100 5");  // the 5 may go on: no answer until it ends
  barter.send(" ");
  EXPECT_EQ(barter.line(), "124\n");
  EXPECT_EQ(barter.close(), (Outcome{"", "", 0}));
}

}  // namespace
