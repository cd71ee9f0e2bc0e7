// The items a drawing sets on its sheets (views, tables, details, notes, title texts) and the
// entities of each, so that their places can be checked against the sheets and each other. An
// item begun takes every entity drawn until the next one begins, and an item begun again by its
// name takes more; an item given by its ids (a bar detail) takes those out of the item they
// were drawn in. An item without a name holds
// what belongs to no single item (a cut through several views, the masks behind labels).
#pragma once

#include "AcDbHandle.h"
#include "AcDbObjectId.h"
#include "CString.h"

#include <vector>

class DrawnItems {
public:
    struct Item {
        CString name;
        AcDbObjectIdArray ids;
    };

    // The entities drawn from now on, until the next item begins, belong to this item.
    void BeginItem(const CString& name);
    // An item of its own for these entities.
    void AddItem(const CString& name, const AcDbObjectIdArray& ids);
    // The items with the model-space entities of each.
    std::vector<Item> Collect() const;

private:
    struct Start {
        CString name;
        AcDbHandle from;
    };
    std::vector<Start> m_starts;
    std::vector<Item> m_given;
};
