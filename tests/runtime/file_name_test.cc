// Names a server suggests for a download: what the user is offered must be
// one plain file, shown as it will be saved.
#include "runtime/base/file_name.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/base/text.h"

namespace {

using cefrt::kMaxFileNameBytes;
using cefrt::SafeFileName;
using cefrt::U16ToUtf8;
using cefrt::Utf8ToU16;

TEST(SafeFileName, OffersOnePlainFileShownAsSaved) {
  struct Case {
    std::u16string in;
    std::u16string out;
  } cases[] = {
      {u"report.pdf", u"report.pdf"},
      {u"用户名单.csv", u"用户名单.csv"},
      {u"", u"download"},
      {u"..", u"download"},
      {u" . ", u"download"},
      {u"../../etc/passwd", u"_.._etc_passwd"},
      {u"a\\b:c*d?e\"f<g>h|i", u"a_b_c_d_e_f_g_h_i"},
      {u"tab\there\x7F", u"tab_here_"},
      {u".bashrc", u"bashrc"},
      {u"name.txt. . ", u"name.txt"},
      // Device names, whatever the case, extension or spaces before it.
      {u"CON", u"_CON"},
      {u"con", u"_con"},
      {u"nul.txt", u"_nul.txt"},
      {u"NUL .tar.gz", u"_NUL .tar.gz"},
      {u"aux", u"_aux"},
      {u"prn.", u"_prn"},
      {u"COM1", u"_COM1"},
      {u"lpt9.log", u"_lpt9.log"},
      {u"COM\u00B9", u"_COM\u00B9"},
      {u"conin$", u"_conin$"},
      {u"console.log", u"console.log"},
      {u"COM10", u"COM10"},
      {u"nullable.txt", u"nullable.txt"},
      // Marks that reorder what the user reads.
      {u"invoice\u202Efdp.exe", u"invoicefdp.exe"},
      {u"a\u202Ab\u202Bc\u202Cd\u202De", u"abcde"},
      {u"x\u2066y\u2067z\u2068w\u2069.txt", u"xyzw.txt"},
      {u"\u200Fname\u200E.txt\u061C", u"name.txt"},
      {u"\u202ECON", u"_CON"},
      // A lone surrogate is no character.
      {std::u16string(u"a") + char16_t(0xD800) + u".txt", u"a\uFFFD.txt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(U16ToUtf8(SafeFileName(c.in)), U16ToUtf8(c.out))
        << U16ToUtf8(c.in);
}

TEST(SafeFileName, LongNamesAreCutKeepingTheExtension) {
  struct Case {
    std::string stem;     // repeated
    size_t times;
    std::string extension;
    std::string kept;     // the extension the result must end with
  } cases[] = {
      {"a", 1000, ".pdf", ".pdf"},
      {"文", 400, ".csv", ".csv"},
      {"\xF0\x9F\x98\x80", 200, ".zip", ".zip"},  // outside the BMP
      {"b", 1000, "", ""},
      // Too long to be an extension: cut like the rest.
      {"c", 10, "." + std::string(600, 'x'), ""},
  };
  for (const Case& c : cases) {
    std::string in;
    for (size_t i = 0; i < c.times; ++i)
      in += c.stem;
    in += c.extension;
    const std::string out = U16ToUtf8(SafeFileName(Utf8ToU16(in)));
    SCOPED_TRACE(in.substr(0, 40));
    EXPECT_LE(out.size(), kMaxFileNameBytes);
    EXPECT_GE(out.size() + 4 * c.stem.size(), kMaxFileNameBytes)
        << "cut more than needed: " << out;
    EXPECT_EQ(out.compare(out.size() - c.kept.size(), c.kept.size(), c.kept),
              0)
        << out;
    // Whole characters only: a cut never leaves half of one.
    EXPECT_EQ(Utf8ToU16(out).find(u'\uFFFD'), std::u16string::npos) << out;
    EXPECT_EQ(in.compare(0, out.size() - c.kept.size(), out, 0,
                         out.size() - c.kept.size()),
              0)
        << "not the name's own beginning: " << out;
  }
}

}  // namespace
