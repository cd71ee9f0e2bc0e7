// Result buffers are allocated with malloc, as callers of the platform free them with
// acutRelRb and may hand strings between lists.
#include "resbuf.h"

#include <cstdarg>
#include <cstdlib>
#include <cwchar>

AdsValueKind acutValueKind(int t)
{
    switch (t) {
    case RTSTR:
        return AdsValueKind::String;
    case RTREAL:
    case RTANG:
        return AdsValueKind::Real;
    case RTPOINT:
    case RT3DPOINT:
        return AdsValueKind::Point;
    case RTSHORT:
        return AdsValueKind::Short;
    case RTLONG:
        return AdsValueKind::Long;
    case RTENAME:
    case RTPICKS:
        return AdsValueKind::Name;
    default:
        break;
    }
    if ((t >= 0 && t <= 9) || (t >= 100 && t <= 109) || (t >= 300 && t <= 309) || (t >= 410 && t <= 419)
        || (t >= 1000 && t <= 1009) || t == 999)
        return AdsValueKind::String;
    if ((t >= 10 && t <= 17) || (t >= 110 && t <= 112) || (t >= 1010 && t <= 1013) || t == 210)
        return AdsValueKind::Point;
    if ((t >= 38 && t <= 59) || (t >= 140 && t <= 149) || (t >= 460 && t <= 469) || (t >= 1040 && t <= 1042))
        return AdsValueKind::Real;
    if ((t >= 60 && t <= 79) || (t >= 170 && t <= 179) || (t >= 270 && t <= 289) || (t >= 370 && t <= 389)
        || (t >= 400 && t <= 409) || t == 1070)
        return AdsValueKind::Short;
    if ((t >= 90 && t <= 99) || (t >= 420 && t <= 429) || (t >= 440 && t <= 459) || t == 1071)
        return AdsValueKind::Long;
    if ((t >= 330 && t <= 369) || (t >= 390 && t <= 399) || (t >= 480 && t <= 481) || t == -1 || t == -2)
        return AdsValueKind::Name;
    return AdsValueKind::None;
}

ACHAR* acutNewString(const ACHAR* text)
{
    if (text == nullptr)
        return nullptr;
    const std::size_t n = std::wcslen(text) + 1;
    auto* s = static_cast<ACHAR*>(std::malloc(n * sizeof(ACHAR)));
    if (s != nullptr)
        std::wmemcpy(s, text, n);
    return s;
}

resbuf* acutNewRb(int restype)
{
    auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    if (rb != nullptr)
        rb->restype = static_cast<short>(restype);
    return rb;
}

int acutRelRb(resbuf* rb)
{
    while (rb != nullptr) {
        resbuf* next = rb->rbnext;
        if (acutValueKind(rb->restype) == AdsValueKind::String)
            std::free(rb->resval.rstring);
        std::free(rb);
        rb = next;
    }
    return RTNORM;
}

resbuf* acutDuplicateRb(const resbuf* rb)
{
    if (rb == nullptr)
        return nullptr;
    resbuf* copy = acutNewRb(rb->restype);
    if (copy == nullptr)
        return nullptr;
    copy->resval = rb->resval;
    if (acutValueKind(rb->restype) == AdsValueKind::String)
        copy->resval.rstring = acutNewString(rb->resval.rstring);
    return copy;
}

resbuf* acutBuildList(int rtype, ...)
{
    va_list ap;
    va_start(ap, rtype);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (int t = rtype; t != 0 && t != RTNONE; t = va_arg(ap, int)) {
        resbuf* rb = acutNewRb(t);
        if (rb == nullptr) {
            acutRelRb(head);
            va_end(ap);
            return nullptr;
        }
        switch (t == RTLB || t == RTLE || t == RTDOTE ? AdsValueKind::None : acutValueKind(t)) {
        case AdsValueKind::String:
            rb->resval.rstring = acutNewString(va_arg(ap, const ACHAR*));
            break;
        case AdsValueKind::Real:
            rb->resval.rreal = va_arg(ap, double);
            break;
        case AdsValueKind::Point: {
            const double* p = va_arg(ap, const double*);
            for (int i = 0; i < 3; ++i)
                rb->resval.rpoint[i] = p ? p[i] : 0.0;
            break;
        }
        case AdsValueKind::Short:
            rb->resval.rint = static_cast<short>(va_arg(ap, int));
            break;
        case AdsValueKind::Long:
            rb->resval.rlong = va_arg(ap, int);
            break;
        case AdsValueKind::Name: {
            const long* n = va_arg(ap, const long*);
            rb->resval.rlname[0] = n ? n[0] : 0;
            rb->resval.rlname[1] = n ? n[1] : 0;
            break;
        }
        case AdsValueKind::None:
            break;
        }
        (tail ? tail->rbnext : head) = rb;
        tail = rb;
    }
    va_end(ap);
    return head;
}
