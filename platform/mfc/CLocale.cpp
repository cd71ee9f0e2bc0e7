#include "CLocale.h"

#include <cstdlib>

namespace corbel {

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (c == static_cast<locale_t>(nullptr))
        std::abort();
    return c;
}

} // namespace corbel
