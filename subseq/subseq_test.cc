#include <random>
#include <string>
#include <string_view>

#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using namespace std::string_view_literals;
using testing_run::Outcome;
using testing_run::run;
using testing_run::Session;

struct Case {
  std::string_view input;
  std::string_view output;
};

TEST(Subseq, Answers) {
  const Case cases[] = {
      {"abc abc\n", "Yes\n"},
      {"abcd abc\n", "No\n"},
      {"a abc\nc abc\nb abc\n", "Yes\nYes\nYes\n"},
      {"ba ab\n", "No\n"},
      {"aa ab\naa aba\n", "No\nYes\n"},
      {"a A\nA a\n", "No\nNo\n"},
      {"abab ab\naba aab\nace abcde\n", "No\nNo\nYes\n"},
      {"", ""},
      {" \r\n\t\v\f", ""},
      // Words may be spread over lines; every byte 9 to 13 and 32 separates.
      {"ace\r\n\t\v\fabcde\n\nxy\n\nyx", "Yes\nNo\n"},
      // Bytes above 127 are ordinary bytes of a word, 0xa0 and 0x85 too.
      {"\xc3\xa9 caf\xc3\xa9\n\xa9\xc3 \xc3\xa9\n", "Yes\nNo\n"},
      {"a\xa0"
       "b a\xa0"
       "b\n\x85 a\x85\n",
       "Yes\nYes\n"},
      // A zero byte is an ordinary byte too: it neither ends a word nor
      // separates two.
      {"a\0b ab\n"sv, "No\n"},
      {"a\0b xa\0\0b\n"sv, "Yes\n"},
      {"\0 a\na a\0\n"sv, "No\nYes\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("subseq", c.input), (Outcome{std::string(c.output), "", 0})) << c.input;
  }
}

// The literal greedy scan, one text byte at a time.
bool greedy(const std::string& s, const std::string& t) {
  size_t j = 0;
  for (size_t i = 0; i < t.size() && j < s.size(); ++i) {
    if (s[j] == t[i]) ++j;
  }
  return j == s.size();
}

TEST(Subseq, AgreesWithALiteralScanOnRandomWords) {
  std::mt19937 random(20240611);
  auto word = [&](std::string_view alphabet, int max_length) {
    std::string w(std::uniform_int_distribution<int>(1, max_length)(random), ' ');
    for (char& c : w)
      c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
    return w;
  };
  std::string input, expected;
  int yes = 0;
  for (int pair = 0; pair < 6000; ++pair) {
    // Short gaps between matches, and (every other pair) long ones.
    std::string s = pair % 2 ? word("abc", 8) : word("abcd", 5);
    std::string t = pair % 2 ? word("abc", 30) : word("abcdefghijklmnopqrstuvwxyz", 150);
    input += s + (pair % 3 ? "\n" : " ") + t + "\n";
    bool answer = greedy(s, t);
    expected += answer ? "Yes\n" : "No\n";
    yes += answer;
  }
  ASSERT_GT(yes, 1500);  // both answers are well represented
  ASSERT_LT(yes, 4500);
  EXPECT_EQ(run("subseq", input), (Outcome{expected, "", 0}));
}

TEST(Subseq, WordsOfTheLargestLengthSpanManyInputBlocks) {
  const std::string longest(999999, 'a');
  // A leading blank puts the block boundaries off the word boundaries.
  EXPECT_EQ(run("subseq", " " + longest + "\n" + longest + "\nb ab\n"),
            (Outcome{"Yes\nYes\n", "", 0}));
  EXPECT_EQ(run("subseq", longest.substr(1) + "b " + longest), (Outcome{"No\n", "", 0}));

  std::string xy;
  for (int i = 0; i < 499999; ++i) xy += "xy";
  xy += 'z';  // 999,999 bytes holding 499,999 y's, then a z
  EXPECT_EQ(run("subseq", std::string(499999, 'y') + "z\t" + xy + "\n" + std::string(500000, 'y') +
                              "\t" + xy + "\n"),
            (Outcome{"Yes\nNo\n", "", 0}));
}

TEST(Subseq, BadInputStopsAfterEarlierAnswers) {
  const std::string too_long(1000000, 'a');
  const std::string too_long_message = "subseq: pair 2: word longer than 999999 bytes\n";
  const Outcome too_long_outcome = {"Yes\n", too_long_message, 1};
  EXPECT_EQ(run("subseq", "ab abc\n" + too_long + " a\n"), too_long_outcome);
  EXPECT_EQ(run("subseq", "ab abc\n" + too_long), too_long_outcome);
  EXPECT_EQ(run("subseq", "ab abc\n a " + too_long + "\nb b\n"), too_long_outcome);

  EXPECT_EQ(run("subseq", "ab abc\nba ab\nabc"),
            (Outcome{"Yes\nNo\n", "subseq: pair 3: pattern without a text\n", 1}));
  EXPECT_EQ(run("subseq", "abc \n\t"),
            (Outcome{"", "subseq: pair 1: pattern without a text\n", 1}));
}

TEST(Subseq, AnswersEachPairAsItArrives) {
  Session subseq("subseq");
  subseq.send("abc aXbXc\n");
  EXPECT_EQ(subseq.line(), "Yes\n");
  subseq.send("ba ");
  subseq.send("ab\n");
  EXPECT_EQ(subseq.line(), "No\n");
  subseq.send("a\n");
  subseq.send("a");  // the text may go on: no answer until it ends
  subseq.send(" ");
  EXPECT_EQ(subseq.line(), "Yes\n");
  subseq.send("abc\n");
  EXPECT_EQ(subseq.close(), (Outcome{"", "subseq: pair 4: pattern without a text\n", 1}));
}

}  // namespace
