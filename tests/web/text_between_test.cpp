// Tables of cases for the double-byte-aware search and text_between.
// Literals are code page 936 (the compiler's execution character set);
// "\x.." escapes spell bytes where the exact bytes matter.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "web/text_between.h"

namespace {

struct FindCase {
  const char* name;
  std::string text, pattern;
  int start;
  bool case_matters;
  int expected;
};

TEST(FindText, Table) {
  const FindCase cases[] = {
      {"first occurrence", "abcabc", "bc", 1, true, 2},
      {"start position skips the first", "abcabc", "bc", 3, true, 5},
      {"start position on the match", "abcabc", "bc", 5, true, 5},
      {"start 0 is the beginning", "abcabc", "ab", 0, true, 1},
      {"negative start is the beginning", "abcabc", "ab", -7, true, 1},
      {"start past the text", "abc", "c", 4, true, -1},
      {"not found", "abc", "x", 1, true, -1},
      {"empty pattern is never found", "abc", "", 1, true, -1},
      {"empty text", "", "a", 1, true, -1},
      {"pattern longer than the text", "ab", "abc", 1, true, -1},
      {"whole text", "abc", "abc", 1, true, 1},
      {"case matters", "xABCx", "abc", 1, true, -1},
      {"case ignored", "xABCx", "abc", 1, false, 2},
      {"case ignored, pattern upper", "xabcx", "ABC", 1, false, 2},
      {"only A-Z fold: [ and { differ", "x[x", "{", 1, false, -1},
      {"only A-Z fold: @ and ` differ", "x@x", "`", 1, false, -1},
      // 啊 is B0 A1, 、 is A1 A2: the A1 A2 across 啊|\xA2\xA3 is no character.
      {"no match on a second byte", "\xB0\xA1\xA2\xA3" "AAA" "\xA1\xA2", "\xA1\xA2", 1, true, 8},
      {"single byte as second byte", "\xB0" "ab", "a", 1, true, -1},
      {"second byte a letter, then a real one", "\xB0" "aa", "a", 1, true, 3},
      {"start on a second byte", "\xB0" "AA", "A", 2, true, 3},
      {"case folds second bytes too", "\x81\x41", "\x81\x61", 1, false, 1},
      {"second bytes keep case when it matters", "\x81\x41", "\x81\x61", 1, true, -1},
      {"double-byte text", "作者：张三，描述", "张三", 1, true, 7},
      {"full-width text with ASCII inside", "中文abc中文", "abc", 1, true, 5},
      {"high-byte run resolves by counting", "\xC0\xC1\xC2\xC3\xC4" "X", "X", 1, true, -1},
      {"high-byte run, even", "\xC0\xC1\xC2\xC3" "X", "X", 1, true, 5},
      {"match at the very end", std::string(36, 'x') + "end", "end", 1, true, 37},
      {"zero bytes are bytes", std::string("a\0b\0c", 5), std::string("\0c", 2), 1, true, 4},
  };
  for (const FindCase& c : cases)
    EXPECT_EQ(web::find_text(c.text, c.pattern, c.start, c.case_matters), c.expected) << c.name;
}

// Long texts cross the 16-byte blocks of the fast scan; every offset is tried.
TEST(FindText, EveryOffsetOfALongText) {
  for (size_t at = 0; at < 70; ++at) {
    std::string text(80, '.');
    text.replace(at, 3, "Key");
    EXPECT_EQ(web::find_text(text, "Key"), int(at + 1)) << at;
    EXPECT_EQ(web::find_text(text, "kEY", 1, false), int(at + 1)) << at;
    EXPECT_EQ(web::find_text(text, "kEY", 1, true), -1) << at;
    EXPECT_EQ(web::find_text(text, "Key", int(at + 2)), -1) << at;
  }
}

TEST(FindText, DoubleByteBoundaryInLongTexts) {
  // "\xB0" + "Key" repeated: the K after each B0 is a second byte.
  std::string text;
  for (int i = 0; i < 40; ++i) text += "\xB0Key";
  text += "xKey";
  EXPECT_EQ(web::find_text(text, "Key"), int(text.size()) - 2);
  EXPECT_EQ(web::find_text(text, "ey"), 3);
}

// The fast search against a plain one: characters walked from the start of
// the text, every character start compared byte by byte.
int plain_find(const std::string& text, const std::string& pattern, int start, bool case_matters) {
  if (pattern.empty()) return -1;
  auto fold = [&](unsigned char c) {
    return (!case_matters && c >= 'A' && c <= 'Z') ? c | 0x20 : c;
  };
  const size_t from = start > 1 ? size_t(start - 1) : 0;
  for (size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1) {
    if (i < from || i + pattern.size() > text.size()) continue;
    bool same = true;
    for (size_t k = 0; k < pattern.size() && same; ++k)
      same = fold(static_cast<unsigned char>(text[i + k])) ==
             fold(static_cast<unsigned char>(pattern[k]));
    if (same) return int(i + 1);
  }
  return -1;
}

TEST(FindText, AgreesWithAPlainSearchOnRandomTexts) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', 'A', 'b', 'B', '\xB0', '\xA1', '\x81', ';', ' '};
  int disagreements = 0;
  for (int round = 0; round < 50000; ++round) {
    std::string text(random() % 70, 'x'), pattern(1 + random() % 4, 'x');
    for (char& c : text) c = alphabet[random() % sizeof alphabet];
    for (char& c : pattern) c = alphabet[random() % sizeof alphabet];
    const int start = int(random() % 80) - 5;
    const bool case_matters = random() % 2 == 0;
    const int expected = plain_find(text, pattern, start, case_matters);
    if (web::find_text(text, pattern, start, case_matters) != expected && ++disagreements <= 3)
      ADD_FAILURE() << "round " << round << ": expected " << expected;
  }
  EXPECT_EQ(disagreements, 0);
}

