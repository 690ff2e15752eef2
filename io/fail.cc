#include "io/fail.h"

#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "io/stdio.h"

namespace io {
namespace {
const char* program_name = "filter";
}

void set_program_name(const char* name) {
  program_name = name;
}

Message& Message::operator<<(std::string_view text) {
  size_t n = std::min(text.size(), sizeof buf_ - len_);
  std::memcpy(buf_ + len_, text.data(), n);
  len_ += n;
  return *this;
}

void die(const Message& message) {
  std::string_view text = message.text();
  iovec parts[] = {{const_cast<char*>(program_name), std::strlen(program_name)},
                   {const_cast<char*>(": "), 2},
                   {const_cast<char*>(text.data()), text.size()},
                   {const_cast<char*>("\n"), 1}};
  // One write keeps the line whole; if it fails there is nowhere left to
  // report that.
  while (::writev(STDERR_FILENO, parts, 4) < 0 && errno == EINTR) {
  }
  std::_Exit(1);
}

void fail_message(const Message& message) {
  out.flush();
  die(message);
}

}  // namespace io
