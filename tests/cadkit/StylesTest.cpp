// Layers, linetypes, text and dimension styles of the working database: looked up, made
// current, created, changed and listed; symbol names checked; a block read from a drawing.
#include "CadkitFixture.h"

#include "MavEntityLib.h"
#include "MavUtils.h"

#include "AcDbBlockTable.h"
#include "AcDbLayerTable.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbTextStyleTable.h"

#include <filesystem>

using Styles = CadkitFixture;

TEST_F(Styles, LookUpsByNameGiveTheIdOrTheMissingKeyWithANullId)
{
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::getLayerId(L"0", id), Acad::eOk);
    EXPECT_EQ(id, db()->layerZero());
    EXPECT_EQ(MavUtils::getLinetypeId(L"Continuous", id), Acad::eOk);
    EXPECT_EQ(id, db()->continuousLinetype());
    EXPECT_EQ(MavUtils::getTextStyleId(L"STANDARD", id), Acad::eOk);
    EXPECT_EQ(id, db()->textstyle());
    MavEntityLib factory;
    EXPECT_EQ(factory.getTextStyleId(L"Standard", id), Acad::eOk);
    EXPECT_EQ(id, db()->textstyle());
    EXPECT_EQ(factory.getDimStyleId(L"Standard", id), Acad::eOk);
    EXPECT_EQ(id, db()->dimstyle());

    using LookUp = Acad::ErrorStatus (*)(const wchar_t*, AcDbObjectId&);
    for (LookUp lookUp : {LookUp(&MavUtils::getLayerId), LookUp(&MavUtils::getLinetypeId),
             LookUp(&MavUtils::getTextStyleId)}) {
        id = db()->layerZero();
        EXPECT_EQ(lookUp(L"缺少", id), Acad::eKeyNotFound);
        EXPECT_TRUE(id.isNull());
    }
    id = db()->layerZero();
    EXPECT_EQ(factory.getDimStyleId(L"缺少", id), Acad::eKeyNotFound);
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(transcript(), L"");
}

TEST_F(Styles, TextStyleLookUpGivesItsSizeWidthAndObliquing)
{
    const AcDbObjectId styleId = MavUtils::createNewTextStyleEx(L"HZ", 2, 3.5, 0.7, L"txt.shx", L"hztxt.shx", 0);
    ASSERT_FALSE(styleId.isNull());
    AcDbObjectId id;
    double size = 0.0, width = 0.0, oblique = 1.0;
    EXPECT_EQ(MavUtils::getTextStyleId(L"HZ", id, size, width, oblique), Acad::eOk);
    EXPECT_EQ(id, styleId);
    EXPECT_EQ(size, 3.5);
    EXPECT_EQ(width, 0.7);
    EXPECT_EQ(oblique, 0.0);
    EXPECT_EQ(MavUtils::getTextStyleId(L"NONE", id, size, width, oblique), Acad::eKeyNotFound);
    EXPECT_TRUE(id.isNull());

    CString name;
    EXPECT_EQ(MavUtils::getTextStyleName(styleId, name), Acad::eOk);
    EXPECT_EQ(name, CString(L"HZ"));
    EXPECT_EQ(MavUtils::getTextStyleName(AcDbObjectId::kNull, name), Acad::eNullObjectId);
    EXPECT_EQ(MavUtils::getTextStyleName(db()->layerZero(), name), Acad::eWrongObjectType);
    EXPECT_EQ(name, CString(L"HZ"));
}

