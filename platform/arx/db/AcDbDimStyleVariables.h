// The dimension variables shared by dimension styles and dimensions: one list gives each
// variable's kind, accessor names, DXF group code and default, and every accessor, the DXF
// output and the copying are generated from it.
#pragma once

#include "AcCmColor.h"
#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcadErrorStatus.h"

#include <set>
#include <string>

class AcDbDatabase;
class AcDbDxfFiler;
struct AcDbDxfGroup;

// X(kind, getter, Setter, DXF code, default). Kinds: REAL, INT, BOOL, ID (a record: text
// style or arrow block), STR, LW (lineweight), CLR (colour index), CHAR (a character).
#define ACDB_DIMSTYLE_VARIABLES(X)                                                                                     \
    X(STR, dimpost, Dimpost, 3, L"")                                                                                   \
    X(STR, dimapost, Dimapost, 4, L"")                                                                                 \
    X(REAL, dimscale, Dimscale, 40, 1.0)                                                                               \
    X(REAL, dimasz, Dimasz, 41, 0.18)                                                                                  \
    X(REAL, dimexo, Dimexo, 42, 0.0625)                                                                                \
    X(REAL, dimdli, Dimdli, 43, 0.38)                                                                                  \
    X(REAL, dimexe, Dimexe, 44, 0.18)                                                                                  \
    X(REAL, dimrnd, Dimrnd, 45, 0.0)                                                                                   \
    X(REAL, dimdle, Dimdle, 46, 0.0)                                                                                   \
    X(REAL, dimtp, Dimtp, 47, 0.0)                                                                                     \
    X(REAL, dimtm, Dimtm, 48, 0.0)                                                                                     \
    X(REAL, dimtxt, Dimtxt, 140, 0.18)                                                                                 \
    X(REAL, dimcen, Dimcen, 141, 0.09)                                                                                 \
    X(REAL, dimtsz, Dimtsz, 142, 0.0)                                                                                  \
    X(REAL, dimaltf, Dimaltf, 143, 25.4)                                                                               \
    X(REAL, dimlfac, Dimlfac, 144, 1.0)                                                                                \
    X(REAL, dimtvp, Dimtvp, 145, 0.0)                                                                                  \
    X(REAL, dimtfac, Dimtfac, 146, 1.0)                                                                                \
    X(REAL, dimgap, Dimgap, 147, 0.09)                                                                                 \
    X(REAL, dimaltrnd, Dimaltrnd, 148, 0.0)                                                                            \
    X(BOOL, dimtol, Dimtol, 71, false)                                                                                 \
    X(BOOL, dimlim, Dimlim, 72, false)                                                                                 \
    X(BOOL, dimtih, Dimtih, 73, true)                                                                                  \
    X(BOOL, dimtoh, Dimtoh, 74, true)                                                                                  \
    X(BOOL, dimse1, Dimse1, 75, false)                                                                                 \
    X(BOOL, dimse2, Dimse2, 76, false)                                                                                 \
    X(INT, dimtad, Dimtad, 77, 0)                                                                                      \
    X(INT, dimzin, Dimzin, 78, 0)                                                                                      \
    X(INT, dimazin, Dimazin, 79, 0)                                                                                    \
    X(BOOL, dimalt, Dimalt, 170, false)                                                                                \
    X(INT, dimaltd, Dimaltd, 171, 2)                                                                                   \
    X(BOOL, dimtofl, Dimtofl, 172, false)                                                                              \
    X(BOOL, dimsah, Dimsah, 173, false)                                                                                \
    X(BOOL, dimtix, Dimtix, 174, false)                                                                                \
    X(BOOL, dimsoxd, Dimsoxd, 175, false)                                                                              \
    X(CLR, dimclrd, Dimclrd, 176, 0)                                                                                   \
    X(CLR, dimclre, Dimclre, 177, 0)                                                                                   \
    X(CLR, dimclrt, Dimclrt, 178, 0)                                                                                   \
    X(INT, dimadec, Dimadec, 179, 0)                                                                                   \
    X(INT, dimdec, Dimdec, 271, 4)                                                                                     \
    X(INT, dimtdec, Dimtdec, 272, 4)                                                                                   \
    X(INT, dimaltu, Dimaltu, 273, 2)                                                                                   \
    X(INT, dimalttd, Dimalttd, 274, 2)                                                                                 \
    X(INT, dimaunit, Dimaunit, 275, 0)                                                                                 \
    X(INT, dimfrac, Dimfrac, 276, 0)                                                                                   \
    X(INT, dimlunit, Dimlunit, 277, 2)                                                                                 \
    X(CHAR, dimdsep, Dimdsep, 278, L'.')                                                                               \
    X(INT, dimtmove, Dimtmove, 279, 0)                                                                                 \
    X(INT, dimjust, Dimjust, 280, 0)                                                                                   \
    X(BOOL, dimsd1, Dimsd1, 281, false)                                                                                \
    X(BOOL, dimsd2, Dimsd2, 282, false)                                                                                \
    X(INT, dimtolj, Dimtolj, 283, 1)                                                                                   \
    X(INT, dimtzin, Dimtzin, 284, 0)                                                                                   \
    X(INT, dimaltz, Dimaltz, 285, 0)                                                                                   \
    X(INT, dimalttz, Dimalttz, 286, 0)                                                                                 \
    X(BOOL, dimupt, Dimupt, 288, false)                                                                                \
    X(INT, dimatfit, Dimatfit, 289, 3)                                                                                 \
    X(ID, dimtxsty, Dimtxsty, 340, AcDbObjectId())                                                                     \
    X(ID, dimldrblk, Dimldrblk, 341, AcDbObjectId())                                                                   \
    X(ID, dimblk, Dimblk, 342, AcDbObjectId())                                                                         \
    X(ID, dimblk1, Dimblk1, 343, AcDbObjectId())                                                                       \
    X(ID, dimblk2, Dimblk2, 344, AcDbObjectId())                                                                       \
    X(LW, dimlwd, Dimlwd, 371, AcDb::kLnWtByBlock)                                                                     \
    X(LW, dimlwe, Dimlwe, 372, AcDb::kLnWtByBlock)

