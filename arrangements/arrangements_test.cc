#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using namespace std::literals;
using testing_run::Outcome;
using testing_run::run;
using testing_run::Session;

struct Case {
  std::string_view input;
  std::string_view output;
};

TEST(Arrangements, Answers) {
  const Case cases[] = {
      {"6\nab\naab\naaab\naabb\naabbc\nabcde\n",
       "Data set 1: 2\nData set 2: 3\nData set 3: 4\nData set 4: 6\nData set 5: 30\n"
       "Data set 6: 120\n"},
      {"1\na\n", "Data set 1: 1\n"},
      {"2 mississippi abcabc", "Data set 1: 34650\nData set 2: 90\n"},
      // Bytes differ by their exact code: case matters, and bytes above 127
      // are characters of their own.
      {"4 Aa AA aA aa", "Data set 1: 2\nData set 2: 1\nData set 3: 2\nData set 4: 1\n"},
      {"3 \xff\xfe\xff \xe9"
       "e \x80\x80\x80\x80",
       "Data set 1: 3\nData set 2: 2\nData set 3: 1\n"},
      // Words are separated by any whitespace; the last needs no line end.
      {"+3\r\nab\r\n\tabc\v\fa", "Data set 1: 2\nData set 2: 6\nData set 3: 1\n"},
      {"2ab abc", "Data set 1: 2\nData set 2: 6\n"},
      // Only the announced words are read: what follows is never looked at.
      {"2 ab abc abcd", "Data set 1: 2\nData set 2: 6\n"},
      {"1 ab \0 x"sv, "Data set 1: 2\n"},
      {"0 ab", ""},
      {"0 \0"sv, ""},
      {"-2147483648 ab", ""},
      {"", ""},
      {" \t\r\n\v\f", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("arrangements", c.input), (Outcome{std::string(c.output), "", 0})) << c.input;
  }
}

TEST(Arrangements, LongWordsFollowTheDoubleSteps) {
  // Exact up to 22 bytes; beyond that, what the running product and the
  // exact-remainder division give in double precision.
  struct Word {
    std::string word;
    std::string_view count;
  };
  const Word cases[] = {
      {std::string(22, 'a'), "1"},
      {"abcdefghijklmnopqrstuv", "1124000727777607680000"},    // 22!
      {"abcdefghijklmnopqrstuvw", "25852016738884978212864"},  // 23! is ...76640000
      {std::string(23, 'a'), "1"},
      {std::string(24, 'a'), "1"},
      {std::string(25, 'a'), "15511210043330986055303168"},
      {std::string(26, 'a'), "403291461126605650322784256"},
      {std::string(27, 'a'), "1"},
      {std::string(29, 'a'), "1"},
      {std::string(31, 'a'), "8222838654177922430198509928972288"},
      {"abcdefghijklmnopqrstuvwxyzABCDE", "8222838654177922430198509928972288"},
      {"abcabcabcabcabcabcabcabcabcabca", "8222838654177922430198509928972288"},
      {"aabbccddeeffgghhiijjkkllmmnnooz", "250941121038144605413772886016"},
      {"aaaaaaaaaaaaaaaabbbbbbbbbbbbbbb", "300540195"},
  };
  for (const Word& c : cases) {
    std::string output = "Data set 1: " + std::string(c.count) + "\n";
    EXPECT_EQ(run("arrangements", "1\n" + c.word + "\n"), (Outcome{output, "", 0})) << c.word;
  }
}

// The counting steps written out literally, with fmod for the remainder
// test and printf for the digits.
std::string literal_count(const std::string& word) {
  std::map<char, int> seen;
  std::vector<int> repeats;
  for (char c : word) {
    if (++seen[c] > 1) repeats.push_back(seen[c]);
  }
  double product = 1.0;
  double divisor = 1.0;
  for (size_t i = 2; i <= word.size(); ++i) {
    product = product * static_cast<double>(i);
    if (!repeats.empty()) {
      divisor = divisor * repeats.back();
      repeats.pop_back();
    }
    if (divisor != 1.0 && std::fmod(product, divisor) == 0.0) {
      product = product / divisor;
      divisor = 1.0;
    }
  }
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.0f", product);
  return digits;
}

TEST(Arrangements, RandomWordsMatchTheLiteralSteps) {
  std::mt19937 random(20240611);
  std::string input = "3000\n";
  std::string output;
  for (int n = 1; n <= 3000; ++n) {
    // Few different bytes give many repeats; lengths reach past 20, where
    // the values leave the 64-bit range.
    int alphabet = 1 + random() % 6;
    std::string word(1 + random() % 31, ' ');
    for (char& c : word) c = static_cast<char>(0x7e + random() % alphabet);
    input += word + "\n";
    output += "Data set " + std::to_string(n) + ": " + literal_count(word) + "\n";
  }
  EXPECT_EQ(run("arrangements", input), (Outcome{output, "", 0}));
}

TEST(Arrangements, CaseNumbersRunOn) {
  std::string input = "12";
  std::string output;
  for (int n = 1; n <= 12; ++n) {
    input += " ab";
    output += "Data set " + std::to_string(n) + ": 2\n";
  }
  EXPECT_EQ(run("arrangements", input), (Outcome{output, "", 0}));
}

TEST(Arrangements, BadInputStopsAfterEarlierAnswers) {
  const std::string longest(31, 'z');
  const std::string too_long(32, 'z');
  const Outcome cases[] = {
      {"", "arrangements: count: not an integer\n", 1},
      {"", "arrangements: count: not an integer\n", 1},
      {"", "arrangements: count: integer outside the 32-bit range\n", 1},
      {"Data set 1: 2\nData set 2: 6\n", "arrangements: word 3: unexpected end of input\n", 1},
      {"Data set 1: 2\n", "arrangements: word 2: unexpected end of input\n", 1},
      {"Data set 1: 8222838654177922430198509928972288\n",
       "arrangements: word 2: longer than 31 bytes\n", 1},
      {"Data set 1: 2\n", "arrangements: word 2: contains a zero byte\n", 1},
      {"", "arrangements: word 1: contains a zero byte\n", 1},
  };
  const std::string inputs[] = {
      "x ab",
      "- 1 ab",
      "2147483648 ab",
      "3 ab abc",
      "2147483647 ab\n\t ",
      "3 " + longest + " " + too_long + " ab",
      "2 ab a\0b"s,
      "1 \0\n"s,
  };
  for (int i = 0; i < 8; ++i) EXPECT_EQ(run("arrangements", inputs[i]), cases[i]) << inputs[i];
}

TEST(Arrangements, AnswersEachWordAsItArrivesAndStopsAfterTheLast) {
  Session arrangements("arrangements");
  arrangements.send("2\naa");
  arrangements.send("b");  // the word may go on: no answer until it ends
  arrangements.send("\n");
  EXPECT_EQ(arrangements.line(), "Data set 1: 3\n");
  arrangements.send("abc\n");
  EXPECT_EQ(arrangements.line(), "Data set 2: 6\n");
  // The input stays open, yet the program is done: its output ends at
  // once instead of when the wait runs out.
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(arrangements.line(10000), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(arrangements.close(), (Outcome{"", "", 0}));
}

}  // namespace
