// Lengths of a design brought from one length unit to another. The editor's units are powers of
// ten apart, so a length is moved as the decimal a person typed: the decimal point shifts and the
// result is the real nearest that decimal. Metres and back then give every typed length back
// exactly, where a multiplication would leave a trace in the last bit.
#pragma once

// value times factor; for a factor that is a power of ten (1e-8 ... 1e8) the decimal shift.
double ScaleLength(double value, double factor);

// A coded length 80000 + l (see IsBarCodeInRange) becomes 80000 + l times factor, l taken as
// the decimal that the coded value shows, so that the code survives every change of unit.
double ScaleCodedLength(double value, double factor);