TEST_F(Styles, SelectLayerMakesItCurrentAndAnUnknownNameLeavesTheCurrentOne)
{
    AcDbObjectId layerId;
    ASSERT_EQ(MavUtils::createLayerEx(L"09-文本", nullptr, layerId, 2, false, false, false, false, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::selectLayer(L"09-文本"), Acad::eOk);
    EXPECT_EQ(db()->clayer(), layerId);
    EXPECT_EQ(MavUtils::selectLayer(L"99-无"), Acad::eKeyNotFound);
    EXPECT_EQ(transcript(), L"\n图层99-无不存在!");
    EXPECT_EQ(db()->clayer(), layerId);
}

TEST_F(Styles, SelectLayerByNameReturnsThePreviousLayerOrNull)
{
    AcDbObjectId layerId;
    ASSERT_EQ(MavUtils::createLayerEx(L"A", nullptr, layerId, 1, false, false, false, false, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::selectLayerByName(L"A"), db()->layerZero());
    EXPECT_EQ(db()->clayer(), layerId);
    EXPECT_TRUE(MavUtils::selectLayerByName(L"B").isNull());
    EXPECT_EQ(db()->clayer(), layerId);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(Styles, SelectLinetypeAndColourChangeTheCurrentValues)
{
    EXPECT_EQ(MavUtils::selectLinetype(L"Continuous"), Acad::eOk);
    EXPECT_EQ(db()->celtype(), db()->continuousLinetype());
    EXPECT_EQ(MavUtils::selectLinetype(L"NOPE"), Acad::eKeyNotFound);
    EXPECT_EQ(transcript(), L"\nThe linetype name NOPE does not exsits!");

    app().transcript().clear();
    int untouched = 9;
    EXPECT_EQ(MavUtils::selectColor(3, untouched), Acad::eOk);
    EXPECT_EQ(db()->cecolor().colorIndex(), 3);
    EXPECT_EQ(MavUtils::selectColor(300, untouched), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"current color value:3\nset color fail!\n");
    EXPECT_EQ(untouched, 9);
}

TEST_F(Styles, CreateLayerMakesANewLayerWithItsStatesAndLinetype)
{
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::createLayerEx(L"05-虚线", L"DASHED", id, 4, false, true, false, true, 0), Acad::eOk);
    AcDbObjectId dashed;
    ASSERT_EQ(MavUtils::getLinetypeId(L"DASHED", dashed), Acad::eOk);
    AcDbLayerTableRecord* layer = openRecord<AcDbLayerTableRecord>(id);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->name(), L"05-虚线");
    EXPECT_EQ(layer->color().colorIndex(), 4);
    EXPECT_FALSE(layer->isFrozen());
    EXPECT_TRUE(layer->isOff());
    EXPECT_TRUE(layer->isLocked());
    EXPECT_EQ(layer->linetypeObjectId(), dashed);
    layer->close();
}

TEST_F(Styles, CreateLayerChangesAnExistingLayerOnlyWhenAskedTo)
{
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::createLayerEx(L"L", nullptr, id, 1, false, false, false, false, 0), Acad::eOk);
    AcDbObjectId again;
    EXPECT_EQ(MavUtils::createLayerEx(L"L", nullptr, again, 5, true, false, false, false, 0), Acad::eOk);
    EXPECT_EQ(again, id);
    AcDbLayerTableRecord* layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_EQ(layer->color().colorIndex(), 1);
    layer->close();

    EXPECT_EQ(MavUtils::createLayerEx(L"L", L"HIDDEN", again, 5, true, false, false, false, 1), Acad::eOk);
    layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_EQ(layer->color().colorIndex(), 5);
    EXPECT_TRUE(layer->isFrozen());
    EXPECT_EQ(AcDbDatabase::symbolName(layer->linetypeObjectId()), L"HIDDEN");
    layer->close();
}

TEST_F(Styles, CreateLayerRefusesABadNameOrAnUnknownLinetypeAndMakesNothing)
{
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::createLayerEx(L"a<b", nullptr, id, 1, false, false, false, false, 0), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"\nInvalid Symbol Name: \"a<b\" 出现异常!");
    app().transcript().clear();
    EXPECT_EQ(MavUtils::createLayerEx(L"c", L"NOPE", id, 1, false, false, false, false, 0), Acad::eKeyNotFound);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eKeyNotFound 出现异常!");
    EXPECT_FALSE(MavUtils::symbolExists(AcDbLayerTableRecord::desc(), L"c", db()));
    EXPECT_TRUE(id.isNull());
}

