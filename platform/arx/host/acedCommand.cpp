// The arguments of acedCommand become a result-buffer list, so that acedCommand and acedCmd
// run through the same interpreter.
#include "aced.h"

#include "HostApplication.h"
#include "HostCommandInterpreter.h"

#include <cstdarg>

namespace {

// The same value rules as acutBuildList, but reading from a va_list.
resbuf* buildArguments(int first, va_list ap)
{
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (int t = first; t != 0 && t != RTNONE; t = va_arg(ap, int)) {
        resbuf* rb = acutNewRb(t);
        if (rb == nullptr) {
            acutRelRb(head);
            return nullptr;
        }
        switch (t) {
        case RTLB:
        case RTLE:
        case RTDOTE: break;
        case RTSTR: rb->resval.rstring = acutNewString(va_arg(ap, const ACHAR*)); break;
        case RTREAL:
        case RTANG: rb->resval.rreal = va_arg(ap, double); break;
        case RTPOINT:
        case RT3DPOINT: {
            const double* p = va_arg(ap, const double*);
            for (int i = 0; i < 3; ++i)
                rb->resval.rpoint[i] = p ? p[i] : 0.0;
            break;
        }
        case RTSHORT: rb->resval.rint = static_cast<short>(va_arg(ap, int)); break;
        case RTLONG: rb->resval.rlong = va_arg(ap, int); break;
        case RTENAME:
        case RTPICKS: {
            const long* n = va_arg(ap, const long*);
            rb->resval.rlname[0] = n ? n[0] : 0;
            rb->resval.rlname[1] = n ? n[1] : 0;
            break;
        }
        default:
            // A type the command line does not take: its value cannot be skipped safely.
            acutRelRb(rb);
            acutRelRb(head);
            HostApplication::instance().transcript().report(L"acedCommand: argument type " + std::to_wstring(t)
                                                            + L" is not understood.");
            return nullptr;
        }
        (tail ? tail->rbnext : head) = rb;
        tail = rb;
    }
    return head;
}

} // namespace

int acedCommand(int rtype, ...)
{
    if (rtype == 0 || rtype == RTNONE)
        return RTNORM;
    va_list ap;
    va_start(ap, rtype);
    resbuf* list = buildArguments(rtype, ap);
    va_end(ap);
    if (list == nullptr)
        return RTERROR;
    const int status = acedCmd(list);
    acutRelRb(list);
    return status;
}

int acedCmd(const resbuf* rbp)
{
    HostCommandInterpreter interpreter(HostApplication::instance().database());
    return interpreter.run(rbp);
}
