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

TEST(Cubesum, Answers) {
  const Case cases[] = {
      {"0 1 2 3 4 7\n", "0\n1\n9\n36\n100\n784\n"},
      {"", ""},
      {"\t\r\n ", ""},
      {"1000\r\n65535", "250500250000\n4611545282012774400\n"},
      // The largest n whose sum of cubes fits in 64 bits, and the next.
      {"92681 92682", "18446425603259108841\n477663584995793\n"},
      {"18446744073709551615", "0\n"},  // n + 1 wraps to 0
      {"18446744073709551616", "0\n"},  // 2^64 reads as 0
      {"-1 -2 - 3", "0\n1\n9\n"},       // -k reads as 2^64 - k
      {"+7 007", "784\n784\n"},
      {"4294967296", "4611686018427387904\n"},
      {"3 x 4", "36\n"},
      {"0x10", "0\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("cubesum", c.input), (Outcome{c.output, "", 0})) << c.input;
  }
}

TEST(Cubesum, AnswersEachNumberAsItArrives) {
  Session cubesum("cubesum");
  cubesum.send("2\n");
  EXPECT_EQ(cubesum.line(), "9\n");
  cubesum.send("3 ");
  EXPECT_EQ(cubesum.line(), "36\n");
  cubesum.send("\t7\r\n");
  EXPECT_EQ(cubesum.line(), "784\n");
  EXPECT_EQ(cubesum.close(), (Outcome{"", "", 0}));
}

}  // namespace
