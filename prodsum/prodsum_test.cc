#include <chrono>
#include <string>

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

TEST(Prodsum, Answers) {
  const Case cases[] = {
      {"2\n2\n1 2 3\n4 5 6\n1\n-2 7 3\n", "27\n-6\n"},
      // A record count of 0 or less reads no records.
      {"3\n0\n-5\n1\n1 1 1\n", "0\n0\n1\n"},
      // A case count of 0 or less reads nothing further.
      {"0\n1 2 3", ""},
      {"-3 x", ""},
      {"", ""},
      {" \r\n\t\v\f", ""},
      // The largest products either way, and zero with the smallest value.
      {"1 5\n46340 0 46340\n65536 0 32767\n-65536 0 32768\n2147483647 0 -1\n-2147483648 0 0\n",
       "-153583\n"},
      // Sums beyond 32 bits are written in full.
      {"2\n3\n2147483647 0 1\n2147483647 0 1\n2147483647 0 1\n"
       "3 -2147483648 0 1 -2147483648 0 1 -2147483648 0 1",
       "6442450941\n-6442450944\n"},
      // Any whitespace between values, signs, leading zeros; the middle
      // value may be any 32-bit integer.
      {"+1\r\n3\r\n12\t2147483647\v-7\f-3 -2147483648 -9\n100000 000 0021474", "2147399943\n"},
      {"1 1 1 -2147483648 1\n", "1\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("prodsum", c.input), (Outcome{c.output, "", 0})) << c.input;
  }
}

TEST(Prodsum, SumIsRoundedAsADoubleBeyondTwoToThe53) {
  // 2^22 products of -2^31 reach -2^53 exactly; each -1 after that is a
  // tie between -2^53 and -2^53 - 2 and rounds to the even -2^53.
  const int records = (1 << 22) + 2;
  std::string input = "1\n" + std::to_string(records) + "\n";
  input.reserve(input.size() + 15 * records);
  for (int i = 0; i < (1 << 22); ++i) input += "-65536 0 32768\n";
  input += "-1 0 1\n1 0 -1\n";
  EXPECT_EQ(run("prodsum", input), (Outcome{"-9007199254740992\n", "", 0}));
}

TEST(Prodsum, BadInputStopsAfterEarlierAnswers) {
  const Case cases[] = {
      {"1\n4 x 6", "case 2: record 1: middle value: not an integer"},
      {"2\n4 5 6\n7 8", "case 2: record 2: third value: unexpected end of input"},
      {"1\n2147483648 0 1", "case 2: record 1: first value: integer outside the 32-bit range"},
      {"1\n- 5 0 1", "case 2: record 1: first value: not an integer"},
      {"x", "case 2: record count: not an integer"},
      {"", "case 2: record count: unexpected end of input"},
      {"1\n65536 0 32768\n",
       "case 2: record 1: product of 65536 and 32768 is outside the signed 32-bit range"},
      {"2\n1 0 1\n-2147483648 0 -1\n",
       "case 2: record 2: product of -2147483648 and -1 is outside the signed 32-bit range"},
      {"1\n46341 0 46341\n",
       "case 2: record 1: product of 46341 and 46341 is outside the signed 32-bit range"},
  };
  for (const Case& c : cases) {
    std::string input = std::string("2\n1\n1 2 3\n") + c.input;
    EXPECT_EQ(run("prodsum", input),
              (Outcome{"3\n", std::string("prodsum: ") + c.output + "\n", 1}))
        << input;
  }

  const Case counts[] = {
      {"x 1 1 2 3", "prodsum: count: not an integer\n"},
      {"+ 1", "prodsum: count: not an integer\n"},
      {"2147483648", "prodsum: count: integer outside the 32-bit range\n"},
  };
  for (const Case& c : counts) {
    EXPECT_EQ(run("prodsum", c.input), (Outcome{"", c.output, 1})) << c.input;
  }
}

// Reads what follows the last answer: nothing, and the output closed well
// before the time allowed, so the program ended by itself.
void expect_ended(Session& session) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(session.line(10000), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Prodsum, AnswersEachCaseAndEndsWithoutReadingFurther) {
  Session prodsum("prodsum");
  prodsum.send("2\n");
  prodsum.send("1\n1 2 3\n");
  EXPECT_EQ(prodsum.line(), "3\n");
  prodsum.send("2 4 5 6\n");
  prodsum.send("-1 0 1\n");
  EXPECT_EQ(prodsum.line(), "23\n");
  expect_ended(prodsum);
  EXPECT_EQ(prodsum.close(), (Outcome{"", "", 0}));

  Session none("prodsum");
  none.send("0\n");
  expect_ended(none);
  EXPECT_EQ(none.close(), (Outcome{"", "", 0}));
}

}  // namespace
