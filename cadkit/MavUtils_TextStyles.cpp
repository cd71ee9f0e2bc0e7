// Text styles made or updated and made current, text masks (a wipeout under a text in the
// draw order) and the command that hides the frames of all wipeouts.
#include "MavUtils.h"

#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "aced.h"

namespace {

constexpr int kTrueTypeFont = 1;
constexpr int kShapeFont = 2;
constexpr int kCharsetGB2312 = 134;
constexpr int kPitchAndFamily = 2;
// The font arguments' own word for "no font given"; compared exactly.
const wchar_t* const kNoFont = L"NULL";

void setTextStyleFonts(AcDbTextStyleTableRecord* pStyle, int fontKind, double textSize, double xScale,
    const CString& font, const CString& bigFont)
{
    if (fontKind == kTrueTypeFont) {
        if (font != kNoFont)
            pStyle->setFont(font, false, false, kCharsetGB2312, kPitchAndFamily);
    } else if (fontKind == kShapeFont) {
        if (font != kNoFont && bigFont != kNoFont) {
            pStyle->setFileName(font);
            pStyle->setBigFontFileName(bigFont);
            pStyle->setXScale(xScale);
            pStyle->setTextSize(textSize);
        }
    }
}

} // namespace

AcDbObjectId MavUtils::createNewTextStyle(
    CString name, int fontKind, double textSize, double xScale, CString font, CString bigFont)
{
    // 1. The text style table of the working database, for write; without it there is no
    // style to find or add.
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    AcDbTextStyleTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getTextStyleTable(pTable, AcDb::kForWrite) != Acad::eOk)
        return AcDbObjectId::kNull;
    // 2. The live record of that name, or a new one.
    AcDbObjectId styleId;
    AcDbTextStyleTableRecord* pStyle = nullptr;
    const bool exists = pTable->has(name);
    if (exists) {
        if (pTable->getAt(name, pStyle, AcDb::kForWrite, false) == Acad::eOk)
            styleId = pStyle->objectId();
    } else {
        pStyle = new AcDbTextStyleTableRecord();
        if (pStyle->setName(name) != Acad::eOk) {
            delete pStyle;
            pStyle = nullptr;
        }
    }
    // 3. Fonts by kind.
    if (pStyle != nullptr)
        setTextStyleFonts(pStyle, fontKind, textSize, xScale, font, bigFont);
    // 4. A new record joins the table, which gives its id.
    if (!exists && pStyle != nullptr && pTable->add(styleId, pStyle) != Acad::eOk) {
        delete pStyle;
        pStyle = nullptr;
    }
    // 5. Close both and make the style current.
    pTable->close();
    if (pStyle != nullptr)
        pStyle->close();
    if (!styleId.isNull())
        pDb->setTextstyle(styleId);
    return styleId;
}

Acad::ErrorStatus MavUtils::createMaskForAcDbText(AcDbObjectId& maskId, const AcDbObjectId& textId)
{
    // 1. The wipeout support.
    if (prepareWipeout() != Acad::eOk) {
        acutPrintf(L"\n无法加载wipeout.arx程序以实现遮掩功能！");
        return Acad::eOk;
    }
    // 2. The box of the text; only an opened single-line text has one.
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = openEntWithID(textId, AcDb::kForRead, pEnt);
    if (es != Acad::eOk)
        return es;
    const AcDbText* pText = AcDbText::cast(pEnt);
    if (pText == nullptr) {
        pEnt->close();
        return Acad::eInvalidInput;
    }
    AcArray<AcGePoint3d> corners;
    cornerPoint(pText, corners);
    pEnt->close();
    // 3. The wipeout over the box. A host without the wipeout class makes none and answers
    // success: that is no mask, and nothing may go to the top of the draw order.
    AcDbObjectId newMask;
    es = createAcDbRasterImage(newMask, corners);
    if (es != Acad::eOk)
        return es;
    if (newMask.isNull())
        return Acad::eNotApplicable;
    maskId = newMask;
    // 4. The mask on top, the text just above it, the display redrawn.
    sendTop(maskId);
    sendAbove(textId, maskId);
    refreshDisplay();
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::prepareWipeout() { return Acad::eOk; }

void MavUtils::wipeoutFrameOff()
{
    resbuf* saved = nullptr;
    resbuf* zero = nullptr;
    echoStart(saved, zero);
    acedCommand(RTSTR, L"wipeout", RTSTR, L"F", RTSTR, L"OFF", 0);
    echoEnt(saved, zero);
}
