// GBK goes through iconv's "CP936" (glibc's table for it is Windows code page 936: 0x80 is the
// euro sign, the user-defined areas are not mapped). UTF-8 is coded here so that what counts as
// invalid (surrogates, overlong forms, values past U+10FFFF) is fixed and each fault has an offset.
#include "CodePage.h"

#include "CIconvConverter.h"
#include "WinError.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr UINT kAnsiCodePage = 936;
constexpr const char* kAnsiEncoding = "CP936";
constexpr const char* kWideEncoding = "WCHAR_T";
constexpr wchar_t kReplacement = 0xFFFD;

enum class Encoding { Ansi, Utf8 };

bool ResolveCodePage(UINT codePage, Encoding& encoding) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case kAnsiCodePage:
      encoding = Encoding::Ansi;
      return true;
    case CP_UTF8:
      encoding = Encoding::Utf8;
      return true;
    default:
      return false;
  }
}

struct Utf8Step {
  char32_t value;
  std::size_t length;  // of the sequence, or of the longest valid start of one when invalid
  bool valid;
};

Utf8Step DecodeUtf8(std::string_view bytes, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return {lead, 1, true};
  std::size_t length;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0)
      low = 0xA0;  // overlong
    if (lead == 0xED)
      high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0)
      low = 0x90;  // overlong
    if (lead == 0xF4)
      high = 0x8F;  // past U+10FFFF
  } else {
    return {0, 1, false};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (pos + i >= bytes.size())
      return {0, i, false};
    const unsigned char next = byte(i);
    if (next < low || next > high)
      return {0, i, false};
    low = 0x80;
    high = 0xBF;
    value = (value << 6) | (next & 0x3F);
  }
  return {value, length, true};
}

void AppendUtf8(std::string& out, char32_t value) {
  if (value < 0x80) {
    out += static_cast<char>(value);
  } else if (value < 0x800) {
    out += static_cast<char>(0xC0 | (value >> 6));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    out += static_cast<char>(0xE0 | (value >> 12));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (value >> 18));
    out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  }
}

// Decoders and encoders: `lenient` replaces what cannot be converted and goes on; otherwise the
// first fault stops the conversion and its position goes to `bad`.

bool DecodeUtf8Text(std::string_view bytes, std::wstring& out, bool lenient, std::size_t* bad) {
  out.reserve(out.size() + bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const Utf8Step step = DecodeUtf8(bytes, pos);
    if (!step.valid && !lenient) {
      if (bad)
        *bad = pos;
      return false;
    }
    out += step.valid ? static_cast<wchar_t>(step.value) : kReplacement;
    pos += step.length;
  }
  return true;
}

bool EncodeUtf8Text(std::wstring_view text, std::string& out, bool lenient, std::size_t* bad) {
  out.reserve(out.size() + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsUnicodeScalar(text[i])) {
      AppendUtf8(out, static_cast<char32_t>(text[i]));
    } else if (lenient) {
      AppendUtf8(out, kReplacement);
    } else {
      if (bad)
        *bad = i;
      return false;
    }
  }
  return true;
}

bool DecodeAnsiText(std::string_view bytes, std::wstring& out, bool lenient, std::size_t* bad) {
  // The code page's single bytes below 0x80 are ASCII: such text needs no converter.
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    out.append(bytes.begin(), bytes.end());
    return true;
  }
  const CIconvConverter converter(kWideEncoding, kAnsiEncoding);
  std::string wideBytes;
  std::size_t pos = 0;
  bool ok = true;
  while (pos < bytes.size()) {
    const CIconvConverter::Result result =
        converter.Convert(bytes.data() + pos, bytes.size() - pos, wideBytes);
    if (result.status == CIconvConverter::Status::Ok)
      break;
    if (!lenient || result.status == CIconvConverter::Status::Unavailable) {
      if (bad)
        *bad = pos + result.offset;
      ok = false;
      break;
    }
    const wchar_t replacement = kReplacement;
    wideBytes.append(reinterpret_cast<const char*>(&replacement), sizeof replacement);
    pos += result.offset;
    pos = result.status == CIconvConverter::Status::Incomplete ? bytes.size() : pos + 1;
  }
  if (!ok)
    return false;
  const std::size_t start = out.size();
  out.resize(start + wideBytes.size() / sizeof(wchar_t));
  std::memcpy(out.data() + start, wideBytes.data(), wideBytes.size());
  return true;
}

// `defaultChar` null means strict.
bool EncodeAnsiText(std::wstring_view text, std::string& out, const std::string_view* defaultChar,
                    bool* usedDefault, std::size_t* bad) {
  const CIconvConverter converter(kAnsiEncoding, kWideEncoding);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const CIconvConverter::Result result =
        converter.Convert(text.data() + pos, (text.size() - pos) * sizeof(wchar_t), out);
    if (result.status == CIconvConverter::Status::Ok)
      break;
    const std::size_t failed = pos + result.offset / sizeof(wchar_t);
    if (!defaultChar || result.status == CIconvConverter::Status::Unavailable) {
      if (bad)
        *bad = failed;
      return false;
    }
    out += *defaultChar;
    if (usedDefault)
      *usedDefault = true;
    pos = failed + 1;
  }
  return true;
}

