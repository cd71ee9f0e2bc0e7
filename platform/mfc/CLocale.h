// Numbers are formatted and read in the C locale, whatever locale the program runs in
// (a window toolkit may set the user's locale, which could make the decimal point a comma).
#pragma once

#include <locale.h>

namespace corbel {

// The process-wide C locale object.
locale_t CLocale();

// Makes the C locale current for this thread while it lives.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

} // namespace corbel