struct BetweenCase {
  const char* name;
  std::string text, start, end;
  int start_position;
  bool case_matters;
  std::string expected;
};

TEST(TextBetween, Table) {
  const BetweenCase cases[] = {
      {"the basic example", "xAyBz", "A", "B", 0, false, "y"},
      {"case ignored by default", "xAyBz", "a", "b", 0, false, "y"},
      {"case matters when asked", "xAyBz", "a", "b", 0, true, ""},
      {"no end marker after the start", "xAyz", "A", "B", 0, false, ""},
      {"end marker only before the start", "xByAz", "A", "B", 0, false, ""},
      {"start marker missing", "xyBz", "A", "B", 0, false, ""},
      {"markers adjacent", "xABz", "A", "B", 0, false, ""},
      {"#引号 stands for a double quote", "a=\"x\"b", "#引号x#引号", "b", 0, false, ""},
      {"#引号 marker pair", "src=\"http://v/1.mp4\" alt", "src=#引号", "#引号", 0, false,
       "http://v/1.mp4"},
      {"#引号 matches the three bytes", "k\"x\"rest;", "#引号x#引号", ";", 0, false, "rest"},
      {"start position finds the next occurrence", "[1][2][3]", "[", "]", 2, false, "2"},
      {"start position 1 is the beginning", "[1][2]", "[", "]", 1, false, "1"},
      {"start position past the text", "[1]", "[", "]", 9, false, ""},
      {"end not searched inside the start marker", "abab", "aba", "ba", 0, false, ""},
      {"end searched right after the start marker", "abab", "ab", "ab", 0, false, ""},
      {"first of several end markers", "<a>1</a>2</a>", "<a>", "</a>", 0, false, "1"},
      {"empty start marker", "xAyBz", "", "B", 0, false, ""},
      {"empty end marker", "xAyBz", "A", "", 0, false, ""},
      {"empty text", "", "A", "B", 0, false, ""},
      // 啊 = B0 A1 and 、 = A1 A2: the bytes A1 A2 inside 啊\xA2\xA3 are no 、.
      {"no match inside another character", "\xB0\xA1\xA2\xA3" "AAA" "、BBB、CCC", "、", "、", 0,
       true, "BBB"},
      {"double-byte markers", "作者：张三，简介：你好。", "作者：", "，", 0, false, "张三"},
      {"share-page style marker", "\"nickname\":\"小明\",\"x\"", "#引号nickname#引号:#引号",
       "#引号", 0, false, "小明"},
      {"case ignored on the end marker", "<TITLE>t</Title>", "<title>", "</TITLE>", 0, false,
       "t"},
  };
  for (const BetweenCase& c : cases)
    EXPECT_EQ(web::text_between(c.text, c.start, c.end, c.start_position, c.case_matters),
              c.expected)
        << c.name;
}

TEST(TextBetween, ShortCallOfTheLead) {
  const std::string page = "<html><title>Clip</title></html>";
  EXPECT_EQ(web::text_between(page, "<TITLE>", "</title>"), "Clip");
}

TEST(TextBetween, MarkersAreNotChanged) {
  const std::string text = "a\"b\"c", start = "#引号", end = "#引号";
  EXPECT_EQ(web::text_between(text, start, end), "b");
  EXPECT_EQ(start, "#引号");
  EXPECT_EQ(end, "#引号");
}

TEST(TextBetween, QuoteWordIsCodePage936) {
  // The compiler's execution character set makes "#引号" these bytes.
  EXPECT_EQ(std::string("#引号"), "#\xD2\xFD\xBA\xC5");
}

}  // namespace
