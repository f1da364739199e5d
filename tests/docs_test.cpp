// The examples in the documents, run. A session is shown from the main menu on, with what is typed
// after "> " and the Enter that ends it; fed what is typed, the program must write the rest. A
// script line (`printf '...' | figcalc`, or `echo ... | figcalc.exe` on Windows) must write what
// the session before it shows. The English and Russian documents show the same examples.
#include "messages.h"
#include "transcript.h"

#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace {

struct Example {
  std::string input, output;
};

struct Examples {
  std::vector<Example> sessions, scripts;
  std::vector<std::string> strays; // typed lines outside a session
};

// What a document can show of a text: not the spaces at the end of a line, nor
// whether the last line ends with a line break.
std::string shown(std::string text) {
  for (size_t at; (at = text.find(" \n")) != std::string::npos;)
    text.erase(at, 1);
  text.erase(text.find_last_not_of(" \n") + 1);
  return text;
}

// The document's text, with the roff escapes and requests a session or script
// line uses turned back into the characters they stand for.
std::string readDocument(const std::string &path) {
  std::stringstream text;
  text << std::ifstream(std::string(FIGCALC_SOURCE_DIR) + "/" + path).rdbuf();
  std::string s = text.str();
  for (const auto &[from, to] :
       {std::pair{"\\-", "-"}, {"\\(aq", "'"}, {"\\&", ""}, {"\n.sp\n", "\n\n"}})
    for (size_t at; (at = s.find(from)) != std::string::npos;)
      s.replace(at, std::string(from).size(), to);
  return s;
}

Examples examplesIn(const std::string &path) {
  const std::string mainMenu = kMainMenu.substr(0, kMainMenu.size() - 1);
  const std::regex script(R"(printf '([^']*)' \| figcalc|echo ([^|]*)\| figcalc\.exe)");
  const std::regex typed(R"(^\s*(\S*:)?> )");
  std::istringstream text(readDocument(path));
  Examples found;
  Example *session = nullptr;
  std::string indent, line;
  while (std::getline(text, line)) {
    if (session && (line.rfind(".", 0) == 0 || (!line.empty() && line.rfind(indent, 0) != 0)))
      session = nullptr;
    const size_t menu = line.find(mainMenu);
    if (!session && menu != std::string::npos && line.find_first_not_of(' ') == menu) {
      indent = line.substr(0, menu);
      session = &found.sessions.emplace_back();
    }
    if (session) {
      const std::string text = line.substr(std::min(indent.size(), line.size()));
      const size_t at = text.find("> ");
      session->output += text.substr(0, at) + (at == std::string::npos ? "\n" : "");
      if (at != std::string::npos) session->input += text.substr(at + 2) + "\n";
      continue;
    }
    if (std::regex_search(line, typed)) found.strays.push_back(line);
    for (std::smatch m; std::regex_search(line, m, script); line = m.suffix()) {
      const std::string input = m[1].matched ? m[1].str() : m[2].str() + "\r\n";
      const std::string output = found.sessions.empty() ? "" : found.sessions.back().output;
      found.scripts.push_back({input, output});
    }
  }
  return found;
}

void expectRuns(const Example &e) {
  SCOPED_TRACE("input: " + e.input);
  const Outcome run = runProgram(e.input);
  const std::string expected = expectedHere("Docs", shown(e.output)), written = shown(run.output);
  EXPECT_TRUE(written == expected) << "shown:\n" << expected << "\nwritten:\n" << written;
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(e.output, "") << "no session before this script line";
}

class Docs : public testing::TestWithParam<const char *> {};

TEST_P(Docs, ExamplesWriteWhatTheyShow) {
  const Examples found = examplesIn(GetParam());
  std::cout << GetParam() << ": " << found.sessions.size() << " sessions, " << found.scripts.size()
            << " script lines\n";
  EXPECT_FALSE(found.sessions.empty()) << "no session found";
  EXPECT_TRUE(found.strays.empty())
      << "a session must begin at the main menu: " << found.strays.front();
  for (const auto &examples : {found.sessions, found.scripts})
    for (const Example &e : examples)
      expectRuns(e);
}

INSTANTIATE_TEST_SUITE_P(Documents, Docs,
                         testing::Values("README.md", "README.ru.md", "doc/figcalc.1.in",
                                         "doc/figcalc.ru.1.in"));

// The pupil's help: each line with what is typed (bold constant width) and what figcalc writes
// (constant width), the latter found in what the program writes, its line breaks as blanks.
TEST(Docs, HelpExamplesWriteWhatTheyShow) {
  const std::regex typed(R"(\\f\(CB([^\\]*)\\fR)"), written(R"(\\f\(CW([^\\]*)\\fR)");
  std::istringstream text(readDocument("doc/help.ru.7"));
  int examples = 0;
  for (std::string line; std::getline(text, line);)
    if (std::smatch keys, shows;
        std::regex_search(line, keys, typed) && std::regex_search(line, shows, written)) {
      const Outcome run = runProgram(keys[1].str() + "\n");
      const std::string output = std::regex_replace(run.output, std::regex("\\s+"), " ");
      EXPECT_NE(output.find(expectedHere("Docs", shows[1])), std::string::npos)
          << "typed " << keys[1] << ", shown " << shows[1] << ", written:\n"
          << run.output;
      EXPECT_EQ(std::pair(run.status, run.error), std::pair(0, std::string())) << keys[1];
      ++examples;
    }
  EXPECT_GE(examples, 14) << "examples found in the help";
}

