// Output, input and comparison of the dimension variables, each generated from the one list.
#include "AcDbDimStyleVariables.h"

#include "AcDbBlockTable.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"

namespace {

void writeValue(AcDbDxfFiler* f, int code, double v)
{
    f->writeDouble(code, v);
}
void writeValue(AcDbDxfFiler* f, int code, int v)
{
    f->writeInt16(code, v);
}
void writeValue(AcDbDxfFiler* f, int code, bool v)
{
    f->writeInt16(code, v ? 1 : 0);
}
void writeValue(AcDbDxfFiler* f, int code, wchar_t v)
{
    f->writeInt16(code, static_cast<int>(v));
}
void writeValue(AcDbDxfFiler* f, int code, AcDb::LineWeight v)
{
    f->writeInt16(code, v);
}
void writeValue(AcDbDxfFiler* f, int code, const std::wstring& v)
{
    f->writeString(code, v);
}
void writeValue(AcDbDxfFiler* f, int code, const AcDbObjectId& v)
{
    if (v.isValid() && !v.isErased())
        f->writeObjectId(code, v);
}

// Override pairs carry the value under the extended-data code of its kind.
void writeOverride(AcDbDxfFiler* f, double v)
{
    f->writeDouble(1040, v);
}
void writeOverride(AcDbDxfFiler* f, int v)
{
    f->writeInt16(1070, v);
}
void writeOverride(AcDbDxfFiler* f, bool v)
{
    f->writeInt16(1070, v ? 1 : 0);
}
void writeOverride(AcDbDxfFiler* f, wchar_t v)
{
    f->writeInt16(1070, static_cast<int>(v));
}
void writeOverride(AcDbDxfFiler* f, AcDb::LineWeight v)
{
    f->writeInt16(1070, v);
}
void writeOverride(AcDbDxfFiler* f, const std::wstring& v)
{
    f->writeString(1000, v);
}
void writeOverride(AcDbDxfFiler* f, const AcDbObjectId& v)
{
    f->writeObjectId(1005, v);
}

void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, double& v)
{
    v = g.asDouble();
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, int& v)
{
    v = g.asInt();
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, bool& v)
{
    v = g.asInt() != 0;
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, wchar_t& v)
{
    v = static_cast<wchar_t>(g.asInt());
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, AcDb::LineWeight& v)
{
    v = g.asEnum(AcDb::kLnWtByLwDefault, AcDb::kLnWt211, AcDb::kLnWtByBlock);
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler*, std::wstring& v)
{
    v = g.asString();
}
void readValue(const AcDbDxfGroup& g, AcDbDxfFiler* f, AcDbObjectId& v)
{
    v = f->readObjectId(g);
}

} // namespace

AcCmColor AcDbDimStyleVariables::colorOf(int index)
{
    AcCmColor c;
    c.setColorIndex(static_cast<Adesk::UInt16>(index));
    return c;
}

Acad::ErrorStatus AcDbDimStyleVariables::arrowBlockId(const ACHAR* name, AcDbObjectId& id) const
{
    if (name == nullptr || name[0] == 0 || (name[0] == L'.' && name[1] == 0)) {
        id.setNull();
        return Acad::eOk;
    }
    AcDbDatabase* db = dimVarDatabase();
    if (db == nullptr)
        return Acad::eNoDatabase;
    id = db->symbolId(db->blockTableId(), name);
    return id.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleVariables::setDimblk(const ACHAR* name)
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = arrowBlockId(name, id); es != Acad::eOk)
        return es;
    return setDimblk(id);
}

Acad::ErrorStatus AcDbDimStyleVariables::setDimblk1(const ACHAR* name)
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = arrowBlockId(name, id); es != Acad::eOk)
        return es;
    return setDimblk1(id);
}

Acad::ErrorStatus AcDbDimStyleVariables::setDimblk2(const ACHAR* name)
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = arrowBlockId(name, id); es != Acad::eOk)
        return es;
    return setDimblk2(id);
}

Acad::ErrorStatus AcDbDimStyleVariables::setDimldrblk(const ACHAR* name)
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = arrowBlockId(name, id); es != Acad::eOk)
        return es;
    return setDimldrblk(id);
}

void AcDbDimStyleVariables::copyDimVariables(const AcDbDimStyleVariables& other)
{
#define ACDB_DIMVAR_COPY(KIND, get, Set, code, def) m_##get = other.m_##get;
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_COPY)
#undef ACDB_DIMVAR_COPY
}

void AcDbDimStyleVariables::copyDimVariables(const AcDbDimStyleVariables& other, const std::set<int>& codes)
{
#define ACDB_DIMVAR_COPY_LISTED(KIND, get, Set, code, def)                                                             \
    if (codes.count(code))                                                                                             \
        m_##get = other.m_##get;
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_COPY_LISTED)
#undef ACDB_DIMVAR_COPY_LISTED
}

void AcDbDimStyleVariables::dxfOutDimVariables(AcDbDxfFiler* filer) const
{
#define ACDB_DIMVAR_OUT(KIND, get, Set, code, def) writeValue(filer, code, m_##get);
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_OUT)
#undef ACDB_DIMVAR_OUT
}

void AcDbDimStyleVariables::dxfOutDimOverrides(AcDbDxfFiler* filer, const std::set<int>& codes) const
{
#define ACDB_DIMVAR_OVERRIDE(KIND, get, Set, code, def)                                                                \
    if (codes.count(code)) {                                                                                           \
        filer->writeInt16(1070, code);                                                                                 \
        writeOverride(filer, m_##get);                                                                                 \
    }
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_OVERRIDE)
#undef ACDB_DIMVAR_OVERRIDE
}

bool AcDbDimStyleVariables::dxfInDimVariable(int code, const AcDbDxfGroup& value, AcDbDxfFiler* filer)
{
    switch (code) {
#define ACDB_DIMVAR_IN(KIND, get, Set, c, def)                                                                         \
    case c:                                                                                                            \
        readValue(value, filer, m_##get);                                                                              \
        return true;
        ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_IN)
#undef ACDB_DIMVAR_IN
    default:
        return false;
    }
}

std::set<int> AcDbDimStyleVariables::differingCodes(const AcDbDimStyleVariables& a, const AcDbDimStyleVariables& b)
{
    std::set<int> codes;
#define ACDB_DIMVAR_DIFF(KIND, get, Set, code, def)                                                                    \
    if (!(a.m_##get == b.m_##get))                                                                                     \
        codes.insert(code);
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_DIFF)
#undef ACDB_DIMVAR_DIFF
    return codes;
}
