// The fields of one DXF subclass given as data, code and member side by side, so an entity
// class that only files values by code lists them once instead of spelling out the switch.
#pragma once

#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <variant>

class AcDbDxfFiler;

namespace DbDxfFields {

struct Point {
    int code;
    AcGePoint3d& value;
};
struct Point2d {
    int code;
    AcGePoint2d& value;
};
struct Vector {
    int code;
    AcGeVector3d& value;
};
struct Real {
    int code;
    double& value;
};
// Filed in degrees, held in radians.
struct Angle {
    int code;
    double& radians;
};
// A text handed on, for a value that is kept behind a setter (a table record's name).
struct Text {
    int code;
    std::function<void(const std::wstring&)> take;
};
using Field = std::variant<Point, Point2d, Vector, Real, Angle, Text>;

// Every group of the current subclass is stored in the field of its code, groups of other codes
// are passed over.
void readGroups(AcDbDxfFiler* filer, std::initializer_list<Field> fields);

// eInvalidInput, and nothing read, when the filer is not at the subclass; otherwise readGroups.
Acad::ErrorStatus read(AcDbDxfFiler* filer, const wchar_t* subclass, std::initializer_list<Field> fields);

} // namespace DbDxfFields
