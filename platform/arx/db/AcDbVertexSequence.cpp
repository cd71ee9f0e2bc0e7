// Vertices take the polyline's layer, colour and linetype, as the format expects of them.
#include "AcDbVertexSequence.h"

#include "AcDbDatabase.h"
#include "AcDbEntity.h"

Acad::ErrorStatus AcDbVertexSequence::append(AcDbEntity* owner, AcDbEntity* vertex, AcDbObjectId& vertexId)
{
    if (vertex == nullptr)
        return Acad::eNullObjectPointer;
    if (vertex->isDatabaseResident())
        return Acad::eAlreadyInDb;
    if (owner->isDatabaseResident() && !owner->isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!owner->isDatabaseResident()) {
        mPending.emplace_back(vertex);
        vertexId.setNull();
        return Acad::eOk;
    }
    if (Acad::ErrorStatus es = owner->database()->addAcDbObject(vertexId, vertex); es != Acad::eOk)
        return es;
    vertex->setOwnerId(owner->objectId());
    owner->copyEntityPropertiesTo(vertex);
    mIds.push_back(vertexId);
    return Acad::eOk;
}

void AcDbVertexSequence::makeResident(AcDbEntity* owner)
{
    for (std::unique_ptr<AcDbEntity>& v : mPending) {
        AcDbObjectId id;
        AcDbEntity* vertex = v.release();
        owner->database()->addAcDbObject(id, vertex);
        vertex->setOwnerId(owner->objectId());
        owner->copyEntityPropertiesTo(vertex);
        vertex->close();
        mIds.push_back(id);
    }
    mPending.clear();
    if (mSeqEnd.isNull())
        mSeqEnd = owner->database()->allocateHandle();
}

std::vector<std::pair<AcDbObjectId, AcDbEntity*>> AcDbVertexSequence::items() const
{
    std::vector<std::pair<AcDbObjectId, AcDbEntity*>> out;
    for (const auto& v : mPending)
        out.emplace_back(AcDbObjectId(), v.get());
    for (const AcDbObjectId& id : mIds)
        if (auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id)); ent && !ent->isErased())
            out.emplace_back(id, ent);
    return out;
}

std::vector<AcDbEntity*> AcDbVertexSequence::vertices() const
{
    std::vector<AcDbEntity*> out;
    for (const auto& [id, ent] : items())
        out.push_back(ent);
    return out;
}

void AcDbVertexSequence::appendIds(AcDbObjectIdArray& ids) const
{
    for (const auto& [id, ent] : items())
        if (!id.isNull())
            ids.append(id);
}

void AcDbVertexSequence::eraseAll()
{
    for (const AcDbObjectId& id : mIds) {
        AcDbObject* v = AcDbDatabase::peek(id);
        if (v != nullptr && v->openFor(AcDb::kForWrite, false) == Acad::eOk) {
            v->erase();
            v->close();
        }
    }
}
