// A parameter range of a curve; either end may be unbounded (lines and rays).
#pragma once

class AcGeInterval {
public:
    // Unbounded on both sides.
    AcGeInterval() = default;
    AcGeInterval(double lower, double upper);
    // Bounded on one side only: below when boundedBelow, else above.
    AcGeInterval(bool boundedBelow, double bound);

    double lowerBound() const { return mLower; }
    double upperBound() const { return mUpper; }
    void getBounds(double& lower, double& upper) const;
    double length() const { return mUpper - mLower; }
    bool isBounded() const { return mBoundedBelow && mBoundedAbove; }
    bool isBoundedBelow() const { return mBoundedBelow; }
    bool isBoundedAbove() const { return mBoundedAbove; }
    bool isUnBounded() const { return !mBoundedBelow && !mBoundedAbove; }
    bool contains(double val, double tol = 1.0e-12) const;
    // The value moved into the interval.
    double clamp(double val) const;

    AcGeInterval& set(double lower, double upper);
    AcGeInterval& set(bool boundedBelow, double bound);
    AcGeInterval& set();

private:
    double mLower = 0.0;
    double mUpper = 0.0;
    bool mBoundedBelow = false;
    bool mBoundedAbove = false;
};
