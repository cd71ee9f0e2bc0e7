// DXF save and read: a drawing with every entity kind, every table, a group, draw order and
// extended data loads in ezdxf with no audit errors and no fixes; saving, reading and saving
// again gives the same file; a failed save keeps the old file.
#include "CodePage.h"
#include "AcDb2LineAngularDimension.h"
#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3PointAngularDimension.h"
#include "AcDb3dPolyline.h"
#include "AcDbAlignedDimension.h"
#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbCircle.h"
#include "AcDbDiametricDimension.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbEllipse.h"
#include "AcDbGroup.h"
#include "AcDbHatch.h"
#include "AcDbLayerTable.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRadialDimension.h"
#include "AcDbRay.h"
#include "AcDbRegAppTable.h"
#include "AcDbRegion.h"
#include "AcDbRotatedDimension.h"
#include "AcDbSolid.h"
#include "AcDbSortentsTable.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbWipeout.h"
#include "AcDbXline.h"
#include "DbFixture.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <sys/resource.h>

namespace {

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string hex(const AcDbObjectId& id)
{
    return id.handle().hex();
}

template <class Table, class Record>
AcDbObjectId addRecord(
    AcDbDatabase* db, Acad::ErrorStatus (AcDbDatabase::*get)(Table*&, AcDb::OpenMode), Record* rec, const ACHAR* name)
{
    Table* table = nullptr;
    EXPECT_EQ((db->*get)(table, AcDb::kForWrite), Acad::eOk);
    rec->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, rec), Acad::eOk);
    rec->close();
    table->close();
    return id;
}

// What a test checks in the saved file beyond the audit.
struct Expectations {
    std::string groupName;
    std::vector<AcDbObjectId> groupMembers;
    std::vector<AcDbObjectId> drawOrder;
    // Texts some dimension's block must show, and hatch patterns that must carry their lines.
    std::vector<std::string> dimensionTexts;
    std::vector<std::string> patterns;
};

