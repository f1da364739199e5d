// figcalc in a web page (and under node, for the tests): figcalc's own
// sources, with standard input read from the page, which the program waits
// for, and numbers read as the Linux and Windows programs read them. Output
// reaches the page through emscripten's standard output, a byte at a time.
#include "number_reader.h"

#include <emscripten.h>

#include <cstdlib>
#include <iostream>
#include <streambuf>

int figcalc_main(); // figcalc's own main, renamed in this build

namespace {

// Waits for the next bytes the page sends, at most `size`, and returns how
// many it put in `buffer`: none at the end of input.
EM_ASYNC_JS(int, readPage, (char *buffer, int size), {
  const bytes = await Module.readInput(size);
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});

class PageInput final : public std::streambuf {
  char buffer[256];

  int_type underflow() override {
    const int n = readPage(buffer, sizeof buffer);
    if (n == 0) return traits_type::eof();
    setg(buffer, buffer, buffer + n);
    return traits_type::to_int_type(*gptr());
  }
};

// std::cin reads from the page before figcalc's own statics take its buffer
// to check (priority 102 comes after the standard streams are made, at 101, before
// the statics without one).
PageInput input __attribute__((init_priority(102)));
struct UsePageInput {
  UsePageInput() { std::cin.rdbuf(&input); }
} usePageInput __attribute__((init_priority(102)));

} // namespace

// Returns through std::exit: once main has waited for the page, this
// emscripten skips what a return from main would do (the output check and
// the last flush).
int main() {
  NumberReader numbers(1); // 1: the locale does not own it
  std::cin.imbue(std::locale(std::cin.getloc(), &numbers));
  std::exit(figcalc_main());
}
