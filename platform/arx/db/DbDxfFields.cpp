// The fields of one DXF subclass given as data.
#include "DbDxfFields.h"

#include "AcDbDxfFiler.h"

namespace DbDxfFields {

namespace {

int codeOf(const Field& field)
{
    return std::visit([](const auto& f) { return f.code; }, field);
}

void store(AcDbDxfFiler* filer, const AcDbDxfGroup& g, const Field& field)
{
    if (const auto* p = std::get_if<Point>(&field))
        p->value = filer->readPoint3d(g);
    else if (const auto* p2 = std::get_if<Point2d>(&field))
        p2->value = filer->readPoint2d(g);
    else if (const auto* v = std::get_if<Vector>(&field))
        v->value = filer->readVector3d(g);
    else if (const auto* r = std::get_if<Real>(&field))
        r->value = g.asDouble();
    else if (const auto* a = std::get_if<Angle>(&field))
        a->radians = filer->readAngle(g);
    else if (const auto* t = std::get_if<Text>(&field))
        t->take(g.asString());
}

} // namespace

void readGroups(AcDbDxfFiler* filer, std::initializer_list<Field> fields)
{
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        for (const Field& field : fields) {
            if (codeOf(field) == g.code) {
                store(filer, g, field);
                return;
            }
        }
    });
}

Acad::ErrorStatus read(AcDbDxfFiler* filer, const wchar_t* subclass, std::initializer_list<Field> fields)
{
    if (!filer->atSubclassData(subclass))
        return Acad::eInvalidInput;
    readGroups(filer, fields);
    return Acad::eOk;
}

} // namespace DbDxfFields