class DxfTest : public DbTest {
protected:
    std::filesystem::path outDir()
    {
        const auto dir = std::filesystem::temp_directory_path() / ("corbel_db_dxf_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }
    void TearDown() override
    {
        std::filesystem::remove_all(
            std::filesystem::temp_directory_path() / ("corbel_db_dxf_" + std::to_string(::getpid())));
        DbTest::TearDown();
    }

    AcDbObjectId append(AcDbEntity* ent, AcDbObjectId block)
    {
        AcDbBlockTableRecord* rec = nullptr;
        EXPECT_EQ(acdbOpenObject(rec, block, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(rec->appendAcDbEntity(id, ent), Acad::eOk);
        ent->close();
        rec->close();
        return id;
    }

    // A drawing with every table, every entity kind, a named block and an external
    // reference, a group, draw order, extended data and dimension overrides.
    Expectations buildFullDrawing()
    {
        Expectations ex;
        AcDbDatabase* d = db.get();
        EXPECT_EQ(d->loadLineTypeFile(L"CENTER", L"acadiso.lin"), Acad::eOk);
        EXPECT_EQ(d->loadLineTypeFile(L"HIDDEN", L"acadiso.lin"), Acad::eOk);
        EXPECT_EQ(d->loadLineTypeFile(L"PHANTOM2", L"acadiso.lin"), Acad::eOk);

        auto* layer = new AcDbLayerTableRecord();
        AcCmColor red;
        red.setColorIndex(1);
        layer->setColor(red);
        layer->setLinetypeObjectId(d->symbolId(d->linetypeTableId(), L"CENTER"));
        layer->setLineWeight(AcDb::kLnWt025);
        const AcDbObjectId centreLayer = addRecord(d, &AcDbDatabase::getLayerTable, layer, L"01-中心线");
        auto* offLayer = new AcDbLayerTableRecord();
        offLayer->setIsOff(true);
        offLayer->setIsLocked(true);
        offLayer->setIsPlottable(false);
        addRecord(d, &AcDbDatabase::getLayerTable, offLayer, L"Defpoints");

        auto* shx = new AcDbTextStyleTableRecord();
        shx->setFileName(L"fsdb_e.shx");
        shx->setBigFontFileName(L"fsdb.shx");
        shx->setXScale(0.7);
        const AcDbObjectId shxStyle = addRecord(d, &AcDbDatabase::getTextStyleTable, shx, L"HZ");
        auto* ttf = new AcDbTextStyleTableRecord();
        ttf->setFont(L"宋体", false, false, 134, 2);
        ttf->setTextSize(3.5);
        ttf->setObliquingAngle(15.0 * std::numbers::pi / 180.0);
        addRecord(d, &AcDbDatabase::getTextStyleTable, ttf, L"SONG");

        auto* arrow = new AcDbBlockTableRecord();
        const AcDbObjectId arrowBlock = addRecord(d, &AcDbDatabase::getBlockTable, arrow, L"MavArrows");
        append(new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(-1, 0.2, 0), AcGePoint3d(-1, -0.2, 0)), arrowBlock);
        auto* dimStyle = new AcDbDimStyleTableRecord();
        dimStyle->setDimasz(2.5);
        dimStyle->setDimtxt(3.0);
        dimStyle->setDimdec(0);
        dimStyle->setDimtxsty(shxStyle);
        dimStyle->setDimsah(true);
        dimStyle->setDimblk1(arrowBlock);
        dimStyle->setDimblk2(arrowBlock);
        dimStyle->setDimdsep(L'.');
        dimStyle->setDimzin(8);
        const AcDbObjectId dimStyleId = addRecord(d, &AcDbDatabase::getDimStyleTable, dimStyle, L"DIM50");
        EXPECT_EQ(d->setDimstyle(dimStyleId), Acad::eOk);
        addRecord(d, &AcDbDatabase::getRegAppTable, new AcDbRegAppTableRecord(), L"Mav_ROAD");
        auto* ucs = new AcDbUCSTableRecord();
        ucs->setOrigin(AcGePoint3d(100, 0, 0));
        addRecord(d, &AcDbDatabase::getUCSTable, ucs, L"SECTION");
        auto* view = new AcDbViewTableRecord();
        view->setCenterPoint(AcGePoint2d(200, 100));
        view->setHeight(300);
        view->setWidth(420);
        addRecord(d, &AcDbDatabase::getViewTable, view, L"SHEET1");

        auto* xref = new AcDbBlockTableRecord();
        xref->setPathName(L"/drawings/tk.dxf");
        const AcDbObjectId xrefBlock = addRecord(d, &AcDbDatabase::getBlockTable, xref, L"TK");
        auto* named = new AcDbBlockTableRecord();
        named->setOrigin(AcGePoint3d(1, 1, 0));
        named->setComments(L"焊缝");
        const AcDbObjectId weldBlock = addRecord(d, &AcDbDatabase::getBlockTable, named, L"WELD");
        append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0)), weldBlock);
        append(new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 1.0), weldBlock);

