// The fields of one DXF subclass given as data, code and member side by side, so an entity
// class that only files values by code lists them once instead of spelling out the switch.
#pragma once

#include "AcGePoint3d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"

#include <initializer_list>
#include <variant>

class AcDbDxfFiler;

namespace DbDxfFields {

struct Point {
    int code;
    AcGePoint3d& value;
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
using Field = std::variant<Point, Vector, Real, Angle>;

// eInvalidInput, and nothing read, when the filer is not at the subclass; otherwise every group
// of the subclass is stored in the field of its code, groups of other codes are passed over.
Acad::ErrorStatus read(AcDbDxfFiler* filer, const wchar_t* subclass, std::initializer_list<Field> fields);

} // namespace DbDxfFields