#define ACDB_DIMVAR_TYPE_REAL double
#define ACDB_DIMVAR_TYPE_INT int
#define ACDB_DIMVAR_TYPE_BOOL bool
#define ACDB_DIMVAR_TYPE_ID AcDbObjectId
#define ACDB_DIMVAR_TYPE_STR std::wstring
#define ACDB_DIMVAR_TYPE_LW AcDb::LineWeight
#define ACDB_DIMVAR_TYPE_CLR int
#define ACDB_DIMVAR_TYPE_CHAR ACHAR

#define ACDB_DIMVAR_GET_REAL(v) v
#define ACDB_DIMVAR_GET_INT(v) v
#define ACDB_DIMVAR_GET_BOOL(v) v
#define ACDB_DIMVAR_GET_ID(v) v
#define ACDB_DIMVAR_GET_STR(v) v.c_str()
#define ACDB_DIMVAR_GET_LW(v) v
#define ACDB_DIMVAR_GET_CLR(v) colorOf(v)
#define ACDB_DIMVAR_GET_CHAR(v) v

#define ACDB_DIMVAR_ARG_REAL double
#define ACDB_DIMVAR_ARG_INT int
#define ACDB_DIMVAR_ARG_BOOL bool
#define ACDB_DIMVAR_ARG_ID AcDbObjectId
#define ACDB_DIMVAR_ARG_STR const ACHAR*
#define ACDB_DIMVAR_ARG_LW AcDb::LineWeight
#define ACDB_DIMVAR_ARG_CLR const AcCmColor&
#define ACDB_DIMVAR_ARG_CHAR ACHAR

#define ACDB_DIMVAR_RET_REAL double
#define ACDB_DIMVAR_RET_INT int
#define ACDB_DIMVAR_RET_BOOL bool
#define ACDB_DIMVAR_RET_ID AcDbObjectId
#define ACDB_DIMVAR_RET_STR const ACHAR*
#define ACDB_DIMVAR_RET_LW AcDb::LineWeight
#define ACDB_DIMVAR_RET_CLR AcCmColor
#define ACDB_DIMVAR_RET_CHAR ACHAR