        const AcDbObjectId ms = d->modelSpaceId();
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1000, 0, 0));
        line->setLayer(centreLayer);
        line->setLinetype(L"HIDDEN");
        line->setLinetypeScale(2.0);
        line->setLineWeight(AcDb::kLnWt050);
        const AcDbObjectId lineId = append(line, ms);
        auto* colored = new AcDbLine(AcGePoint3d(0, 10, 0), AcGePoint3d(1000, 10, 0));
        AcCmColor truecolor;
        truecolor.setRGB(10, 20, 30);
        colored->setColor(truecolor);
        colored->setVisibility(AcDb::kInvisible);
        const AcDbObjectId coloredId = append(colored, ms);
        const AcDbObjectId arcId = append(new AcDbArc(AcGePoint3d(0, 0, 0), 50.0, 0.0, std::numbers::pi / 2), ms);
        const AcDbObjectId circleId = append(new AcDbCircle(AcGePoint3d(200, 0, 0), AcGeVector3d::kZAxis, 25.0), ms);
        append(new AcDbEllipse(AcGePoint3d(300, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(40, 0, 0), 0.5), ms);
        AcGePoint3dArray ctrl;
        for (int i = 0; i < 4; ++i)
            ctrl.append(AcGePoint3d(400 + 10 * i, (i % 2) * 10.0, 0));
        AcGeDoubleArray knots;
        for (double k : { 0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0 })
            knots.append(k);
        append(new AcDbSpline(3, false, false, false, ctrl, knots, AcGeDoubleArray()), ms);
        auto* xline = new AcDbXline();
        xline->setBasePoint(AcGePoint3d(0, 500, 0));
        xline->setUnitDir(AcGeVector3d(1, 1, 0));
        append(xline, ms);
        auto* ray = new AcDbRay();
        ray->setBasePoint(AcGePoint3d(0, 600, 0));
        append(ray, ms);
        append(new AcDbPoint(AcGePoint3d(5, 5, 0)), ms);
        auto* pline = new AcDbPolyline();
        pline->addVertexAt(0, AcGePoint2d(0, 100));
        pline->addVertexAt(1, AcGePoint2d(100, 100), 0.5);
        pline->addVertexAt(2, AcGePoint2d(100, 200));
        pline->setClosed(true);
        const AcDbObjectId plineId = append(pline, ms);
        auto* widePline = new AcDbPolyline();
        widePline->addVertexAt(0, AcGePoint2d(0, 300), 0.0, 1.0, 2.0);
        widePline->addVertexAt(1, AcGePoint2d(50, 300));
        widePline->setPlinegen(true);
        append(widePline, ms);
        AcGePoint3dArray pts;
        pts.append(AcGePoint3d(0, 400, 0));
        pts.append(AcGePoint3d(50, 450, 0));
        pts.append(AcGePoint3d(100, 400, 0));
        append(new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 0.0, true), ms);
        pts.last().z = 30.0;
        append(new AcDb3dPolyline(AcDb::k3dSimplePoly, pts), ms);
        append(
            new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0)), ms);
        auto* text = new AcDbText(AcGePoint3d(10, 20, 0), L"盖梁钢筋图 1:50", shxStyle, 5.0, 0.1);
        text->setHorizontalMode(AcDb::kTextMid);
        text->setVerticalMode(AcDb::kTextVertMid);
        text->setAlignmentPoint(AcGePoint3d(30, 22, 0));
        text->setWidthFactor(0.7);
        const AcDbObjectId textId = append(text, ms);
        auto* mtext = new AcDbMText();
        mtext->setLocation(AcGePoint3d(0, 800, 0));
        std::wstring longText = L"\\H0.7x;\\S3^;";
        for (int i = 0; i < 60; ++i)
            longText += L"钢筋直径\\P";
        mtext->setContents(longText.c_str());
        mtext->setAttachment(AcDbMText::kMiddleCenter);
        mtext->setWidth(200.0);
        append(mtext, ms);
        auto* hatch = new AcDbHatch();
        hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
        hatch->setAssociative(true);
        append(hatch, ms);
        AcDbHatch* openHatch = nullptr;
        EXPECT_EQ(acdbOpenObject(openHatch, hatch->objectId(), AcDb::kForWrite), Acad::eOk);
        AcDbObjectIdArray loop;
        loop.append(circleId);
        EXPECT_EQ(openHatch->appendLoop(AcDbHatch::kExternal, loop), Acad::eOk);
        openHatch->close();
        auto* pattern = new AcDbHatch();
        pattern->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
        pattern->setPatternScale(2.0);
        pattern->setAssociative(true);
        AcDbObjectIdArray plineLoop;
        plineLoop.append(plineId);
        pattern->appendLoop(AcDbHatch::kExternal, plineLoop);
        AcDbObjectIdArray edgeLoop;
        edgeLoop.append(lineId);
        edgeLoop.append(arcId);
        pattern->appendLoop(AcDbHatch::kDefault, edgeLoop);
        append(pattern, ms);
        auto* insert = new AcDbBlockReference(AcGePoint3d(500, 500, 0), weldBlock);
        insert->setScaleFactors(AcGeScale3d(2.0, 2.0, 1.0));
        insert->setRotation(0.5);
        append(insert, ms);
        append(new AcDbBlockReference(AcGePoint3d(0, 0, 0), xrefBlock), ms);
        append(new AcDbRegion(), ms);
        // A region bounded by curves, as the drawing code makes them.
        AcDbLine regionBase(AcGePoint3d(600, 0, 0), AcGePoint3d(700, 0, 0));
        AcDbArc regionTop(AcGePoint3d(650, 0, 0), 50.0, 0.0, std::numbers::pi);
        AcDbVoidPtrArray regionCurves, regions;
        regionCurves.append(&regionBase);
        regionCurves.append(&regionTop);
        EXPECT_EQ(AcDbRegion::createFromCurves(regionCurves, regions), Acad::eOk);
        EXPECT_EQ(regions.length(), 1);
        for (int i = 0; i < regions.length(); ++i)
            append(static_cast<AcDbEntity*>(regions[i]), ms);
        ex.patterns.push_back("ANSI31");

        auto* wipeout = new AcDbWipeout();
        wipeout->setOrientation(AcGePoint3d(0, 0, 0), AcGeVector3d(20, 0, 0), AcGeVector3d(0, 20, 0));
        AcGePoint2dArray clip;
        for (auto [x, y] : { std::pair { -0.5, -0.5 }, { 0.5, -0.5 }, { 0.5, 0.0 }, { -0.5, 0.0 } })
            clip.append(AcGePoint2d(x, y));
        wipeout->setClipBoundary(AcDbRasterImage::kPoly, clip);
        wipeout->setDisplayOpt(AcDbRasterImage::kTransparent, true);
        wipeout->setDisplayOpt(AcDbRasterImage::kShow, false);
        const AcDbObjectId wipeoutId = append(wipeout, ms);

        auto* rotated = new AcDbRotatedDimension(
            0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0), AcGePoint3d(50, -20, 0), L"{\\W0.7;<>}", dimStyleId);
        rotated->setDimlfac(2.0);
        rotated->setDimblk(arrowBlock);
        rotated->setDimpost(L"<>mm");
        const AcDbObjectId rotatedId = append(rotated, ms);
        ex.dimensionTexts.push_back("{\\W0.7;200mm}");
        // Text above the line, moved by the user with a leader, one arrow from a block.
        auto* moved = new AcDbAlignedDimension(
            AcGePoint3d(0, 200, 0), AcGePoint3d(80, 200, 0), AcGePoint3d(0, 230, 0), L"L=<>", dimStyleId);
        moved->setDimtad(1);
        moved->setDimtmove(1);
        moved->setDimblk2(AcDbObjectId::kNull);
        moved->setTextPosition(AcGePoint3d(120, 260, 0));
        append(moved, ms);
        ex.dimensionTexts.push_back("L=80");
        append(new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 100, 0), AcGePoint3d(-20, 50, 0)), ms);
        append(new AcDbRadialDimension(AcGePoint3d(200, 0, 0), AcGePoint3d(225, 0, 0), 10.0), ms);
        append(new AcDbDiametricDimension(AcGePoint3d(175, 0, 0), AcGePoint3d(225, 0, 0), 10.0, L"%%c<>"), ms);
        append(new AcDb2LineAngularDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 0, 0),
                   AcGePoint3d(0, 10, 0), AcGePoint3d(7, 7, 0)),
            ms);
        append(new AcDb3PointAngularDimension(
                   AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(7, 7, 0)),
            ms);
        append(new AcDbText(AcGePoint3d(0, 0, 0), L"图纸空间"), d->paperSpaceId());

        // Extended data as the utility library writes it.
        EXPECT_EQ(acdbRegApp(L"Mav_ROAD"), 1);
        AcDbEntity* ent = nullptr;
        EXPECT_EQ(acdbOpenAcDbEntity(ent, lineId, AcDb::kForWrite), Acad::eOk);
        const ads_point p = { 1, 2, 3 };
        const std::wstring textHandle = Utf8ToWideLossy(hex(textId));
        resbuf* xd = acutBuildList(1001, L"Mav_ROAD", 1000, L"N1", 1040, 2.5, 1002, L"{", 1070, 3, 1071, 100000, 1010,
            p, 1005, textHandle.c_str(), 1002, L"}", 0);
        EXPECT_EQ(ent->setXData(xd), Acad::eOk);
        acutRelRb(xd);
        ent->close();

        // A group as the drawing classes make one.
        AcDbDictionary* groups = nullptr;
        EXPECT_EQ(d->getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
        auto* group = new AcDbGroup(L"", true);
        AcDbObjectId groupId;
        ex.groupName = "CAPGROUP_1765300000_42";
        EXPECT_EQ(groups->setAt(L"CAPGROUP_1765300000_42", group, groupId), Acad::eOk);
        for (const AcDbObjectId& id : { lineId, arcId, textId }) {
            EXPECT_EQ(group->append(id), Acad::eOk);
            ex.groupMembers.push_back(id);
        }
        group->close();
        groups->close();

        // Draw order: the mask on top, then the dimension above it.
        AcDbBlockTableRecord* msRec = nullptr;
        EXPECT_EQ(acdbOpenObject(msRec, ms, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(msRec->createExtensionDictionary(), Acad::eOk);
        AcDbDictionary* xdict = nullptr;
        EXPECT_EQ(acdbOpenObject(xdict, msRec->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
        msRec->close();
        auto* sortents = new AcDbSortentsTable();
        AcDbObjectId sortId;
        EXPECT_EQ(xdict->setAt(L"ACAD_SORTENTS", sortents, sortId), Acad::eOk);
        xdict->close();
        sortents->setBlockId(ms);
        AcDbObjectIdArray top;
        top.append(wipeoutId);
        EXPECT_EQ(sortents->moveToTop(top), Acad::eOk);
        AcDbObjectIdArray dim;
        dim.append(rotatedId);
        EXPECT_EQ(sortents->moveAbove(dim, wipeoutId), Acad::eOk);
        AcDbObjectIdArray bottom;
        bottom.append(coloredId);
        EXPECT_EQ(sortents->moveToBottom(bottom), Acad::eOk);
        sortents->close();
        ex.drawOrder = { coloredId, lineId, wipeoutId, rotatedId };

        // An erased entity is left out of the file.
        auto* gone = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1));
        const AcDbObjectId goneId = append(gone, ms);
        EXPECT_EQ(acdbOpenAcDbEntity(ent, goneId, AcDb::kForWrite), Acad::eOk);
        ent->erase();
        ent->close();
        d->setLtscale(4.0);
        d->setPdmode(35);
        d->setClayer(centreLayer);
        return ex;
    }

    // Runs the independent checker; its output goes to the test log.
    int audit(const std::filesystem::path& file, const Expectations& ex)
    {
        std::string members, order;
        for (const AcDbObjectId& id : ex.groupMembers)
            members += (members.empty() ? "" : ",") + hex(id);
        for (const AcDbObjectId& id : ex.drawOrder)
            order += (order.empty() ? "" : ",") + hex(id);
        std::string cmd = std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/audit_dxf.py '" + file.string()
            + "' --types LINE,ARC,CIRCLE,ELLIPSE,SPLINE,XLINE,RAY,POINT,LWPOLYLINE,POLYLINE,SOLID,"
            + "TEXT,MTEXT,HATCH,INSERT,REGION,WIPEOUT,DIMENSION" + " --group " + ex.groupName + "=" + members
            + " --sortents " + order;
        for (const std::string& t : ex.dimensionTexts)
            cmd += " --dimtext '" + t + "'";
        for (const std::string& p : ex.patterns)
            cmd += " --pattern " + p;
        return std::system(cmd.c_str());
    }
};

} // namespace

