#include <chrono>
#include <string>
#include <string_view>

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

TEST(Splice, Answers) {
  const Case cases[] = {
      {"2\nThe <quick> brown <fox> jumps\nOver the lazy dog...\n<a>b<c>d\n...\n",
       "The quick brown fox jumps\nOver the lazy dogfox brown quick jumps\nabcd\ncbad\n"},
      // Empty marked spans.
      {"1\na<>b<>c\nB...\n", "abc\nBbc\n"},
      // Only the text before the first "..." of line B is kept.
      {"1\na<b>c<d>e\nP....Q...R\n", "abcde\nPdcbe\n"},
      {"1\na<b>c<d>e\nx..y. .z...\n", "abcde\nx..y. .zdcbe\n"},
      // Each marker is the first of its kind after the one before; later
      // markers stay in s5.
      {"1\na<b>c<d>e<f>g>\nP...\n", "abcde<f>g>\nPdcbe<f>g>\n"},
      {"1\nx>y<b>c<d>e\nP...\n", "x>ybcde\nPdcbe\n"},
      {"1\na<b<c>d<e>f\nP...\n", "ab<cdef\nPedb<cf\n"},
      {"1\na<b>c>d<e>f\nP...\n", "abc>def\nPec>dbf\n"},
      {"1\na<b>c<d<e>f\nP...\n", "abcd<ef\nPd<ecbf\n"},
      {"1\n(<<1>2><<3>4>)\n...\n", "(<12><34>)\n<32><14>)\n"},
      // Only the first line A loses its leading whitespace, with the blank
      // lines before it.
      {"2\n\n \t a<b>c<d>e\n  x...\n  p<q>r<s>t\n\ty...\n", "abcde\n  xdcbe\n  pqrst\n\tysrqt\n"},
      {"1 a<b>c<d>e\nx...\n", "abcde\nxdcbe\n"},
      // A carriage return belongs to its line.
      {"1\r\na<b>c<d>e\r\nx...\r\n", "abcde\r\nxdcbe\r\n"},
      {"1\na<b>c<d>e\nx...", "abcde\nxdcbe\n"},  // the last line without a line feed
      // Every other byte is copied as it is, zero bytes included.
      {"1\na\0<b\0>c<d>\0e\n\0...\n"sv, "a\0b\0cd\0e\n\0dcb\0\0e\n"sv},
      {"1\n\xff<\x80>\x7f<\t>%s\n%d...\n", "\xff\x80\x7f\t%s\n%d\t\x7f\x80%s\n"},
      // Only the announced cases are read.
      {"1\na<b>c<d>e\nx...\nno markers\n", "abcde\nxdcbe\n"},
      {"+1\na<b>c<d>e\nx...\n", "abcde\nxdcbe\n"},
      {"0\nno markers\n", ""},
      {"-3\n", ""},
      {"", ""},
      {" \t\r\n\v\f", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run("splice", c.input), (Outcome{std::string(c.output), "", 0})) << c.input;
  }
}

TEST(Splice, LongestLinesAndPieces) {
  // Line A at 127 bytes with a 111-byte piece, or with a 123-byte s1, which
  // is never held on its own; line B at 111 bytes; a 111-byte s5 ending in
  // a carriage return.
  const std::string a1 = std::string(12, 'a') + "<" + std::string(111, 'b') + "><>";
  const std::string a2 = std::string(123, 'x') + "<><>";
  const std::string a3 = "<><>" + std::string(110, 'e') + "\r";
  const std::string b = std::string(108, 'c') + "...";
  ASSERT_EQ(a1.size(), 127u);
  ASSERT_EQ(a2.size(), 127u);
  ASSERT_EQ(b.size(), 111u);
  const std::string input = "3\n" + a1 + "\n" + b + "\n" + a2 + "\n" + b + "\n" + a3 + "\n...\n";
  const std::string output = std::string(12, 'a') + std::string(111, 'b') + "\n" +
                             std::string(108, 'c') + std::string(111, 'b') + "\n" +
                             std::string(123, 'x') + "\n" + std::string(108, 'c') + "\n" +
                             std::string(110, 'e') + "\r\n" + std::string(110, 'e') + "\r\n";
  EXPECT_EQ(run("splice", input), (Outcome{output, "", 0}));
}

