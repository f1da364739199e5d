#include "output.h"

#include "messages.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace {

// Everything written to std::cout passes through this buffer to the stream's
// own, and the reason (errno) for the first write that fails is kept before
// anything else can change errno.
class CheckedOutput final : public std::streambuf {
public:
  explicit CheckedOutput(std::streambuf *out) : out(out) {}
  std::streambuf *const out;
  int error = 0;

private:
  int_type overflow(int_type ch) override {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    return traits_type::eq_int_type(out->sputc(traits_type::to_char_type(ch)), traits_type::eof())
               ? fail()
               : ch;
  }
  std::streamsize xsputn(const char *s, std::streamsize n) override {
    const std::streamsize written = out->sputn(s, n);
    if (written != n) fail();
    return written;
  }
  int sync() override { return out->pubsync() == 0 ? 0 : fail(); }
  int fail() {
    if (error == 0) error = errno != 0 ? errno : EIO;
    return -1;
  }
};

// Static, not local to main: the check below runs at exit, after main has
// returned or a zero divisor has called std::exit.
CheckedOutput output(std::cout.rdbuf());

// Run at every exit: the last flush, then the check of the C++ stream and the
// C stream under it. Output that did not all reach standard output is a
// failure, reported on standard error with status 1.
void checkOutputAtExit() {
  const bool written = std::cout.flush() && std::fflush(stdout) == 0 && !std::ferror(stdout);
  std::cout.rdbuf(output.out);
  if (written) return;
  std::fprintf(stderr, "%s%s\n", msg::kWriteError,
               std::strerror(output.error != 0 ? output.error : errno));
  std::_Exit(1);
}

} // namespace

void checkOutput() {
  std::cout.rdbuf(&output);
  std::atexit(checkOutputAtExit);
}