TEST_F(DxfTest, SavedDrawingPassesTheIndependentAudit)
{
    const Expectations ex = buildFullDrawing();
    const auto file = outDir() / "full.dxf";
    ASSERT_EQ(db->saveAs(file.wstring().c_str()), Acad::eOk);
    EXPECT_EQ(audit(file, ex), 0);
}

TEST_F(DxfTest, SaveReadSaveGivesTheSameFile)
{
    buildFullDrawing();
    const std::string first = db->dxfText();
    const auto file = outDir() / "first.dxf";
    ASSERT_EQ(db->saveAs(file.wstring().c_str()), Acad::eOk);
    AcDbDatabase read(false);
    ASSERT_EQ(read.readDwgFile(file.wstring().c_str()), Acad::eOk);
    const std::string second = read.dxfText();
    EXPECT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second);
    if (first != second) {
        std::size_t i = 0;
        while (i < first.size() && i < second.size() && first[i] == second[i])
            ++i;
        ADD_FAILURE() << "first difference at byte " << i << ":\n"
                      << first.substr(i > 80 ? i - 80 : 0, 200) << "\n----\n"
                      << second.substr(i > 80 ? i - 80 : 0, 200);
    }
}

TEST_F(DxfTest, ReadDrawingKeepsObjectsAndReferences)
{
    const Expectations ex = buildFullDrawing();
    AcDbDatabase read(false);
    ASSERT_EQ(read.dxfInText(db->dxfText()), Acad::eOk);
    // Handles survive, so an id found by handle names the same object.
    AcDbObjectId line;
    ASSERT_EQ(read.getAcDbObjectId(line, false, ex.groupMembers[0].handle()), Acad::eOk);
    AcDbLine* pLine = nullptr;
    ASSERT_EQ(acdbOpenObject(pLine, line), Acad::eOk);
    EXPECT_EQ(pLine->endPoint(), AcGePoint3d(1000, 0, 0));
    EXPECT_EQ(AcDbDatabase::symbolName(pLine->layerId()), L"01-中心线");
    EXPECT_EQ(AcDbDatabase::symbolName(pLine->linetypeId()), L"HIDDEN");
    EXPECT_DOUBLE_EQ(pLine->linetypeScale(), 2.0);
    resbuf* xd = pLine->xData(L"Mav_ROAD");
    ASSERT_NE(xd, nullptr);
    EXPECT_STREQ(xd->rbnext->resval.rstring, L"N1");
    EXPECT_DOUBLE_EQ(xd->rbnext->rbnext->resval.rreal, 2.5);
    acutRelRb(xd);
    pLine->close();
    EXPECT_EQ(AcDbDatabase::symbolName(read.clayer()), L"01-中心线");
    EXPECT_DOUBLE_EQ(read.ltscale(), 4.0);
    EXPECT_EQ(read.pdmode(), 35);
    EXPECT_EQ(read.handseed(), db->handseed());

    AcDbDictionary* groups = nullptr;
    ASSERT_EQ(read.getGroupDictionary(groups), Acad::eOk);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(groups->getAt(L"CAPGROUP_1765300000_42", obj, AcDb::kForRead), Acad::eOk);
    AcDbGroup* group = AcDbGroup::cast(obj);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->numEntities(), 3u);
    group->close();
    groups->close();

    AcDbTextStyleTableRecord* song = nullptr;
    AcDbTextStyleTable* styles = nullptr;
    ASSERT_EQ(read.getTextStyleTable(styles), Acad::eOk);
    ASSERT_EQ(styles->getAt(L"SONG", song, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(song->typeface(), L"宋体");
    song->close();
    styles->close();

    // The dimension keeps its style and its overrides.
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, read.modelSpaceId()), Acad::eOk);
    int dims = 0;
    for (const AcDbObjectId& id : ms->entityIds()) {
        auto* dim = AcDbRotatedDimension::cast(AcDbDatabase::peek(id));
        if (dim == nullptr)
            continue;
        ++dims;
        EXPECT_EQ(AcDbDatabase::symbolName(dim->dimensionStyle()), L"DIM50");
        EXPECT_DOUBLE_EQ(dim->dimlfac(), 2.0);
        EXPECT_DOUBLE_EQ(dim->dimasz(), 2.5);
        EXPECT_EQ(dim->dimensionTextString(), L"{\\W0.7;<>}");
        EXPECT_EQ(dim->overriddenCodes(), (std::set<int> { 3, 144, 342 }));
    }
    EXPECT_EQ(dims, 1);
    ms->close();
}

