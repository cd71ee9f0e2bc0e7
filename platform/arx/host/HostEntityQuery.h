// Finding entities of a database the way the editor's selection does: by handle, all of the
// drawing's spaces, and by a selection filter.
#pragma once

#include "AcDbObjectId.h"
#include "resbuf.h"

#include <string>
#include <vector>

class AcDbDatabase;
class AcDbEntity;

class HostEntityQuery {
public:
    // The live (not erased) entity with that hexadecimal handle, or the null id.
    static AcDbObjectId entityByHandle(AcDbDatabase* db, const std::wstring& hexHandle);
    // Every live entity of model space and of the paper-space layouts, in drawing order.
    static std::vector<AcDbObjectId> allEntities(AcDbDatabase* db);
    // Checks that the filter uses only the groups the selection understands (0, 8, 62);
    // false with the refused group code in `badCode`.
    static bool filterSupported(const resbuf* filter, int& badCode);
    static bool matches(AcDbEntity* entity, const resbuf* filter);
    // A name against a pattern list: ',' separates alternatives, '*' and '?' are wildcards,
    // case is ignored.
    static bool wildcardMatch(const std::wstring& name, const std::wstring& patterns);
};