TEST_F(Styles, LinetypesAreLoadedFromTheSystemFileOrMadeContinuous)
{
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::getLinetypeIdEx(L"CENTER", id), Acad::eOk);
    EXPECT_EQ(AcDbDatabase::symbolName(id), L"CENTER");
    EXPECT_EQ(MavUtils::getLinetypeIdEx(L"NOPE", id), Acad::eKeyNotFound);
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(MavUtils::loadLineTypeFromSystemFile(L"CENTER", id), Acad::eDuplicateRecordName);
    EXPECT_EQ(transcript(), L"");

    AcDbObjectId made;
    EXPECT_EQ(MavUtils::createLinetype(L"实线", made), Acad::eOk);
    AcDbLinetypeTableRecord* linetype = openRecord<AcDbLinetypeTableRecord>(made);
    EXPECT_EQ(linetype->numDashes(), 0);
    linetype->close();
    AcDbObjectId again;
    EXPECT_EQ(MavUtils::createLinetype(L"实线", again), Acad::eOk);
    EXPECT_EQ(again, made);
}

TEST_F(Styles, TextStylesAreMadeAndChangedOnlyWhenAskedTo)
{
    const AcDbObjectId id = MavUtils::createNewTextStyleEx(L"FS", 1, 5.0, 0.8, L"仿宋_GB2312", L"NULL", 0);
    ASSERT_FALSE(id.isNull());
    auto* style = openRecord<AcDbTextStyleTableRecord>(id);
    EXPECT_EQ(style->typeface(), L"仿宋_GB2312");
    ACHAR* face = nullptr;
    bool bold = true, italic = true;
    int charset = 0, pitch = 0;
    style->font(face, bold, italic, charset, pitch);
    acutDelString(face);
    EXPECT_FALSE(bold || italic);
    EXPECT_EQ(charset, 134);
    EXPECT_EQ(pitch, 2);
    style->close();

    EXPECT_TRUE(MavUtils::createNewTextStyleEx(L"FS", 1, 9.0, 0.5, L"黑体", L"NULL", 0).isNull());
    style = openRecord<AcDbTextStyleTableRecord>(id);
    EXPECT_EQ(style->textSize(), 5.0);
    style->close();

    EXPECT_TRUE(MavUtils::createNewTextStyleEx(L"FS", 1, 9.0, 0.5, L"NULL", L"NULL", 1).isNull());
    style = openRecord<AcDbTextStyleTableRecord>(id);
    EXPECT_EQ(style->textSize(), 9.0);
    EXPECT_EQ(style->xScale(), 0.5);
    EXPECT_EQ(style->typeface(), L"仿宋_GB2312");
    style->close();

    const AcDbObjectId shx = MavUtils::createNewTextStyleEx(L"SHX", 2, 0.0, 1.0, L"tssdeng.shx", L"hztxt.shx", 0);
    style = openRecord<AcDbTextStyleTableRecord>(shx);
    const ACHAR* file = nullptr;
    const ACHAR* bigFile = nullptr;
    style->fileName(file);
    style->bigFontFileName(bigFile);
    EXPECT_STREQ(file, L"tssdeng.shx");
    EXPECT_STREQ(bigFile, L"hztxt.shx");
    style->close();
}

TEST_F(Styles, BlockIsMadeFromADrawingFileOnceOnly)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "corbelkit-block.dxf";
    {
        AcDbDatabase source;
        AcDbBlockTableRecord* ms = nullptr;
        ASSERT_EQ(acdbOpenObject(ms, source.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0));
        line->setDatabaseDefaults(&source);
        ASSERT_EQ(ms->appendAcDbEntity(line), Acad::eOk);
        line->close();
        ms->close();
        ASSERT_EQ(source.saveAs(file.wstring().c_str()), Acad::eOk);
    }
    EXPECT_EQ(MavUtils::createNamedBlockByDWGFile(CString(file.wstring()), L"BRI-BZJT"), Acad::eOk);
    AcDbObjectId blockId;
    ASSERT_TRUE(MavUtils::symbolExists(AcDbBlockTableRecord::desc(), L"BRI-BZJT", db(), blockId));
    EXPECT_EQ(entitiesOf(blockId).size(), 1u);

    EXPECT_EQ(MavUtils::createNamedBlockByDWGFile(CString(file.wstring()), L"BRI-BZJT"), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"\n图块BRI-BZJT已存在，无需创建！");
    app().transcript().clear();
    EXPECT_NE(MavUtils::createNamedBlockByDWGFile(L"/no/such/file.dxf", L"X"), Acad::eOk);
    EXPECT_EQ(transcript(), L"\n图块X创建失败！");
    EXPECT_FALSE(MavUtils::symbolExists(AcDbBlockTableRecord::desc(), L"X", db()));
    std::filesystem::remove(file);
}