TEST_F(DxfTest, FailedSaveKeepsTheOldFile)
{
    addToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    const auto dir = outDir();
    const auto file = dir / "kept.dxf";
    ASSERT_EQ(db->saveAs(file.wstring().c_str()), Acad::eOk);
    const std::string before = readFile(file);

    // Make the drawing larger than the files this process may write: the write fails.
    for (int i = 0; i < 200; ++i)
        addToModelSpace(new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0)));
    rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = before.size() + 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Acad::ErrorStatus es = db->saveAs(file.wstring().c_str());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(es, Acad::eOk);
    EXPECT_EQ(readFile(file), before);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++files;
    EXPECT_EQ(files, 1);

    EXPECT_NE(db->saveAs((dir / "no such folder" / "x.dxf").wstring().c_str()), Acad::eOk);
    EXPECT_NE(db->saveAs(dir.wstring().c_str()), Acad::eOk);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST_F(DxfTest, DrawingReadFromFileIsInsertedAsABlock)
{
    // The title block drawing: its own layer, a layer both drawings have, a dimension
    // (with its anonymous block) and a 2-D polyline with vertices.
    AcDbDatabase title;
    auto* frame = new AcDbLayerTableRecord();
    AcCmColor blue;
    blue.setColorIndex(5);
    frame->setColor(blue);
    const AcDbObjectId frameLayer = addRecord(&title, &AcDbDatabase::getLayerTable, frame, L"TK-FRAME");
    addRecord(&title, &AcDbDatabase::getBlockTable, new AcDbBlockTableRecord(), L"LOGO");
    auto* shared = new AcDbLayerTableRecord();
    shared->setColor(blue);
    addRecord(&title, &AcDbDatabase::getLayerTable, shared, L"01-中心线");
    auto* border = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(420, 0, 0));
    // Not yet in a database, the entity names layers of the working one; an id names any.
    EXPECT_EQ(border->setLayer(L"TK-FRAME"), Acad::eKeyNotFound);
    EXPECT_EQ(border->setLayer(frameLayer), Acad::eOk);
    addToModelSpace(border, &title);
    addToModelSpace(
        new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(420, 0, 0), AcGePoint3d(210, -10, 0)), &title);
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(0, 297, 0));
    addToModelSpace(new AcDb2dPolyline(AcDb::k2dSimplePoly, pts), &title);
    const auto file = outDir() / "tk.dxf";
    ASSERT_EQ(title.saveAs(file.wstring().c_str()), Acad::eOk);

    // The drawing being made already has a dimension (so a "*D1" block) and the shared layer.
    const Expectations ex = buildFullDrawing();
    AcDbDatabase source(false);
    ASSERT_EQ(source.readDwgFile(file.wstring().c_str()), Acad::eOk);
    AcDbObjectId tk;
    EXPECT_EQ(db->insert(tk, L"LOGO", &source), Acad::eSelfReference);
    ASSERT_EQ(db->insert(tk, L"TK-SHEET", &source), Acad::eOk);
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(tk));
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->entityIds().size(), 3u);
    auto* line = AcDbLine::cast(AcDbDatabase::peek(block->entityIds()[0]));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->ownerId(), tk);
    EXPECT_EQ(AcDbDatabase::symbolName(line->layerId()), L"TK-FRAME");
    EXPECT_EQ(line->layerId().database(), db.get());
    // A layer of the same name stays as the target drawing has it.
    AcDbLayerTableRecord* sharedLayer = nullptr;
    ASSERT_EQ(acdbOpenObject(sharedLayer, db->symbolId(db->layerTableId(), L"01-中心线")), Acad::eOk);
    EXPECT_EQ(sharedLayer->color().colorIndex(), 1);
    sharedLayer->close();
    // The copied dimension has a block of its own, renamed clear of the target's.
    auto* dim = AcDbDimension::cast(AcDbDatabase::peek(block->entityIds()[1]));
    ASSERT_NE(dim, nullptr);
    EXPECT_EQ(dim->dimBlockId().database(), db.get());
    EXPECT_NE(AcDbDatabase::symbolName(dim->dimBlockId()), L"*D1");
    auto* poly = AcDb2dPolyline::cast(AcDbDatabase::peek(block->entityIds()[2]));
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->vertexObjects().size(), 2u);
    EXPECT_EQ(poly->vertexObjects()[0]->ownerId(), poly->objectId());

    append(new AcDbBlockReference(AcGePoint3d(0, 0, 0), tk), db->modelSpaceId());
    const auto saved = outDir() / "with_tk.dxf";
    ASSERT_EQ(db->saveAs(saved.wstring().c_str()), Acad::eOk);
    EXPECT_EQ(audit(saved, ex), 0);
}

