#include "transcript.h"

#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

const std::string kPlatform =
    std::getenv("FIGCALC_PLATFORM") ? std::getenv("FIGCALC_PLATFORM") : "";

namespace {

// Set when the cases run against a download: the shell command that runs it,
// such as `wine 'figcalc.exe'`, `qemu-aarch64 'figcalc'` or `node 'figcalc.js'`.
const char *const kCommand = std::getenv("FIGCALC_COMMAND");

// The Windows build writes Windows-1251 and ends its lines with CR LF; this
// turns that back into UTF-8 with LF, and a bare LF into a visible "<LF>".
std::string fromWindows(const std::string &raw) {
  std::string lf;
  for (size_t i = 0; i < raw.size(); ++i)
    if (raw.compare(i, 2, "\r\n") != 0)
      lf += raw[i] != '\n' ? raw.substr(i, 1) : i > 0 && raw[i - 1] == '\r' ? "\n" : "<LF>";
  std::string utf8(lf.size() * 3, '\0');
  char *in = lf.data(), *out = utf8.data();
  size_t inLeft = lf.size(), outLeft = utf8.size();
  const iconv_t cd = iconv_open("UTF-8", "CP1251");
  iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  utf8.resize(utf8.size() - outLeft);
  return utf8;
}

// What `file` holds, from Windows decoded as that build writes it.
std::string readAll(FILE *file) {
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;)
    text += static_cast<char>(c);
  return kPlatform == "windows" ? fromWindows(text) : text;
}

} // namespace

// Runs the program with `input` in a file as its standard input, so that the end of input is a
// real end of file, and `redirect` (shell syntax) applied to its standard output.
Outcome runProgram(const std::string &input, const std::string &redirect) {
  char in[] = "/tmp/figcalc-input-XXXXXX", err[] = "/tmp/figcalc-stderr-XXXXXX";
  const int fd = mkstemp(in);
  EXPECT_EQ(write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  close(fd);
  close(mkstemp(err));
  const std::string program = kCommand ? kCommand : "'" FIGCALC_BIN "'";
  FILE *pipe = popen((program + " <" + in + " 2>" + err + " " + redirect).c_str(), "r");
  const std::string output = readAll(pipe);
  const int status = pclose(pipe);
  FILE *errors = std::fopen(err, "rb");
  const Outcome run{output, readAll(errors), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  std::fclose(errors);
  unlink(in);
  unlink(err);
  return run;
}

// Where a platform writes a value otherwise than x86-64 Linux, for the named case or, with no name,
// for every case. The Windows runtime writes a NaN without its sign, and its sine and cosine differ
// from glibc's in the last bits, which shows in values that are zero in exact arithmetic, and for
// huge angles altogether; Wine's runtime gives a failed read of standard input, from a folder or
// closed, the reason EINVAL. On ARM the NaN that an invalid operation makes is positive, where
// x86-64's is negative.
const std::vector<PlatformDifference> kPlatformDifferences = {
    {"windows", nullptr, "-nan", "nan"},
    {"windows", "Cos90IsTinyNotZero", "6.12323e-17", "6.12303e-17"},
    {"windows", "Sin180IsTinyNotZero", "1.22465e-16", "1.22461e-16"},
    {"windows", "SinOfHugeAngle", "-0.0297462", "0.374972"},
    {"windows", "ReadError", "Is a directory", "Invalid argument"},
    {"windows", "ReadError", "Bad file descriptor", "Invalid argument"},
    {"aarch64", nullptr, "-nan", "nan"},
};

std::string expectedHere(const std::string &name, std::string expected) {
  for (const auto &d : kPlatformDifferences) {
    if (d.platform != kPlatform || (d.test && d.test != name)) continue;
    const std::string from = d.onLinux;
    for (size_t at; (at = expected.find(from)) != std::string::npos;)
      expected.replace(at, from.size(), d.there);
  }
  return expected;
}

TEST_P(TranscriptTest, WritesExactlyAndExitsZero) {
  const Outcome run = runProgram(GetParam().input);
  EXPECT_EQ(run.output, expectedHere(GetParam().name, GetParam().output));
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.status, 0);
}