bool Decode(Encoding encoding, std::string_view bytes, std::wstring& out, bool lenient,
            std::size_t* bad) {
  return encoding == Encoding::Utf8 ? DecodeUtf8Text(bytes, out, lenient, bad)
                                    : DecodeAnsiText(bytes, out, lenient, bad);
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

bool IsUnicodeScalar(wchar_t c) {
  const auto value = static_cast<std::uint32_t>(c);
  return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

UINT GetACP() { return kAnsiCodePage; }

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar) {
  Encoding encoding;
  if (!ResolveCodePage(CodePage, encoding))
    return Fail(ERROR_INVALID_PARAMETER);
  const DWORD allowed = encoding == Encoding::Utf8 ? MB_ERR_INVALID_CHARS
                                                   : MB_PRECOMPOSED | MB_ERR_INVALID_CHARS;
  if (dwFlags & ~allowed)
    return Fail(ERROR_INVALID_FLAGS);
  if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (!lpWideCharStr && cchWideChar != 0))
    return Fail(ERROR_INVALID_PARAMETER);

  const std::size_t length =
      cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : static_cast<std::size_t>(cbMultiByte);
  std::wstring wide;
  if (!Decode(encoding, {lpMultiByteStr, length}, wide, !(dwFlags & MB_ERR_INVALID_CHARS),
              nullptr))
    return Fail(ERROR_NO_UNICODE_TRANSLATION);
  if (wide.size() > static_cast<std::size_t>(INT_MAX))
    return Fail(ERROR_INVALID_PARAMETER);
  const int needed = static_cast<int>(wide.size());
  if (cchWideChar == 0)
    return needed;
  if (needed > cchWideChar)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::wmemcpy(lpWideCharStr, wide.data(), wide.size());
  return needed;
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar) {
  Encoding encoding;
  if (!ResolveCodePage(CodePage, encoding))
    return Fail(ERROR_INVALID_PARAMETER);
  const DWORD allowed = encoding == Encoding::Utf8 ? WC_ERR_INVALID_CHARS
                                                   : WC_NO_BEST_FIT_CHARS | WC_COMPOSITECHECK;
  if (dwFlags & ~allowed)
    return Fail(ERROR_INVALID_FLAGS);
  if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (!lpMultiByteStr && cbMultiByte != 0))
    return Fail(ERROR_INVALID_PARAMETER);
  if (encoding == Encoding::Utf8 && (lpDefaultChar || lpUsedDefaultChar))
    return Fail(ERROR_INVALID_PARAMETER);

  const std::size_t length =
      cchWideChar == -1 ? std::wcslen(lpWideCharStr) + 1 : static_cast<std::size_t>(cchWideChar);
  const std::wstring_view text(lpWideCharStr, length);
  std::string bytes;
  bool ok;
  if (encoding == Encoding::Utf8) {
    ok = EncodeUtf8Text(text, bytes, !(dwFlags & WC_ERR_INVALID_CHARS), nullptr);
  } else {
    std::string_view defaultChar = "?";
    if (lpDefaultChar) {
      // One character of the code page: a lead byte brings its trail byte.
      const bool lead = static_cast<unsigned char>(lpDefaultChar[0]) >= 0x81 && lpDefaultChar[1];
      defaultChar = std::string_view(lpDefaultChar, lead ? 2 : 1);
    }
    bool usedDefault = false;
    ok = EncodeAnsiText(text, bytes, &defaultChar, &usedDefault, nullptr);
    if (lpUsedDefaultChar)
      *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
  }
  if (!ok)
    return Fail(ERROR_NO_UNICODE_TRANSLATION);
  if (bytes.size() > static_cast<std::size_t>(INT_MAX))
    return Fail(ERROR_INVALID_PARAMETER);
  const int needed = static_cast<int>(bytes.size());
  if (cbMultiByte == 0)
    return needed;
  if (needed > cbMultiByte)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(lpMultiByteStr, bytes.data(), bytes.size());
  return needed;
}

bool AnsiToWide(std::string_view bytes, std::wstring& out, std::size_t* badOffset) {
  std::wstring wide;
  if (!DecodeAnsiText(bytes, wide, false, badOffset))
    return false;
  out = std::move(wide);
  return true;
}

bool WideToAnsi(std::wstring_view text, std::string& out, std::size_t* badIndex) {
  std::string bytes;
  if (!EncodeAnsiText(text, bytes, nullptr, nullptr, badIndex))
    return false;
  out = std::move(bytes);
  return true;
}

bool Utf8ToWide(std::string_view bytes, std::wstring& out, std::size_t* badOffset) {
  std::wstring wide;
  if (!DecodeUtf8Text(bytes, wide, false, badOffset))
    return false;
  out = std::move(wide);
  return true;
}

bool WideToUtf8(std::wstring_view text, std::string& out, std::size_t* badIndex) {
  std::string bytes;
  if (!EncodeUtf8Text(text, bytes, false, badIndex))
    return false;
  out = std::move(bytes);
  return true;
}

std::wstring Utf8ToWideLossy(std::string_view bytes) {
  std::wstring wide;
  DecodeUtf8Text(bytes, wide, true, nullptr);
  return wide;
}

std::string WideToUtf8Lossy(std::wstring_view text) {
  std::string bytes;
  EncodeUtf8Text(text, bytes, true, nullptr);
  return bytes;
}
