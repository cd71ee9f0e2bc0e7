// The non-decreasing knot sequence of a spline; knots closer than the tolerance count as
// one knot of higher multiplicity.
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGeInterval.h"

class AcGeKnotVector {
public:
    explicit AcGeKnotVector(int size = 0, int growSize = 8);
    AcGeKnotVector(int size, const double source[], double tol = kDefaultTol);
    explicit AcGeKnotVector(const AcGeDoubleArray& dblArray, double tol = kDefaultTol);

    static constexpr double kDefaultTol = 1.0e-9;

    double& operator[](int i) { return mKnots[i]; }
    double operator[](int i) const { return mKnots[i]; }
    bool isEqualTo(const AcGeKnotVector& other) const;

    double startParam() const { return mKnots.first(); }
    double endParam() const { return mKnots.last(); }
    int multiplicityAt(int i) const;
    int multiplicityAt(double param) const;
    // Number of non-empty spans between consecutive distinct knots.
    int numIntervals() const;
    // The span [knot i, knot i+1) that holds param, for a spline of the given order.
    int getInterval(int ord, double par, AcGeInterval& interval) const;
    void getDistinctKnots(AcGeDoubleArray& knots, AcGeDoubleArray* multiplicity = nullptr) const;
    bool contains(double param) const;
    bool isOn(double knot) const;

    AcGeKnotVector& reverse();
    AcGeKnotVector& removeAt(int i);
    AcGeKnotVector& removeSubVector(int startIndex, int endIndex);
    AcGeKnotVector& insertAt(int indx, double u, int multiplicity = 1);
    // Inserts u at its sorted place.
    AcGeKnotVector& insert(double u);
    int append(double val);
    AcGeKnotVector& set(int size, const double source[], double tol = kDefaultTol);

    int length() const { return mKnots.length(); }
    int logicalLength() const { return mKnots.length(); }
    bool isEmpty() const { return mKnots.isEmpty(); }
    AcGeKnotVector& setLogicalLength(int n);
    const double* getPtr() const { return mKnots.asArrayPtr(); }
    const AcGeDoubleArray& getArray() const { return mKnots; }
    double tolerance() const { return mTolerance; }
    AcGeKnotVector& setTolerance(double tol);

private:
    AcGeDoubleArray mKnots;
    double mTolerance = kDefaultTol;
};
