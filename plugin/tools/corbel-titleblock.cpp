// Writes the system's title-block drawing (Support/tk.dxf): an A3 sheet of 420 x 297 with a
// binding margin on the left, its inner frame and the title table at the lower right. Its
// origin is the insertion point, 20 left of the sheet origin of the drawing classes, whose
// drawing area of 380 x 277 it frames. Usage: corbel-titleblock FILE.dxf
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "AcDbTextStyleTableRecord.h"

#include <cstdio>
#include <string>

namespace {

// Sheet (outer border), inner frame and title table, in the drawing's own coordinates.
constexpr double kSheetLeft = -10.0, kSheetBottom = -10.0, kSheetWidth = 420.0, kSheetHeight = 297.0;
constexpr double kBinding = 25.0, kMargin = 5.0;
constexpr double kTableWidth = 220.0, kRowHeight = 10.0;
constexpr int kRows = 3;
constexpr int kColumnCount = 8;
// Column widths of the title table: caption, value, caption, value, ... The drawing writes the
// title, the scale, the skew and the sheet numbers into the value cells (CGLGZ_CapDraw).
constexpr double kColumns[kColumnCount] = { 20.0, 70.0, 15.0, 25.0, 15.0, 35.0, 15.0, 25.0 };
// Captions by row (top first) and caption column; a value cell follows each.
const wchar_t* const kCaptions[kRows][kColumnCount / 2] = {
    { L"工程名称", L"设计", L"日期", L"斜交角" },
    { L"图名", L"复核", L"比例", L"张数" },
    { L"图号", L"审核", L"版次", L"张次" },
};

class Writer {
public:
    explicit Writer(AcDbDatabase& db)
        : mDb(db)
    {
    }

    bool ok() const { return mOk; }

    AcDbObjectId textStyle()
    {
        AcDbTextStyleTable* table = nullptr;
        AcDbObjectId id;
        if (mDb.getTextStyleTable(table, AcDb::kForWrite) != Acad::eOk)
            return fail();
        auto* style = new AcDbTextStyleTableRecord();
        style->setName(L"TK");
        style->setFileName(L"fsdb_e.shx");
        style->setBigFontFileName(L"fsdb.shx");
        style->setXScale(0.8);
        if (table->add(id, style) != Acad::eOk) {
            delete style;
            table->close();
            return fail();
        }
        style->close();
        table->close();
        return id;
    }

    void rectangle(double x0, double y0, double x1, double y1, AcDb::LineWeight weight)
    {
        auto* pl = new AcDbPolyline();
        pl->addVertexAt(0, AcGePoint2d(x0, y0));
        pl->addVertexAt(1, AcGePoint2d(x1, y0));
        pl->addVertexAt(2, AcGePoint2d(x1, y1));
        pl->addVertexAt(3, AcGePoint2d(x0, y1));
        pl->setClosed(true);
        pl->setLineWeight(weight);
        append(pl);
    }

    void line(double x0, double y0, double x1, double y1, AcDb::LineWeight weight)
    {
        auto* ln = new AcDbLine(AcGePoint3d(x0, y0, 0.0), AcGePoint3d(x1, y1, 0.0));
        ln->setLineWeight(weight);
        append(ln);
    }

    void text(double x, double y, const wchar_t* s, AcDbObjectId style, double height)
    {
        auto* t = new AcDbText(AcGePoint3d(x, y, 0.0), s, style, height, 0.0);
        t->setWidthFactor(0.8);
        t->setHorizontalMode(AcDb::kTextMid);
        t->setVerticalMode(AcDb::kTextVertMid);
        t->setAlignmentPoint(AcGePoint3d(x, y, 0.0));
        append(t);
    }

private:
    AcDbObjectId fail()
    {
        mOk = false;
        return AcDbObjectId::kNull;
    }

    void append(AcDbEntity* ent)
    {
        AcDbBlockTableRecord* ms = nullptr;
        AcDbObjectId id;
        if (acdbOpenObject(ms, mDb.modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
            delete ent;
            mOk = false;
            return;
        }
        ent->setLayer(L"0");
        if (ms->appendAcDbEntity(id, ent) == Acad::eOk)
            ent->close();
        else {
            delete ent;
            mOk = false;
        }
        ms->close();
    }

    AcDbDatabase& mDb;
    bool mOk = true;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: corbel-titleblock FILE.dxf\n");
        return 2;
    }
    AcDbDatabase db(true, true);
    Writer w(db);
    const AcDbObjectId style = w.textStyle();

    // The sheet and its inner frame, binding margin on the left.
    const double right = kSheetLeft + kSheetWidth;
    const double top = kSheetBottom + kSheetHeight;
    w.rectangle(kSheetLeft, kSheetBottom, right, top, AcDb::kLnWt025);
    const double innerLeft = kSheetLeft + kBinding;
    const double innerRight = right - kMargin;
    const double innerBottom = kSheetBottom + kMargin;
    const double innerTop = top - kMargin;
    w.rectangle(innerLeft, innerBottom, innerRight, innerTop, AcDb::kLnWt070);

    // The title table in the lower right corner of the inner frame.
    const double tableLeft = innerRight - kTableWidth;
    const double tableTop = innerBottom + kRows * kRowHeight;
    w.rectangle(tableLeft, innerBottom, innerRight, tableTop, AcDb::kLnWt050);
    for (int r = 1; r < kRows; ++r)
        w.line(tableLeft, innerBottom + r * kRowHeight, innerRight, innerBottom + r * kRowHeight, AcDb::kLnWt025);
    double x = tableLeft;
    for (int c = 0; c < kColumnCount - 1; ++c) {
        x += kColumns[c];
        w.line(x, innerBottom, x, tableTop, AcDb::kLnWt025);
    }
    for (int r = 0; r < kRows; ++r) {
        const double y = tableTop - (r + 0.5) * kRowHeight;
        double left = tableLeft;
        for (int c = 0; c < kColumnCount; ++c) {
            if (c % 2 == 0)
                w.text(left + kColumns[c] / 2.0, y, kCaptions[r][c / 2], style, 3.5);
            left += kColumns[c];
        }
    }
    if (!w.ok()) {
        std::fprintf(stderr, "corbel-titleblock: the drawing cannot be built\n");
        return 1;
    }
    const std::string path = argv[1];
    if (db.saveAs(std::wstring(path.begin(), path.end()).c_str()) != Acad::eOk) {
        std::fprintf(stderr, "corbel-titleblock: %s cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
