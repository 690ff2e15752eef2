#include "testing/run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testing_run {
namespace {

void check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + ": " + strerror(errno));
}

long long now_ms() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

// Starts `program` with the given descriptors as its standard input,
// output and error (-1 for output: closed).
pid_t spawn(std::string_view program, int in, int out, int err, bool sigpipe_ignored = false) {
  std::string path = program_path(program);
  pid_t pid = fork();
  check(pid >= 0, "fork");
  if (pid == 0) {
    signal(SIGPIPE, sigpipe_ignored ? SIG_IGN : SIG_DFL);
    dup2(in, 0);
    if (out >= 0) {
      dup2(out, 1);
    } else {
      close(1);
    }
    dup2(err, 2);
    for (int fd = 3; fd < 1024; ++fd) close(fd);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// Collects both outputs until they close, then the exit status.
Outcome collect(pid_t pid, int out, int err, int timeout_ms) {
  Outcome outcome;
  std::vector<pollfd> fds;
  if (out >= 0) fds.push_back({out, POLLIN, 0});
  fds.push_back({err, POLLIN, 0});
  long long deadline = now_ms() + timeout_ms;
  bool killed = false;
  while (!fds.empty()) {
    long long left = deadline - now_ms();
    if (left <= 0 && !killed) {
      kill(pid, SIGKILL);
      killed = true;
    }
    int ready = poll(fds.data(), fds.size(), left > 0 ? static_cast<int>(left) : 100);
    if (ready < 0 && errno == EINTR) continue;
    check(ready >= 0, "poll");
    for (size_t i = 0; i < fds.size();) {
      if (fds[i].revents == 0) {
        ++i;
        continue;
      }
      char buf[65536];
      ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        (fds[i].fd == out ? outcome.out : outcome.err).append(buf, n);
        ++i;
      } else {
        close(fds[i].fd);
        fds.erase(fds.begin() + i);
      }
    }
  }
  int status;
  while (waitpid(pid, &status, 0) < 0) check(errno == EINTR, "waitpid");
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return outcome;
}

void make_pipe(int fds[2]) {
  check(pipe2(fds, O_CLOEXEC) == 0, "pipe");
}

// A file in memory holding `input`, positioned at its start.
int input_file(std::string_view input) {
  int in = memfd_create("input", MFD_CLOEXEC);
  check(in >= 0, "memfd_create");
  for (size_t done = 0; done < input.size();) {
    ssize_t n = write(in, input.data() + done, input.size() - done);
    check(n > 0, "write");
    done += n;
  }
  lseek(in, 0, SEEK_SET);
  return in;
}

Outcome run_from(std::string_view program, int in, Sink sink, int timeout_ms) {
  int out[2] = {-1, -1}, err[2];
  make_pipe(err);
  int out_fd = -1;
  if (sink == Sink::pipe) {
    make_pipe(out);
    out_fd = out[1];
  } else if (sink == Sink::dev_full) {
    out_fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    check(out_fd >= 0, "/dev/full");
  }
  pid_t pid = spawn(program, in, out_fd, err[1]);
  close(in);
  if (out_fd >= 0) close(out_fd);
  close(err[1]);
  return collect(pid, out[0], err[0], timeout_ms);
}

}  // namespace

void PrintTo(const Outcome& o, std::ostream* os) {
  *os << "{out: \"" << o.out << "\", err: \"" << o.err << "\", status: " << o.status << "}";
}

std::string program_path(std::string_view program) {
  return std::string(BIN_DIR) + "/" + std::string(program);
}

Outcome run(std::string_view program, std::string_view input, Sink sink, int timeout_ms) {
  return run_from(program, input_file(input), sink, timeout_ms);
}

Outcome run_with_stdin(std::string_view program, const char* path) {
  int in = open(path, O_RDONLY | O_CLOEXEC);
  check(in >= 0, path);
  return run_from(program, in, Sink::pipe, 20000);
}

Outcome run_into_closing_reader(std::string_view program, std::string_view input, size_t keep,
                                bool sigpipe_ignored, int timeout_ms) {
  int in = input_file(input);
  int out[2], err[2];
  make_pipe(out);
  make_pipe(err);
  pid_t pid = spawn(program, in, out[1], err[1], sigpipe_ignored);
  close(in);
  close(out[1]);
  close(err[1]);
  // Take at most `keep` bytes, then go away.
  long long deadline = now_ms() + timeout_ms;
  std::string kept;
  while (kept.size() < keep) {
    long long left = deadline - now_ms();
    pollfd fd = {out[0], POLLIN, 0};
    if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) <= 0) break;
    char buf[4096];
    ssize_t n = read(out[0], buf, std::min(sizeof buf, keep - kept.size()));
    if (n <= 0) break;
    kept.append(buf, n);
  }
  close(out[0]);
  long long left = deadline - now_ms();
  Outcome outcome = collect(pid, -1, err[0], left > 0 ? static_cast<int>(left) : 0);
  outcome.out = kept;
  return outcome;
}

Session::Session(std::string_view program) {
  int in[2], out[2], err[2];
  make_pipe(in);
  make_pipe(out);
  make_pipe(err);
  pid_ = spawn(program, in[0], out[1], err[1]);
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  in_ = in[1];
  out_ = out[0];
  err_ = err[0];
}

Session::~Session() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    close();
  }
}

void Session::send(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(in_, bytes.data(), bytes.size());
    check(n > 0, "write");
    bytes.remove_prefix(n);
  }
}

std::string Session::line(int timeout_ms) {
  long long deadline = now_ms() + timeout_ms;
  for (;;) {
    size_t lf = pending_.find('\n');
    if (lf != std::string::npos) {
      std::string line = pending_.substr(0, lf + 1);
      pending_.erase(0, lf + 1);
      return line;
    }
    long long left = deadline - now_ms();
    pollfd fd = {out_, POLLIN, 0};
    if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) <= 0) break;
    char buf[4096];
    ssize_t n = read(out_, buf, sizeof buf);
    if (n <= 0) break;
    pending_.append(buf, n);
  }
  return std::exchange(pending_, "");
}

Outcome Session::close() {
  if (in_ >= 0) ::close(in_);
  in_ = -1;
  Outcome outcome = collect(pid_, out_, err_, 20000);
  outcome.out.insert(0, pending_);
  pid_ = -1;
  return outcome;
}

}  // namespace testing_run
