// Each test starts as a host test does (see HostFixture.h): a new drawing, an empty transcript
// that echoes nowhere, the host's variables at their defaults, message boxes scripted and logged.
#pragma once

#include "AcDbEntity.h"
#include "HostFixture.h"

class CadkitFixture : public HostFixture {
protected:
    // Adds the entity to model space with the drawing's defaults and closes it; returns its id.
    static AcDbObjectId add(AcDbEntity* ent)
    {
        ent->setDatabaseDefaults(db());
        return HostFixture::add(ent);
    }
};
