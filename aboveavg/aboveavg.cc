// aboveavg: not written yet.

#include "io/stdio.h"

int main() {
  io::set_program_name("aboveavg");
  return io::finish();
}
