// Buffered standard input without stdio. read(2) fills a fixed block, but
// returns to the caller as soon as any bytes arrive: the buffer is never
// topped up while the caller could already work with what it has, so a
// program driven a line at a time answers each line at once. Before read(2)
// may block, pending output is flushed.
#pragma once

#include <cstddef>

namespace io {

class Output;

class Input {
 public:
  static constexpr size_t kSize = 1 << 16;

  // `before_read`, if given, is flushed before every read(2).
  Input(int fd, Output* before_read) : fd_(fd), before_read_(before_read) {}
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // The next byte as 0..255, or -1 at the end of the input.
  int get() {
    if (pos_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(*pos_++);
  }
  // The next byte without taking it, or -1 at the end of the input.
  int peek() {
    if (pos_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(*pos_);
  }
  // Gives back the byte of the last get(), which must have returned one.
  void unget() { --pos_; }

  // The bytes buffered and not yet taken, for scanners that work a block at
  // a time; take them with advance().
  const char* begin() const { return pos_; }
  const char* end() const { return end_; }
  void advance(const char* to) { pos_ = buf_ + (to - buf_); }

  // Reads the next block once the buffer is used up. False at the end of
  // the input, which stays ended. A read error ends the program with
  // "<program>: read error: <reason>".
  bool refill();

 private:
  int fd_;
  Output* before_read_;
  char* pos_ = buf_;
  char* end_ = buf_;
  bool ended_ = false;
  char buf_[kSize];
};

}  // namespace io
