// Blocks inserted and drawings attached through the host's commands, host modules, the host's
// folder, and wipeouts over an entity or behind an aligned dimension's text.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbLine.h"
#include "AcDbRotatedDimension.h"
#include "AcDbWipeout.h"
#include "AcGeMatrix3d.h"

#include <algorithm>
#include <cwctype>

using BlocksMasks = CadkitFixture;

TEST_F(BlocksMasks, InsertingABlockPlacesAReferenceAndEmptyNamesSendNothing)
{
    ASSERT_EQ(MavUtils::createBlockRecord(L"BRI-BZJT"), Acad::eOk);
    MavUtils::insertBlock(L"BRI-BZJT", AcGePoint3d(10, 20, 0), 1, 1, 1, 0);
    const std::vector<AcDbObjectId> ids = entitiesOf(db()->modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    AcDbBlockReference* ref = nullptr;
    ASSERT_EQ(acdbOpenObject(ref, ids[0], AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ref->position(), AcGePoint3d(10, 20, 0));
    EXPECT_EQ(ref->rotation(), 0.0);
    ref->close();

    MavUtils::insertBlock(L"", AcGePoint3d(0, 0, 0), 1, 1, 1, 0);
    MavUtils::attachDwg(L"", AcGePoint3d(0, 0, 0), 1, 1, 1, 0);
    EXPECT_NE(transcript().find(L"\n块名为空 出现异常!\n参照文件名为空 出现异常!"), std::wstring::npos);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()).size(), 1u);
}

TEST_F(BlocksMasks, ModulesAreFoundByNameWithoutRegardToCase)
{
    std::wstring upper = L"" CORBELKIT_LIBRARY;
    EXPECT_EQ(MavUtils::arxFileIsLoaded(upper.c_str()), 0);
    ASSERT_EQ(MavUtils::loadArxFile(L"" CORBELKIT_LIBRARY), 1);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
    EXPECT_EQ(MavUtils::arxFileIsLoaded(upper.c_str()), 1);
    EXPECT_EQ(MavUtils::arxFileIsLoaded(L"libcorbelkit"), 0);
    EXPECT_TRUE(app().dynamicLinker().unloadModule(L"libcorbelkit.so"));

    CString folder;
    EXPECT_EQ(MavUtils::autoCADPathName(folder), 1);
    EXPECT_FALSE(folder.IsEmpty());
}

TEST_F(BlocksMasks, AWipeoutOverAnEntitysExtents)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(2, 1, 0), AcGePoint3d(12, 6, 0)));
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::createAcDbRasterImage(id, line), Acad::eOk);
    AcDbWipeout* wipeout = openWipeoutFramed(id, AcGePoint3d(2, 1, 0), AcGeVector3d(10, 0, 0), AcGeVector3d(0, 10, 0));
    ASSERT_NE(wipeout, nullptr);
    AcGeMatrix3d pixelToModel;
    wipeout->getPixelToModelTransform(pixelToModel);
    ASSERT_EQ(wipeout->clipBoundary().length(), 5);
    const AcGePoint2d corner = wipeout->clipBoundary()[2];
    EXPECT_TRUE(AcGePoint3d(corner.x, corner.y, 0).transformBy(pixelToModel).isEqualTo(AcGePoint3d(2, 1, 0)));
    wipeout->close();

    // An entity that does not open has no extents to cover.
    MavUtils::deleteObj(line);
    AcDbObjectId none;
    EXPECT_EQ(MavUtils::createAcDbRasterImage(none, line), Acad::eWasErased);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), (std::vector<AcDbObjectId>{id}));
}

TEST_F(BlocksMasks, AnAlignedDimensionsTextIsMaskedAndRotatedOnesAreNot)
{
    const AcDbObjectId rotated = add(
        new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 0, 0), AcGePoint3d(15, 8, 0)));
    AcDbObjectId maskId;
    EXPECT_EQ(MavUtils::createMaskForDimentionText(maskId, rotated), Acad::eOk);
    EXPECT_TRUE(maskId.isNull());

    const AcDbObjectId aligned
        = add(new AcDbAlignedDimension(AcGePoint3d(0, 20, 0), AcGePoint3d(30, 20, 0), AcGePoint3d(15, 28, 0)));
    const AcDbObjectId above = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(30, 30, 0)));
    EXPECT_EQ(MavUtils::createMaskForDimentionText(maskId, aligned), Acad::eOk);
    ASSERT_FALSE(maskId.isNull());
    EXPECT_EQ(tableDrawOrder(), (std::vector<AcDbObjectId>{rotated, above, maskId, aligned}));

    // Without the host's wipeout class there is no mask, and nothing moves.
    AcRxObject* classes = app().sysRegistry().remove(ACRX_CLASS_DICTIONARY);
    AcDbObjectId stale = above;
    EXPECT_NE(MavUtils::createMaskForDimentionText(stale, aligned), Acad::eOk);
    app().sysRegistry().atPut(ACRX_CLASS_DICTIONARY, classes);
    EXPECT_EQ(stale, above);
    EXPECT_EQ(tableDrawOrder(), (std::vector<AcDbObjectId>{rotated, above, maskId, aligned}));
}