TEST_F(DxfTest, CheckerRejectsAFaultyFile)
{
    // A fault our reader would not notice but a drawing must not have: an entity naming a
    // linetype the drawing lacks. The independent check must refuse it.
    const Expectations ex = buildFullDrawing();
    std::string text = db->dxfText();
    const std::string from = "  6\nHIDDEN\n";
    const std::size_t at = text.find(from, text.find("ENTITIES"));
    ASSERT_NE(at, std::string::npos);
    text.replace(at, from.size(), "  6\nNO_SUCH_LINETYPE\n");
    const auto file = outDir() / "faulty.dxf";
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_NE(audit(file, ex), 0);
}

TEST_F(DxfTest, DrawingMadeByAnotherProgramReadsAndSavesClean)
{
    const auto foreign = outDir() / "foreign.dxf";
    const std::string make
        = std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/make_foreign_dxf.py '" + foreign.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    AcDbDatabase read(false);
    ASSERT_EQ(read.readDwgFile(foreign.wstring().c_str()), Acad::eOk);
    std::map<std::wstring, int> kinds;
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, read.modelSpaceId()), Acad::eOk);
    for (const AcDbObjectId& id : ms->entityIds())
        ++kinds[id.objectClass()->name()];
    ms->close();
    EXPECT_EQ(kinds[L"AcDbPolyline"], 1);
    EXPECT_EQ(kinds[L"AcDbLine"], 1);
    EXPECT_EQ(kinds[L"AcDbText"], 1);
    EXPECT_EQ(kinds[L"AcDbMText"], 1);
    EXPECT_EQ(kinds[L"AcDbBlockReference"], 1);
    EXPECT_EQ(kinds[L"AcDbArc"], 1);
    EXPECT_EQ(kinds[L"AcDbRotatedDimension"], 1);
    AcDbLayerTableRecord* frame = nullptr;
    ASSERT_EQ(acdbOpenObject(frame, read.symbolId(read.layerTableId(), L"TK-FRAME")), Acad::eOk);
    EXPECT_EQ(AcDbDatabase::symbolName(frame->linetypeObjectId()), L"DASHED");
    frame->close();

    // What we read, we save clean.
    const auto saved = outDir() / "foreign_saved.dxf";
    ASSERT_EQ(read.saveAs(saved.wstring().c_str()), Acad::eOk);
    const std::string cmd = std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/audit_dxf.py '" + saved.string()
        + "' --types LWPOLYLINE,LINE,TEXT,MTEXT,INSERT,ARC,DIMENSION";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST_F(DxfTest, ModesOutsideTheirRangeReadAsTheDefaults)
{
    auto* text = new AcDbText(AcGePoint3d(0, 0, 0), L"N1");
    text->setHorizontalMode(AcDb::kTextCenter);
    text->setVerticalMode(AcDb::kTextTop);
    text->setAlignmentPoint(AcGePoint3d(5, 5, 0));
    const AcDbObjectId id = addToModelSpace(text);
    std::string dxf = db->dxfText();
    // A damaged file: the text's modes are numbers no mode has.
    for (const char* mode : {" 72\n     1\n", " 73\n     3\n"}) {
        const std::size_t at = dxf.find(mode);
        ASSERT_NE(at, std::string::npos) << mode;
        dxf.replace(at, std::strlen(mode), std::string(mode).substr(0, 4) + "  1000\n");
    }
    AcDbDatabase read(false);
    ASSERT_EQ(read.dxfInText(dxf), Acad::eOk);
    AcDbObjectId readId;
    ASSERT_EQ(read.getAcDbObjectId(readId, false, id.handle()), Acad::eOk);
    AcDbText* back = nullptr;
    ASSERT_EQ(acdbOpenObject(back, readId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(back->horizontalMode(), AcDb::kTextLeft);
    EXPECT_EQ(back->verticalMode(), AcDb::kTextBase);
    back->close();
}

TEST_F(DxfTest, ReadRefusesWhatIsNotADrawing)
{
    AcDbDatabase read(false);
    EXPECT_EQ(read.readDwgFile(L"/no/such/file.dxf"), Acad::eInvalidInput);
    EXPECT_EQ(read.dxfInText("  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n"), Acad::eInvalidInput);
    EXPECT_EQ(read.dxfInText("garbage\n"), Acad::eInvalidInput);
}

TEST_F(DxfTest, NumbersNoIndexOrModeHasReadAsTheDefaults)
{
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    line->setColorIndex(3);
    const AcDbObjectId id = addToModelSpace(line);
    std::string dxf = db->dxfText();
    // A damaged file: numbers far outside what the header variables and the line's colour
    // index can hold. Each value is the line after its key (the name and the group code).
    const auto replaceValue = [&dxf](std::size_t from, const std::string& key, const char* value) {
        const std::size_t at = dxf.find(key, from);
        ASSERT_NE(at, std::string::npos) << key;
        const std::size_t begin = at + key.size();
        dxf.replace(begin, dxf.find('\n', begin) - begin, value);
    };
    replaceValue(0, "$CECOLOR\n 62\n", "2.2e64");
    replaceValue(0, "$CELWEIGHT\n370\n", "1e10");
    replaceValue(0, "$PDMODE\n 70\n", "-1e9");
    replaceValue(dxf.find("ENTITIES"), "\n 62\n", "-2147483648");
    AcDbDatabase read(false);
    ASSERT_EQ(read.dxfInText(dxf), Acad::eOk);
    EXPECT_EQ(read.cecolor().colorIndex(), 256);
    EXPECT_EQ(read.celweight(), AcDb::kLnWtByLayer);
    EXPECT_EQ(read.pdmode(), 0);
    AcDbObjectId readId;
    ASSERT_EQ(read.getAcDbObjectId(readId, false, id.handle()), Acad::eOk);
    AcDbEntity* back = nullptr;
    ASSERT_EQ(acdbOpenObject(back, readId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(back->colorIndex(), 256);
    back->close();
}
