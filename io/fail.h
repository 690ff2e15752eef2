// One way out for every failure: a single line "<program>: <message>" on
// standard error and exit status 1, after every answer written so far has
// been delivered.
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <string_view>

namespace io {

// Names the program in every message; set once at the start of main.
void set_program_name(const char* name);

// Collects the pieces of one message without allocating; a message that
// does not fit is cut short.
class Message {
 public:
  Message& operator<<(std::string_view text);
  Message& operator<<(char c) { return *this << std::string_view(&c, 1); }
  template <std::integral Int>
  Message& operator<<(Int value) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return *this << std::string_view(digits, end - digits);
  }
  std::string_view text() const { return {buf_, len_}; }

 private:
  char buf_[512];
  size_t len_ = 0;
};

// Writes "<program>: <message>" and exits with status 1 at once, without
// touching standard output. For failures of standard output itself.
[[noreturn]] void die(const Message& message);

// Delivers pending standard output, then dies with the message.
[[noreturn]] void fail_message(const Message& message);

template <class... Parts>
[[noreturn]] void fail(const Parts&... parts) {
  Message message;
  (message << ... << parts);
  fail_message(message);
}

}  // namespace io
