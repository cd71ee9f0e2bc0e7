// -LAYER as a script drives it: option and answer pairs until Enter. Name lists are
// comma-separated with wildcards; Enter for a name list means the current layer.
#include "HostCommandInterpreter.h"

#include "AcCmColor.h"
#include "AcDbDatabase.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbServices.h"
#include "HostEntityQuery.h"

#include <algorithm>
#include <cwchar>
#include <functional>
#include <iterator>
#include <map>

namespace {

const std::map<std::wstring, int> kColourNames = {
    {L"RED", 1}, {L"YELLOW", 2}, {L"GREEN", 3}, {L"CYAN", 4}, {L"BLUE", 5}, {L"MAGENTA", 6}, {L"WHITE", 7},
};

const int kLineWeights[] = {0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

std::wstring formatMm(double mm)
{
    wchar_t buf[64];
    std::swprintf(buf, 64, L"%g", mm);
    return buf;
}

} // namespace

int HostCommandInterpreter::layer()
{
    // The layers a name list names; a new name is refused where the option needs existing ones.
    auto named = [this](const std::wstring& list) {
        std::vector<AcDbObjectId> ids;
        const std::wstring patterns = list.empty() ? AcDbDatabase::symbolName(mDb->clayer()) : list;
        AcDbLayerTable* table = nullptr;
        if (mDb->getLayerTable(table, AcDb::kForRead) != Acad::eOk)
            fail(L"the layer table cannot be opened.");
        for (const AcDbObjectId& id : table->recordIds()) {
            if (!id.isErased() && HostEntityQuery::wildcardMatch(AcDbDatabase::symbolName(id), patterns))
                ids.push_back(id);
        }
        table->close();
        if (ids.empty())
            fail(L"no layer matches \"" + patterns + L"\".");
        return ids;
    };
    auto forEach = [&](const std::wstring& list, const std::function<void(AcDbLayerTableRecord*)>& change) {
        for (const AcDbObjectId& id : named(list)) {
            AcDbLayerTableRecord* rec = nullptr;
            if (acdbOpenObject(rec, id, AcDb::kForWrite) != Acad::eOk)
                fail(L"layer \"" + AcDbDatabase::symbolName(id) + L"\" cannot be opened.");
            change(rec);
            rec->close();
        }
    };
    auto create = [this](const std::wstring& name) {
        AcDbObjectId id = mDb->symbolId(mDb->layerTableId(), name.c_str());
        if (!id.isNull())
            return id;
        AcDbLayerTable* table = nullptr;
        if (mDb->getLayerTable(table, AcDb::kForWrite) != Acad::eOk)
            fail(L"the layer table cannot be opened.");
        auto* rec = new AcDbLayerTableRecord();
        Acad::ErrorStatus es = rec->setName(name.c_str());
        if (es == Acad::eOk)
            es = table->add(id, rec);
        table->close();
        if (es != Acad::eOk) {
            delete rec;
            fail(L"layer \"" + name + L"\" cannot be made (" + acadErrorStatusText(es) + L").");
        }
        rec->close();
        return id;
    };

    while (!atEnd()) {
        const std::wstring option = nextWord(L"layer option");
        if (option.empty())
            break;
        if (option == L"M" || option == L"MAKE") {
            const std::wstring name = nextText(L"layer name");
            mDb->setClayer(create(name));
        } else if (option == L"N" || option == L"NEW") {
            const std::wstring list = nextText(L"layer names");
            std::size_t start = 0;
            for (;;) {
                const std::size_t comma = list.find(L',', start);
                const std::wstring name = list.substr(start, comma == std::wstring::npos ? comma : comma - start);
                if (!name.empty())
                    create(name);
                if (comma == std::wstring::npos)
                    break;
                start = comma + 1;
            }
        } else if (option == L"S" || option == L"SET") {
            const std::wstring name = nextText(L"layer name");
            const AcDbObjectId id = mDb->symbolId(mDb->layerTableId(), name.c_str());
            if (id.isNull())
                fail(L"cannot find layer \"" + name + L"\".");
            mDb->setClayer(id);
        } else if (option == L"ON" || option == L"OFF") {
            const bool off = option == L"OFF";
            forEach(nextText(L"layer names"), [off](AcDbLayerTableRecord* r) { r->setIsOff(off); });
        } else if (option == L"F" || option == L"FREEZE" || option == L"T" || option == L"THAW") {
            const bool freeze = option[0] == L'F';
            const AcDbObjectId current = mDb->clayer();
            forEach(nextText(L"layer names"), [&](AcDbLayerTableRecord* r) {
                if (!(freeze && r->objectId() == current))
                    r->setIsFrozen(freeze);
            });
        } else if (option == L"LO" || option == L"LOCK" || option == L"U" || option == L"UNLOCK") {
            const bool lock = option[0] == L'L';
            forEach(nextText(L"layer names"), [lock](AcDbLayerTableRecord* r) { r->setIsLocked(lock); });
        } else if (option == L"C" || option == L"COLOR") {
            const std::wstring colourText = nextWord(L"colour");
            int index = 0;
            if (const auto it = kColourNames.find(colourText); it != kColourNames.end())
                index = it->second;
            else
                index = static_cast<int>(std::wcstol(colourText.c_str(), nullptr, 10));
            if (index < 1 || index > 255)
                fail(L"\"" + colourText + L"\" is not a colour number 1 to 255 or a colour name.");
            AcCmColor colour;
            colour.setColorIndex(static_cast<Adesk::UInt16>(index));
            forEach(nextText(L"layer names"), [&](AcDbLayerTableRecord* r) { r->setColor(colour); });
        } else if (option == L"L" || option == L"LTYPE") {
            const std::wstring name = nextText(L"linetype name");
            const AcDbObjectId lt = mDb->symbolId(mDb->linetypeTableId(), name.c_str());
            if (lt.isNull())
                fail(L"linetype \"" + name + L"\" is not loaded.");
            forEach(nextText(L"layer names"), [&](AcDbLayerTableRecord* r) { r->setLinetypeObjectId(lt); });
        } else if (option == L"LW" || option == L"LWEIGHT") {
            const double mm = nextReal(L"lineweight in millimetres");
            const auto weight = static_cast<AcDb::LineWeight>(static_cast<int>(mm * 100.0 + 0.5));
            if (std::find(std::begin(kLineWeights), std::end(kLineWeights), weight) == std::end(kLineWeights))
                fail(L"lineweight " + formatMm(mm) + L" mm is not a standard lineweight.");
            forEach(nextText(L"layer names"), [&](AcDbLayerTableRecord* r) { r->setLineWeight(weight); });
        } else if (option == L"P" || option == L"PLOT") {
            const std::wstring plot = nextWord(L"Plot or No plot");
            const bool plottable = plot == L"P" || plot == L"PLOT";
            if (!plottable && plot != L"N" && plot != L"NO")
                fail(L"\"" + plot + L"\" is neither Plot nor No plot.");
            forEach(nextText(L"layer names"), [&](AcDbLayerTableRecord* r) { r->setIsPlottable(plottable); });
        } else {
            fail(L"option \"" + option + L"\" is not supported.");
        }
    }
    return RTNORM;
}