TEST_F(Styles, LayerHideTurnsTheLayerOffAndOn)
{
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::createLayerEx(L"H", nullptr, id, 1, false, false, false, false, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::setLayerHide(L"H", 1), Acad::eOk);
    AcDbLayerTableRecord* layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_TRUE(layer->isOff());
    layer->close();
    EXPECT_EQ(MavUtils::setLayerHide(L"H", 0), Acad::eOk);
    layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_FALSE(layer->isOff());
    layer->close();
    EXPECT_EQ(MavUtils::setLayerHide(L"none", 1), Acad::eKeyNotFound);
}

TEST_F(Styles, LayerEditRunsTheLayerCommand)
{
    MavUtils::layer_edit(L"M", L"06-中心线");
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::getLayerId(L"06-中心线", id), Acad::eOk);
    EXPECT_EQ(db()->clayer(), id);
    EXPECT_EQ(transcript().find(L"Layer edit opration error."), std::wstring::npos);
}

TEST_F(Styles, NewSymbolNameIsCopiedOnlyWhenValidAndFree)
{
    CString name = L"kept";
    EXPECT_EQ(MavUtils::getNewSymbolName(L"a|b", AcDbLayerTableRecord::desc(), name), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::getNewSymbolName(L"0", AcDbLayerTableRecord::desc(), name), Acad::eOk);
    EXPECT_EQ(name, CString(L"kept"));
    EXPECT_EQ(transcript(), L"\n\"a|b\" is not a valid symbol name.\nSymbol \"0\" already exists.");
    EXPECT_EQ(MavUtils::getNewSymbolName(L"新层", AcDbLayerTableRecord::desc(), name), Acad::eOk);
    EXPECT_EQ(name, CString(L"新层"));
}

TEST_F(Styles, NameListsAreAppendedToTheCallersArray)
{
    CStringArray names;
    names.Add(L"x");
    names.Add(L"y");
    EXPECT_EQ(MavUtils::collectLineWeightNames(names), Acad::eOk);
    ASSERT_EQ(names.GetSize(), 28);
    EXPECT_EQ(names[2], CString(L"ByLayer"));
    EXPECT_EQ(names[27], CString(L"2.11"));

    CStringArray linetypes;
    EXPECT_EQ(MavUtils::collectLineTypeNames(linetypes), Acad::eOk);
    ASSERT_EQ(linetypes.GetSize(), 3);
    EXPECT_EQ(linetypes[2], CString(L"Continuous"));
    CStringArray styles;
    styles.Add(L"first");
    EXPECT_EQ(MavUtils::collectTextStyleNames(styles), Acad::eOk);
    ASSERT_EQ(styles.GetSize(), 2);
    EXPECT_EQ(styles[1], CString(L"Standard"));
}

TEST_F(Styles, SymbolExistsAnswersAndFetchesTheId)
{
    AcDbObjectId id;
    EXPECT_TRUE(MavUtils::symbolExists(AcDbLayerTableRecord::desc(), L"0", db()));
    EXPECT_TRUE(MavUtils::symbolExists(AcDbLayerTableRecord::desc(), L"0", db(), id));
    EXPECT_EQ(id, db()->layerZero());
    EXPECT_FALSE(MavUtils::symbolExists(AcDbTextStyleTableRecord::desc(), L"0", db(), id));
    EXPECT_FALSE(MavUtils::symbolExists(AcDbLine::desc(), L"0", db()));
}