TEST(Splice, BadInputStopsAfterEarlierAnswers) {
  const std::string first = "2\na<b>c<d>e\nx...\n";
  const std::string answer = "abcde\nxdcbe\n";
  struct Bad {
    std::string second;  // the second case, after a good first one
    std::string error;
  };
  const Bad cases[] = {
      {"", "splice: case 2: line A: unexpected end of input\n"},
      {"p<q>r<s>t\n", "splice: case 2: line B: unexpected end of input\n"},
      {"p<q>r<s>t", "splice: case 2: line B: unexpected end of input\n"},
      {std::string(128, 'a') + "\n...\n", "splice: case 2: line A longer than 127 bytes\n"},
      {"<><>\n" + std::string(109, 'c') + "...\n",
       "splice: case 2: line B longer than 111 bytes\n"},
      {"<" + std::string(112, 'b') + "><>\n...\n",
       "splice: case 2: piece s2 longer than 111 bytes\n"},
      {"<>" + std::string(112, 'c') + "<>\n...\n",
       "splice: case 2: piece s3 longer than 111 bytes\n"},
      {"<><" + std::string(112, 'd') + ">\n...\n",
       "splice: case 2: piece s4 longer than 111 bytes\n"},
      {"<><>" + std::string(112, 'e') + "\n...\n",
       "splice: case 2: piece s5 longer than 111 bytes\n"},
      {"\n...\n", "splice: case 2: line A without the markers '<' '>' '<' '>' in that order\n"},
      {"a<b>c<d\n...\n",
       "splice: case 2: line A without the markers '<' '>' '<' '>' in that order\n"},
      {"a>b<c>d\n...\n",
       "splice: case 2: line A without the markers '<' '>' '<' '>' in that order\n"},
      {"><>\n...\n", "splice: case 2: line A without the markers '<' '>' '<' '>' in that order\n"},
      {">>><<<\n...\n",
       "splice: case 2: line A without the markers '<' '>' '<' '>' in that order\n"},
      {"<><>\n\n", "splice: case 2: line B without \"...\"\n"},
      {"<><>\n.. . ..\n", "splice: case 2: line B without \"...\"\n"},
      {"<><>\n..\0.\n"s, "splice: case 2: line B without \"...\"\n"},
  };
  for (const Bad& c : cases) {
    EXPECT_EQ(run("splice", first + c.second), (Outcome{answer, c.error, 1})) << c.second;
  }
  EXPECT_EQ(run("splice", "two\n"), (Outcome{"", "splice: count: not an integer\n", 1}));
  EXPECT_EQ(run("splice", "99999999999\n"),
            (Outcome{"", "splice: count: integer outside the 32-bit range\n", 1}));
  EXPECT_EQ(run("splice", "1\n\n\n"),
            (Outcome{"", "splice: case 1: line A: unexpected end of input\n", 1}));
}

TEST(Splice, AnswersEachCaseAsItArrivesAndStopsAfterTheLast) {
  Session splice("splice");
  splice.send("2\n");
  splice.send("a<b>c<d>e\n");
  splice.send("x...");  // the line may go on: no answer until it ends
  splice.send("\n");
  EXPECT_EQ(splice.line(), "abcde\n");
  EXPECT_EQ(splice.line(), "xdcbe\n");
  splice.send("p<q>r<s>t\ny...\n");
  EXPECT_EQ(splice.line(), "pqrst\n");
  EXPECT_EQ(splice.line(), "ysrqt\n");
  // The input stays open, yet the program is done: its output ends at
  // once instead of when the wait runs out.
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(splice.line(10000), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(splice.close(), (Outcome{"", "", 0}));
}

TEST(Splice, NoCasesMeansNoWaitingForLines) {
  Session splice("splice");
  splice.send("0\n");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(splice.line(10000), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(splice.close(), (Outcome{"", "", 0}));
}

}  // namespace
