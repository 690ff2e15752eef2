// Runs a built program the way a user would: exact bytes on standard
// input, everything it writes and its exit status collected.
#pragma once

#include <sys/types.h>

#include <ostream>
#include <string>
#include <string_view>

namespace testing_run {

struct Outcome {
  std::string out;
  std::string err;
  int status = 0;  // the exit status, or 128 + the signal that ended it
  bool operator==(const Outcome&) const = default;
};
void PrintTo(const Outcome& outcome, std::ostream* os);

// Where standard output goes.
enum class Sink { pipe, dev_full, closed };

// The path of a program built in this tree.
std::string program_path(std::string_view program);

// Runs `program` with `input` as standard input (a file, so the whole
// input is there at once). A program still running after `timeout_ms` is
// killed and reported with status 128 + SIGKILL.
Outcome run(std::string_view program, std::string_view input, Sink sink = Sink::pipe,
            int timeout_ms = 20000);

// Runs `program` with standard input opened from `path` (a directory, say).
Outcome run_with_stdin(std::string_view program, const char* path);

// Runs `program` with `input` as standard input while a reader takes the
// first `keep` bytes of its standard output and then closes the pipe, as
// `program | head -c keep` does; `out` holds the bytes taken. With
// `sigpipe_ignored` the program starts with SIGPIPE ignored, so writing to
// the closed pipe fails with EPIPE instead of ending the program.
Outcome run_into_closing_reader(std::string_view program, std::string_view input, size_t keep,
                                bool sigpipe_ignored = false, int timeout_ms = 20000);

// A program driven interactively: its standard input is a pipe that stays
// open until close().
class Session {
 public:
  explicit Session(std::string_view program);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void send(std::string_view bytes);
  // The next line of output with its line feed, or what arrived before
  // the time ran out.
  std::string line(int timeout_ms = 5000);
  // Closes standard input and waits for the program to end.
  Outcome close();

 private:
  pid_t pid_ = -1;
  int in_ = -1, out_ = -1, err_ = -1;
  std::string pending_;
};

}  // namespace testing_run
