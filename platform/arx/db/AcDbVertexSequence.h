// The vertices of a 2-D or 3-D polyline: owned by the polyline until it joins a database,
// then objects of their own owned by it, and closed in DXF by a SEQEND record.
#pragma once

#include "AcDbObjectIterator.h"
#include "AcadErrorStatus.h"

#include <memory>
#include <vector>

class AcDbEntity;

class AcDbVertexSequence {
public:
    // Appends a new vertex; in a database it becomes an object owned by the polyline, left
    // open for write as new objects are. The owner must be open for write.
    Acad::ErrorStatus append(AcDbEntity* owner, AcDbEntity* vertex, AcDbObjectId& vertexId);
    // Moves the pending vertices into the owner's database.
    void makeResident(AcDbEntity* owner);
    // The live vertices in order.
    std::vector<AcDbEntity*> vertices() const;
    std::vector<std::pair<AcDbObjectId, AcDbEntity*>> items() const;
    void appendIds(AcDbObjectIdArray& ids) const;
    // For the DXF reader: a vertex read from a file.
    void appendRead(AcDbObjectId id) { mIds.push_back(id); }
    // Erases every resident vertex (the polyline is being replaced).
    void eraseAll();
    AcDbHandle sequenceEndHandle() const { return mSeqEnd; }
    void setSequenceEndHandle(AcDbHandle h) { mSeqEnd = h; }

private:
    std::vector<std::unique_ptr<AcDbEntity>> mPending;
    std::vector<AcDbObjectId> mIds;
    AcDbHandle mSeqEnd;
};
