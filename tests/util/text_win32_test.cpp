// The text comparison under the two kinds of code page a Windows process may
// have: a single-byte one, where Equal is byte equality, and a double-byte
// one (932), where it is not, so the QSO log finds dupes by comparing.
#include <mbctype.h>

#include <gtest/gtest.h>

#include <string>

#include "log/qso_log.h"
#include "util/text.h"

namespace sptdc {
namespace {

// Sets the process's multibyte code page for one test.
class CodePage {
 public:
  explicit CodePage(int codePage) : previous_(_getmbcp()) { set = _setmbcp(codePage) == 0; }
  ~CodePage() { _setmbcp(previous_); }
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;

  bool set = false;

 private:
  int previous_;
};

// A text of the given bytes whose buffer holds a known byte after its
// terminating NUL, for comparisons that read past the end of a text. From
// 16 bytes on it lives on the heap, where moving it keeps that byte.
std::string WithTail(const std::string& bytes, char tail) {
  std::string text = bytes + '\0' + tail;
  text.resize(bytes.size());  // shortening writes only the new terminator
  return text;
}

CInfo Record(std::string call) {
  CInfo r;
  r.m_call = std::move(call);
  r.m_band = "160m";
  r.m_mode = "CW";
  return r;
}

TEST(TextWin32Test, SingleByteCodePageComparesBytesUpToTheFirstNul) {
  CodePage codePage(1252);
  ASSERT_TRUE(codePage.set);
  EXPECT_TRUE(text::EqualIsByteEquality());
  EXPECT_TRUE(text::Equal("AB\x81", "AB\x81"));
  EXPECT_FALSE(text::Equal("AB\x81", "AB"));
  EXPECT_FALSE(text::Equal("\x81\x40", "\x81\x41"));
  EXPECT_TRUE(text::Equal(WithTail("X\x81", 'B'), WithTail("X\x81", 'C')));
  // The C runtime compares the C strings: a NUL ends the text.
  const std::string a("A\0B", 3), b("A\0C", 3);
  EXPECT_TRUE(text::Equal(a, b));
  EXPECT_EQ(text::ComparedBytes(a), "A");
}

TEST(TextWin32Test, DoubleByteCodePageIsNotByteEqualityAndTheLogCompares) {
  CodePage codePage(932);
  ASSERT_TRUE(codePage.set) << "code page 932 is not available";
  EXPECT_FALSE(text::EqualIsByteEquality());
  // Whole double-byte characters compare as units.
  EXPECT_TRUE(text::Equal("\x81\x40", "\x81\x40"));
  EXPECT_FALSE(text::Equal("\x81\x40", "\x81\x41"));
  // A lead byte at the end of a text takes the terminating NUL into its
  // character: Windows ends the text there, so it equals the text without
  // the lead byte; Wine reads on past the NUL, so two texts of the same bytes
  // can differ. Either way Equal is not byte equality.
  const std::string shorter(16, 'K');
  std::string stored = WithTail(shorter + "\x81", 'B');
  const std::string sameBytes = WithTail(shorter + "\x81", 'C');
  const bool sameBytesEqual = text::Equal(stored, sameBytes);
  const bool shorterEqual = text::Equal(stored, shorter);
  EXPECT_TRUE(!sameBytesEqual || shorterEqual);

  // The log counts what Equal says, not what the bytes say.
  QsoLog log;
  log.Append(Record(std::move(stored)));
  log.Append(Record("\x81\x40"));
  EXPECT_EQ(log.CountMatches(sameBytes, "160m", "CW"), sameBytesEqual ? 1u : 0u);
  EXPECT_EQ(log.CountMatches(shorter, "160m", "CW"), shorterEqual ? 1u : 0u);
  EXPECT_EQ(log.CountMatches("\x81\x40", "160m", "CW"), 1u);
}

}  // namespace
}  // namespace sptdc
