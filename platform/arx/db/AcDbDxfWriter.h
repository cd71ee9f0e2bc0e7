// Writes a whole database as ASCII DXF of the 2007 format (AC1021, UTF-8): header, classes,
// tables, blocks, entities and objects. Each object writes its own fields; this class only
// orders the sections and frames each record.
#pragma once

#include <string>

class AcDbDatabase;
class AcDbEntity;
class AcDbObject;
class AcDbDxfFiler;

class AcDbDxfWriter {
public:
    explicit AcDbDxfWriter(AcDbDatabase* db);

    std::string write();

private:
    void writeHeader(AcDbDxfFiler& f);
    void writeClasses(AcDbDxfFiler& f);
    void writeTables(AcDbDxfFiler& f);
    void writeBlocks(AcDbDxfFiler& f);
    void writeEntities(AcDbDxfFiler& f);
    void writeObjects(AcDbDxfFiler& f);
    // One record: its name, its fields, its extended data.
    void writeRecord(AcDbDxfFiler& f, const AcDbObject* obj);
    // An entity with the vertices it owns and their SEQEND.
    void writeEntity(AcDbDxfFiler& f, const AcDbEntity* ent);
    void writeEntitiesOf(AcDbDxfFiler& f, const AcDbObject* block);

    AcDbDatabase* mDb;
};
