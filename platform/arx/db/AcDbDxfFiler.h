// Reads and writes the group-code/value pairs of one object's DXF data. Each database class
// writes and reads its own subclass data through it (dxfOutFields / dxfInFields), so the
// group codes of a class are known in one place only.
#pragma once

#include "AcDbObjectId.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"
#include "Adesk.h"

#include <map>
#include <cmath>
#include <string>
#include <vector>

class AcDbDatabase;

// One group as read from a file: the code and the value text (UTF-8, as in the file).
struct AcDbDxfGroup {
    int code = 0;
    std::string value;

    int asInt() const;
    double asDouble() const;
    std::wstring asString() const;
    AcDbHandle asHandle() const { return AcDbHandle(value.c_str()); }
    // The value as one of an enumeration's values from lowest to highest; any other number,
    // which only a damaged file holds, reads as the fallback.
    template <class Enum> Enum asEnum(int lowest, int highest, Enum fallback) const
    {
        const int v = asInt();
        return v >= lowest && v <= highest ? static_cast<Enum>(v) : fallback;
    }
};

class AcDbDxfFiler {
public:
    // A writer appending to out.
    AcDbDxfFiler(AcDbDatabase* db, std::string& out);
    // A reader over the groups of one object, after its record name.
    AcDbDxfFiler(AcDbDatabase* db, const std::vector<AcDbDxfGroup>& groups);

    bool isWriting() const { return mOut != nullptr; }
    // For copying between databases: handles read are translated through the map, and a
    // handle not in it reads as the null id.
    void setHandleMap(const std::map<Adesk::UInt64, AcDbStub*>* map) { mHandleMap = map; }
    AcDbDatabase* database() const { return mDatabase; }

    // Writing.
    void writeString(int code, const std::wstring& value);
    void writeString(int code, const ACHAR* value) { writeString(code, std::wstring(value ? value : L"")); }
    void writeRawString(int code, const std::string& utf8);
    void writeInt16(int code, int value);
    void writeInt32(int code, long long value);
    void writeBool(int code, bool value) { writeInt16(code, value ? 1 : 0); }
    void writeDouble(int code, double value);
    void writeAngle(int code, double radians);
    void writePoint2d(int code, const AcGePoint2d& p);
    void writePoint3d(int code, const AcGePoint3d& p);
    void writeVector3d(int code, const AcGeVector3d& v);
    void writeHandle(int code, const AcDbHandle& h);
    // The handle of the object the id names, "0" for the null id.
    void writeObjectId(int code, const AcDbObjectId& id);
    void writeSubclass(const ACHAR* name) { writeString(100, name); }

    // Reading: the next group, or false at the end of the object's data.
    bool readGroup(AcDbDxfGroup& group);
    // Gives the group just read back to the next readGroup.
    void pushBackItem();
    bool atEOF() const { return mPos >= mGroups->size(); }
    // Consumes the subclass marker when the next group is "100 name".
    bool atSubclassData(const ACHAR* name);
    // Reads the Y and Z groups that follow an X group (codes +10 and +20); a missing one is 0.
    AcGePoint3d readPoint3d(const AcDbDxfGroup& xGroup);
    AcGePoint2d readPoint2d(const AcDbDxfGroup& xGroup);
    AcGeVector3d readVector3d(const AcDbDxfGroup& xGroup) { return readPoint3d(xGroup).asVector(); }
    // The id of the handle in the group's value, in the database being read (made on first use).
    AcDbObjectId readObjectId(const AcDbDxfGroup& group);
    double readAngle(const AcDbDxfGroup& group) const;
    // Hands each group of the current subclass to fn, up to the next subclass marker.
    template <class Fn> void readSubclass(Fn&& fn)
    {
        AcDbDxfGroup g;
        while (readGroup(g)) {
            if (g.code == 100) {
                pushBackItem();
                return;
            }
            fn(g);
        }
    }

    // Formatting used by the writer, shared with the header writer.
    static std::string formatDouble(double value);
    // The value a real reads back as from its field: itself, but zero for zero of either sign
    // and for what is not finite.
    static double filedDouble(double value) { return std::isfinite(value) && value != 0.0 ? value : 0.0; }

private:
    void writeLine(int code, const std::string& value);

    AcDbDatabase* mDatabase;
    std::string* mOut = nullptr;
    const std::vector<AcDbDxfGroup>* mGroups = nullptr;
    const std::map<Adesk::UInt64, AcDbStub*>* mHandleMap = nullptr;
    std::size_t mPos = 0;
};