#define ACDB_DIMVAR_SET_REAL(v) v
#define ACDB_DIMVAR_SET_INT(v) v
#define ACDB_DIMVAR_SET_BOOL(v) v
#define ACDB_DIMVAR_SET_ID(v) v
#define ACDB_DIMVAR_SET_STR(v) std::wstring((v) ? (v) : L"")
#define ACDB_DIMVAR_SET_LW(v) v
#define ACDB_DIMVAR_SET_CLR(v) static_cast<int>((v).colorIndex())
#define ACDB_DIMVAR_SET_CHAR(v) v

class AcDbDimStyleVariables {
public:
    AcDbDimStyleVariables() = default;
    AcDbDimStyleVariables(const AcDbDimStyleVariables&) = default;
    AcDbDimStyleVariables& operator=(const AcDbDimStyleVariables&) = default;
    virtual ~AcDbDimStyleVariables() = default;

#define ACDB_DIMVAR_ACCESSORS(KIND, get, Set, code, def)                                                               \
    ACDB_DIMVAR_RET_##KIND get() const                                                                                 \
    {                                                                                                                  \
        return ACDB_DIMVAR_GET_##KIND(m_##get);                                                                        \
    }                                                                                                                  \
    Acad::ErrorStatus set##Set(ACDB_DIMVAR_ARG_##KIND v)                                                               \
    {                                                                                                                  \
        if (Acad::ErrorStatus es = dimVarWritable(); es != Acad::eOk)                                                  \
            return es;                                                                                                 \
        m_##get = ACDB_DIMVAR_SET_##KIND(v);                                                                           \
        dimVarChanged(code);                                                                                           \
        return Acad::eOk;                                                                                              \
    }
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_ACCESSORS)
#undef ACDB_DIMVAR_ACCESSORS

    // Arrow blocks by name: "" or "." is the closed filled arrow (no block); another name
    // must be a block of the database (eKeyNotFound otherwise).
    Acad::ErrorStatus setDimblk(const ACHAR* name);
    Acad::ErrorStatus setDimblk1(const ACHAR* name);
    Acad::ErrorStatus setDimblk2(const ACHAR* name);
    Acad::ErrorStatus setDimldrblk(const ACHAR* name);

    // Every variable's value from another set.
    void copyDimVariables(const AcDbDimStyleVariables& other);
    // The listed variables' values from another set.
    void copyDimVariables(const AcDbDimStyleVariables& other, const std::set<int>& codes);
    // Writes every variable as a DIMSTYLE group (records only where one is set).
    void dxfOutDimVariables(AcDbDxfFiler* filer) const;
    // Writes the listed variables as "1070 code, value" pairs of the DSTYLE extended data.
    void dxfOutDimOverrides(AcDbDxfFiler* filer, const std::set<int>& codes) const;
    // Takes a DIMSTYLE group (or an override's value group); false for a code of no variable.
    bool dxfInDimVariable(int code, const AcDbDxfGroup& value, AcDbDxfFiler* filer);
    // The codes whose values differ between two sets.
    static std::set<int> differingCodes(const AcDbDimStyleVariables& a, const AcDbDimStyleVariables& b);

protected:
    virtual Acad::ErrorStatus dimVarWritable() const
    {
        return Acad::eOk;
    }
    virtual void dimVarChanged(int code)
    {
        (void)code;
    }
    // The database in which arrow-block names are looked up.
    virtual AcDbDatabase* dimVarDatabase() const = 0;

private:
    static AcCmColor colorOf(int index);
    Acad::ErrorStatus arrowBlockId(const ACHAR* name, AcDbObjectId& id) const;

#define ACDB_DIMVAR_MEMBER(KIND, get, Set, code, def) ACDB_DIMVAR_TYPE_##KIND m_##get = def;
    ACDB_DIMSTYLE_VARIABLES(ACDB_DIMVAR_MEMBER)
#undef ACDB_DIMVAR_MEMBER
};
