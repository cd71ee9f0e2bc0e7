// iconv descriptors are not thread-safe and costly to open, so each thread keeps its own
// for each pair of encodings and closes them when the thread ends.
#include "CIconvConverter.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace {

class DescriptorCache {
public:
  ~DescriptorCache() {
    for (Entry& entry : m_entries)
      iconv_close(entry.descriptor);
  }

  iconv_t Get(const char* toCode, const char* fromCode) {
    for (Entry& entry : m_entries)
      if (std::strcmp(entry.toCode, toCode) == 0 && std::strcmp(entry.fromCode, fromCode) == 0)
        return entry.descriptor;
    iconv_t descriptor = iconv_open(toCode, fromCode);
    if (descriptor == reinterpret_cast<iconv_t>(-1))
      return descriptor;
    m_entries.push_back({toCode, fromCode, descriptor});
    return descriptor;
  }

private:
  struct Entry {
    const char* toCode;
    const char* fromCode;
    iconv_t descriptor;
  };
  std::vector<Entry> m_entries;
};

thread_local DescriptorCache t_descriptors;

}  // namespace

CIconvConverter::CIconvConverter(const char* toCode, const char* fromCode)
    : m_toCode(toCode), m_fromCode(fromCode) {}

CIconvConverter::Result CIconvConverter::Convert(const void* input, std::size_t size,
                                                 std::string& out) const {
  iconv_t descriptor = t_descriptors.Get(m_toCode, m_fromCode);
  if (descriptor == reinterpret_cast<iconv_t>(-1))
    return {Status::Unavailable, 0};
  // A descriptor left in a shift state by an earlier failure must start clean.
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);

  char* in = const_cast<char*>(static_cast<const char*>(input));
  std::size_t inLeft = size;
  const std::size_t start = out.size();
  out.resize(start + size * 4 + 16);
  char* outPtr = out.data() + start;
  std::size_t outLeft = out.size() - start;
  auto grow = [&] {
    const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
    out.resize(out.size() * 2);
    outPtr = out.data() + used;
    outLeft = out.size() - used;
  };
  // iconv succeeds only once the whole input is converted; the call without input that
  // follows ends the output in its initial shift state.
  bool inputDone = inLeft == 0;
  for (;;) {
    const std::size_t rc = inputDone ? iconv(descriptor, nullptr, nullptr, &outPtr, &outLeft)
                                     : iconv(descriptor, &in, &inLeft, &outPtr, &outLeft);
    if (rc != static_cast<std::size_t>(-1)) {
      if (inputDone)
        break;
      inputDone = true;
      continue;
    }
    const int error = errno;
    if (error == E2BIG) {
      grow();
      continue;
    }
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    return {error == EINVAL ? Status::Incomplete : Status::Invalid, size - inLeft};
  }
  out.resize(static_cast<std::size_t>(outPtr - out.data()));
  return {Status::Ok, size};
}
