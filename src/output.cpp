#include "output.h"

#include "messages.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace {

void report(const char *what, int error) {
  std::fprintf(stderr, "%s%s\n", what, std::strerror(error));
}

// Reads pass through to std::cin's own buffer. When one gives nothing, the C
// stream's error indicator tells a failed read from the end of input; a
// failed read ends the run at once.
class CheckedInput final : public std::streambuf {
public:
  explicit CheckedInput(std::streambuf *in) : in(in) {}

private:
  std::streambuf *const in;

  int_type underflow() override { return checked(in->sgetc()); }
  int_type uflow() override { return checked(in->sbumpc()); }
  int_type checked(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof()) && std::ferror(stdin)) {
      report(msg::kReadError, errno);
      std::exit(1);
    }
    return ch;
  }
};

// Writes pass through to std::cout's own buffer, and the reason (errno) for
// the first that fails is kept before anything else can change errno.
class CheckedOutput final : public std::streambuf {
public:
  explicit CheckedOutput(std::streambuf *out) : out(out) {}
  std::streambuf *const out;
  int error = 0;

private:
  int_type overflow(int_type ch) override {
    return traits_type::eq_int_type(out->sputc(traits_type::to_char_type(ch)), traits_type::eof())
               ? fail()
               : ch;
  }
  int sync() override { return out->pubsync() == 0 ? 0 : fail(); }
  int fail() {
    error = errno;
    return traits_type::eof();
  }
};

// Static, not local to main: the streams use them, and the output check runs,
// until the program exits, after main has returned or std::exit was called.
CheckedInput input(std::cin.rdbuf());
CheckedOutput output(std::cout.rdbuf());

// Run at every exit: the last flush, after which std::cout has failed if any
// output did not reach standard output; that is reported, with status 1.
// std::cout gets its own buffer back first, for the library's flush after
// this one.
void checkOutputAtExit() {
  const bool written = static_cast<bool>(std::cout.flush());
  std::cout.rdbuf(output.out);
  if (written) return;
  report(msg::kWriteError, output.error);
  std::_Exit(1);
}

} // namespace

void checkStreams() {
  std::cin.rdbuf(&input);
  std::cout.rdbuf(&output);
  std::atexit(checkOutputAtExit);
}