// What a page's table of special angles says of a trigonometric result: its exact value, the
// word that says it is undefined, or \(em where the program writes neither.
std::string tableCell(const std::string &out) {
  const std::string undefined(msg::kUndefined);
  const size_t another = out.find(std::string("\n") + msg::kAnotherSolution);
  if (another != std::string::npos) {
    const size_t at = out.rfind(msg::kDegreesIs, another) + std::strlen(msg::kDegreesIs);
    return out.substr(at, another - at);
  }
  if (out.find(undefined) != std::string::npos) return undefined.substr(undefined.rfind("- ") + 2);
  return "\\(em";
}

// The pages' tables against the program: the exact value, undefined, or neither (\(em) at each
// angle listed and each multiple of 15 degrees, each run exiting 0 with nothing on standard error;
// and every row of the table of platform differences, its platform named as in transcript.cpp.
TEST(Docs, ManualsListWhatTheProgramDoes) {
  const std::regex angle(R"((\d+);.*)"), platform(R"(([^;]+);[^;]*;([^;]*);([^;]*))");
  const std::map<std::string, std::string> named = {{"Windows", "windows"}, {"ARM", "aarch64"}};
  for (const char *page : {"doc/figcalc.1.in", "doc/figcalc.ru.1.in"}) {
    SCOPED_TRACE(page);
    std::map<std::string, std::string> rows; // an angle's row of the table, as the page has it
    for (int x = 0; x <= 360; x += 15)
      rows[std::to_string(x)] = std::to_string(x) + ";\\(em;\\(em;\\(em";
    std::multiset<std::string> stated, allowed;
    std::istringstream text(readDocument(page));
    bool differences = false;
    for (std::string line; std::getline(text, line);)
      if (std::smatch m; std::regex_match(line, m, angle))
        rows[m[1]] = line;
      else if (line == ".TE" || line.find(";Linux;") != std::string::npos)
        differences = line != ".TE";
      else if (differences && std::regex_match(line, m, platform))
        stated.insert((named.count(m[1]) ? named.at(m[1]) : m[1].str()) + m.format(" $2 $3"));
    for (const auto &[x, row] : rows) {
      std::string written = x;
      for (const char f : {'s', 'c', 't'}) {
        const auto [out, error, status] = runProgram("1 1 " + x + " " + f);
        EXPECT_EQ(std::pair(status, error), std::pair(0, std::string())) << x << " " << f;
        written += ";" + tableCell(out);
      }
      EXPECT_EQ(written, row);
    }
    for (const auto &d : kPlatformDifferences)
      allowed.insert(std::string(d.platform) + " " + d.onLinux + " " + d.there);
    EXPECT_EQ(stated, allowed);
  }
}

// Both pages quote every text of the program and every button of the web page.
TEST(Docs, ManualsQuoteEveryText) {
  for (const auto &[texts, text] :
       {std::pair{readDocument("src/messages.h"), std::regex(R"re(\[\] =\s+"([^"]*)")re")},
        {readDocument("web/page.html.in"), std::regex(R"(<button[^>]*>([^<]*)<)")}})
    for (std::sregex_iterator m(texts.begin(), texts.end(), text), end; m != end; ++m)
      for (const char *page : {"doc/figcalc.1.in", "doc/figcalc.ru.1.in"})
        EXPECT_NE(readDocument(page).find(shown(m->str(1))), std::string::npos)
            << page << " does not quote \"" << m->str(1) << '"';
}

TEST(Docs, EnglishAndRussianShowTheSameExamples) {
  for (const auto &[english, russian] :
       {std::pair{"README.md", "README.ru.md"}, {"doc/figcalc.1.in", "doc/figcalc.ru.1.in"}}) {
    SCOPED_TRACE(english);
    const Examples en = examplesIn(english), ru = examplesIn(russian);
    ASSERT_EQ(en.sessions.size(), ru.sessions.size());
    ASSERT_EQ(en.scripts.size(), ru.scripts.size());
    for (size_t i = 0; i < en.sessions.size(); ++i)
      EXPECT_EQ(en.sessions[i].input + en.sessions[i].output,
                ru.sessions[i].input + ru.sessions[i].output)
          << "session " << i + 1;
    for (size_t i = 0; i < en.scripts.size(); ++i)
      EXPECT_EQ(en.scripts[i].input, ru.scripts[i].input);
  }
}

// The one-line description, which the build takes from doc/description*.txt, opens each README.
TEST(Docs, ReadmesOpenWithTheOneLineDescription) {
  for (const auto &[readme, description] : {std::pair{"README.md", "doc/description.txt"},
                                            {"README.ru.md", "doc/description.ru.txt"}}) {
    const std::string text = readDocument(description), summary = text.substr(0, text.find('\n'));
    EXPECT_NE(readDocument(readme).find(")\n\n" + summary + ".\n"), std::string::npos) << readme;
  }
}

} // namespace
