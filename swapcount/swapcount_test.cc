#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "swapcount/bubble.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;
using testing_run::Session;

struct Case {
  const char* input;
  const char* output;
};

std::string answer(int count) {
  return "Minimum exchange operations : " + std::to_string(count) + "\n";
}

// The exchange sort itself: passes over the sequence, exchanging
// neighbours out of order, until a pass exchanges nothing.
int exchange_sort(int* a, int n) {
  int count = 0;
  bool swapped = true;
  for (int i = 0; i < n - 1 && swapped; ++i) {
    swapped = false;
    for (int j = 0; j < n - i - 1; ++j) {
      if (a[j] > a[j + 1]) {
        std::swap(a[j], a[j + 1]);
        swapped = true;
        ++count;
      }
    }
  }
  return count;
}

TEST(Bubble, CountsAndSortsLikeTheExchangeSort) {
  std::mt19937 random(20240611);
  // Few distinct values (many equal neighbours), a middling range, and the
  // whole 32-bit range.
  std::uniform_int_distribution<int> ranges[] = {
      std::uniform_int_distribution<int>(0, 3),
      std::uniform_int_distribution<int>(-500, 500),
      std::uniform_int_distribution<int>(INT32_MIN, INT32_MAX),
  };
  for (int n = 0; n <= kMaxLength; ++n) {
    auto& range = ranges[n % 3];
    // One guard element past the end must stay untouched.
    std::vector<int> got(n + 1);
    for (int& v : got) v = range(random);
    if (n % 7 == 0) std::sort(got.begin(), got.begin() + n);
    if (n % 11 == 0) std::sort(got.begin(), got.begin() + n, std::greater<int>());
    std::vector<int> want = got;
    ASSERT_EQ(bubble(got.data(), n), exchange_sort(want.data(), n)) << "length " << n;
    ASSERT_EQ(got, want) << "length " << n;
  }
}

TEST(Swapcount, Answers) {
  const Case cases[] = {
      {"3 3 2 1\n", "Minimum exchange operations : 3\n"},
      {"3 2 3 1 5 5 4 3 2 1 3 2 2 1",
       "Minimum exchange operations : 2\n"
       "Minimum exchange operations : 10\n"
       "Minimum exchange operations : 2\n"},
      {"0 1 7\n4\n1 2\n3 4\n",
       "Minimum exchange operations : 0\n"
       "Minimum exchange operations : 0\n"
       "Minimum exchange operations : 0\n"},
      {"\t3\r\n3\v2\f1\r\n", "Minimum exchange operations : 3\n"},
      {"+3 +3 -2 -1 03 007 -00 -7",
       "Minimum exchange operations : 2\n"
       "Minimum exchange operations : 3\n"},
      {"2 2147483647 -2147483648 3 -2147483648 2147483647 -2147483648",
       "Minimum exchange operations : 1\n"
       "Minimum exchange operations : 1\n"},
      {"", ""},
      {" \t\r\n\v\f", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("swapcount", c.input), (Outcome{c.output, "", 0})) << c.input;
  }
}

TEST(Swapcount, LongestSequences) {
  std::string descending = "1012";
  std::string equal = "1012";
  for (int i = 0; i < 1012; ++i) {
    descending += " " + std::to_string(INT32_MAX - int64_t{i} * 4243000);
    equal += " -2147483648";
  }
  // Every pair of 1012 distinct descending values is out of order.
  EXPECT_EQ(run("swapcount", descending + "\n" + equal),
            (Outcome{answer(511566) + answer(0), "", 0}));
}

TEST(Swapcount, BadInputStopsAfterEarlierAnswers) {
  const std::string three = answer(3);
  const Outcome want[] = {
      {"", "swapcount: sequence 1: length: not an integer\n", 1},
      {three, "swapcount: sequence 2: length: not an integer\n", 1},
      {"", "swapcount: sequence 1: length: integer outside the 32-bit range\n", 1},
      {three, "swapcount: sequence 2: length 1013 is more than 1012\n", 1},
      {three, "swapcount: sequence 2: length -1 is negative\n", 1},
      {three, "swapcount: sequence 2: element 2: not an integer\n", 1},
      {"", "swapcount: sequence 1: element 2: not an integer\n", 1},
      {three + answer(10), "swapcount: sequence 3: element 3: unexpected end of input\n", 1},
      {"", "swapcount: sequence 1: element 1: integer outside the 32-bit range\n", 1},
      {"", "swapcount: sequence 1: element 2: integer outside the 32-bit range\n", 1},
  };
  const char* inputs[] = {
      "x",
      "3 3 2 1 ,",
      "2147483648 1 2",
      "3 3 2 1 1013 1 2 3",
      "3 3 2 1 -1 4",
      "3 3 2 1 2 1 x",
      "2 1 - 2",  // a sign apart from its digits
      "3 3 2 1\n5 5 4 3 2 1\n3 1 2\n",
      "1 2147483648",
      "2 0 -2147483649",
  };
  for (int i = 0; i < 10; ++i) EXPECT_EQ(run("swapcount", inputs[i]), want[i]) << inputs[i];
}

TEST(Swapcount, AnswersEachSequenceAsItArrives) {
  Session swapcount("swapcount");
  swapcount.send("3 3 2 1\n");
  EXPECT_EQ(swapcount.line(), answer(3));
  swapcount.send("3 2 ");
  swapcount.send("3 1 ");
  EXPECT_EQ(swapcount.line(), answer(2));
  swapcount.send("0\n");
  EXPECT_EQ(swapcount.line(), answer(0));
  swapcount.send("2 1");
  EXPECT_EQ(swapcount.close(),
            (Outcome{"", "swapcount: sequence 4: element 2: unexpected end of input\n", 1}));
}

}  // namespace
