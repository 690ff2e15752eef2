// What every program does when standard input or output fails it: a full
// device, a closed descriptor, a directory to read, and a reader that goes
// away in the middle of the output (`program | head -c 1`). Each failure
// ends the program promptly with one line on standard error, or with
// SIGPIPE where the reader went away and the signal is not ignored.

#include <signal.h>

#include <ostream>
#include <string>

#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;
using testing_run::Sink;

struct Program {
  const char* name;
  const char* input;  // a small valid input, answered with some output
  // A valid input answered with far more than a pipe holds: `head`, then
  // `copies` times `piece`. At least 500 kB of output; a pipe holds 64 kB.
  const char* head;
  const char* piece;
  int copies;
  char first;  // the first byte of the output of both
};
void PrintTo(const Program& program, std::ostream* os) {
  *os << program.name;
}

std::string many(const Program& p) {
  std::string all = p.head;
  for (int i = 0; i < p.copies; ++i) all += p.piece;
  return all;
}

const Program kPrograms[] = {
    {"barter", "4 3\n", "", "4 3\n", 300000, '5'},
    {"cubesum", "7\n", "", "7\n", 200000, '7'},
    {"arrangements", "1\nab\n", "100000\n", "ab\n", 100000, 'D'},
    {"splice", "1\na<b>c<d>e\nx...\n", "100000\n", "a<b>c<d>e\nx...\n", 100000, 'a'},
    {"swapcount", "1 7\n", "", "1 7\n", 50000, 'M'},
    {"aboveavg", "1\n1 5\n", "200000\n", "1 5\n", 200000, '0'},
    {"subseq", "a a\n", "", "a a\n", 200000, 'Y'},
    {"prodsum", "1\n1\n1 2 3\n", "300000\n", "1 1 2 3\n", 300000, '3'},
};

class Faults : public testing::TestWithParam<Program> {
 protected:
  std::string message(const std::string& text) { return GetParam().name + (": " + text) + "\n"; }
};

TEST_P(Faults, FullDevice) {
  EXPECT_EQ(run(GetParam().name, GetParam().input, Sink::dev_full),
            (Outcome{"", message("write error: No space left on device"), 1}));
}

TEST_P(Faults, ClosedOutput) {
  EXPECT_EQ(run(GetParam().name, GetParam().input, Sink::closed),
            (Outcome{"", message("write error: Bad file descriptor"), 1}));
}

TEST_P(Faults, DirectoryAsInput) {
  EXPECT_EQ(testing_run::run_with_stdin(GetParam().name, "/"),
            (Outcome{"", message("read error: Is a directory"), 1}));
}

// The program must not go on computing answers nobody reads, nor hang: a
// reader killed by the time limit would show up as SIGKILL.
TEST_P(Faults, ReaderGoesAway) {
  const Program& p = GetParam();
  EXPECT_EQ(testing_run::run_into_closing_reader(p.name, many(p), 1, false, 10000),
            (Outcome{std::string(1, p.first), "", 128 + SIGPIPE}));
}

TEST_P(Faults, ReaderGoesAwayWhileSigpipeIsIgnored) {
  const Program& p = GetParam();
  EXPECT_EQ(testing_run::run_into_closing_reader(p.name, many(p), 1, true, 10000),
            (Outcome{std::string(1, p.first), message("write error: Broken pipe"), 1}));
}

INSTANTIATE_TEST_SUITE_P(Robustness, Faults, testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
