// The platform's result buffer: a linked list of typed values used for extended data,
// system variables and command arguments, with the result-type codes and the list helpers.
#pragma once

#include "Adesk.h"

typedef double ads_real;
typedef ads_real ads_point[3];
typedef long ads_name[2];
typedef ads_real* ads_pointp;

enum {
    RTNONE = 5000,
    RTREAL = 5001,
    RTPOINT = 5002,
    RTSHORT = 5003,
    RTANG = 5004,
    RTSTR = 5005,
    RTENAME = 5006,
    RTPICKS = 5007,
    RTORINT = 5008,
    RT3DPOINT = 5009,
    RTLONG = 5010,
    RTVOID = 5014,
    RTLB = 5016,
    RTLE = 5017,
    RTDOTE = 5018,
    RTNIL = 5019,
    RTDXF0 = 5020,
    RTT = 5021,
    RTRESBUF = 5023,
    RTMODELESS = 5027,
    RTNORM = 5100,
    RTERROR = -5001,
    RTCAN = -5002,
    RTREJ = -5003,
    RTFAIL = -5004,
    RTKWORD = -5005
};

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    Adesk::Int32 rlong;
    ads_name rlname;
    ads_binary rbinary;
    Adesk::Int64 mnInt64;
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};

// How the value of a result buffer of this type is held.
enum class AdsValueKind { None, String, Real, Point, Short, Long, Name };
AdsValueKind acutValueKind(int restype);

// A new buffer of the type with a zero value (null string); null when memory runs out.
resbuf* acutNewRb(int restype);
// Frees the whole list, its strings included. Returns RTNORM.
int acutRelRb(resbuf* rb);
// Builds a list from (type, value) pairs ending with 0 or RTNONE; RTLB, RTLE and RTDOTE take
// no value. Strings are const ACHAR*, reals double, points const double*, shorts and longs int.
resbuf* acutBuildList(int rtype, ...);
// A deep copy of one buffer (its string copied), not of the rest of the list.
resbuf* acutDuplicateRb(const resbuf* rb);
// A new string for a buffer's rstring, freed by acutRelRb.
ACHAR* acutNewString(const ACHAR* text);
