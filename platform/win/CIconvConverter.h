// A conversion between two iconv encodings, with the descriptor opened once per thread.
// Failures name the input offset of the bad sequence so callers can report it.
#pragma once

#include <cstddef>
#include <string>

class CIconvConverter {
public:
  enum class Status {
    Ok,
    Invalid,     // a sequence that is not valid input, or has no form in the target encoding
    Incomplete,  // the input ends inside a multi-byte sequence
    Unavailable  // iconv does not know one of the encodings
  };

  struct Result {
    Status status = Status::Ok;
    std::size_t offset = 0;  // input bytes converted before the failure
  };

  CIconvConverter(const char* toCode, const char* fromCode);

  // Appends the converted bytes of `input` to `out`. On failure `out` holds what was converted
  // before the offset.
  Result Convert(const void* input, std::size_t size, std::string& out) const;

private:
  const char* m_toCode;
  const char* m_fromCode;
};
