// arrangements: not written yet.

#include "io/stdio.h"

int main() {
  io::set_program_name("arrangements");
  return io::finish();
}
