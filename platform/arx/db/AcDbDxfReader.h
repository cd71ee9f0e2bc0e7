// Reads ASCII DXF (the subset the writer produces, and drawings made by other programs as far
// as they use it) into an empty database: objects keep their handles, so references and
// the handle seed stay as in the file.
#pragma once

#include "AcDbDxfFiler.h"
#include "AcadErrorStatus.h"

#include <map>
#include <string>
#include <vector>

class AcDbDatabase;
class AcDbObject;

class AcDbDxfReader {
public:
    explicit AcDbDxfReader(AcDbDatabase* db);

    Acad::ErrorStatus read(const std::string& text);
    // Splits DXF text into its groups; false when the text is not group pairs.
    static bool tokenize(const std::string& text, std::vector<AcDbDxfGroup>& groups);

private:
    // One record: its name and the groups after it, up to the next record.
    struct Record {
        std::wstring name;
        std::vector<AcDbDxfGroup> groups;
    };

    void splitRecords(const std::vector<AcDbDxfGroup>& groups);
    void readHeader(const std::vector<Record>& records);
    void readTables(const std::vector<Record>& records);
    void readBlocks(const std::vector<Record>& records);
    void readEntities(const std::vector<Record>& records);
    void readObjects(const std::vector<Record>& records);
    // Makes the object of a record under its handle and reads its fields and extended data.
    AcDbObject* readObject(const Record& record, AcDbObject* obj);
    AcDbObject* createFor(const Record& record) const;
    // An entity joins its block; vertices join their polyline.
    void readEntity(const Record& record, AcDbObjectId defaultBlock);
    void resolveHeader();

    AcDbDatabase* mDb;
    std::map<std::wstring, std::vector<Record>> mSections;
    std::map<std::wstring, std::vector<AcDbDxfGroup>> mHeader;
    AcDbObject* mOpenSequence = nullptr;
};
