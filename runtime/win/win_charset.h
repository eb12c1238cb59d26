// Pages in the encodings Windows knows (GBK, GB18030, Big5, Shift_JIS, ...)
// as UTF-8 for the document view, and form fields back in the page's
// encoding.
#ifndef CEF_RUNTIME_WIN_WIN_CHARSET_H_
#define CEF_RUNTIME_WIN_WIN_CHARSET_H_

#include <string>

namespace cefrt {

// The Windows code page for an encoding label ("gbk", "GB2312", "big5"),
// 0 for one it does not know or cannot convert here.
unsigned CodePageForCharset(const std::string& label);

// The page's bytes as UTF-8, read in the encoding `label` names: by its
// `Content-Type` charset, else by its own <meta charset>. Bytes in UTF-8 or
// an unknown encoding stay as they are.
std::string PageToUtf8(const std::string& bytes, const std::string& label);

// The encoding a page is read in (as PageToUtf8 chose it), "" for UTF-8.
std::string PageCharset(const std::string& bytes, const std::string& label);

// UTF-8 text in the page's encoding `label`, for a form's fields; what the
// encoding cannot hold goes as a numeric character reference (&#20013;), as
// browsers send it.
std::string Utf8ToPageCharset(const std::string& text,
                              const std::string& label);

}  // namespace cefrt

#endif  // CEF_RUNTIME_WIN_WIN_CHARSET_H_
