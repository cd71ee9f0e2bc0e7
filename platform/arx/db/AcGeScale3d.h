// Scale factors along X, Y and Z, as a block reference carries them.
#pragma once

class AcGeScale3d {
public:
    constexpr AcGeScale3d() = default;
    constexpr explicit AcGeScale3d(double factor)
        : sx(factor)
        , sy(factor)
        , sz(factor)
    {
    }
    constexpr AcGeScale3d(double xFactor, double yFactor, double zFactor)
        : sx(xFactor)
        , sy(yFactor)
        , sz(zFactor)
    {
    }

    double operator[](int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
    bool operator==(const AcGeScale3d& o) const { return sx == o.sx && sy == o.sy && sz == o.sz; }
    bool operator!=(const AcGeScale3d& o) const { return !(*this == o); }

    double sx = 1.0;
    double sy = 1.0;
    double sz = 1.0;
};
