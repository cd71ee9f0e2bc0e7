// The curve filter: its defaults, its copies, its bounded layer name and its role ranges.
#include "MavCondition.h"

#include <gtest/gtest.h>

#include <functional>

TEST(MavCondition, StartsAsAMainCurveOnLayerZeroAtPositionOneWithBoxZero)
{
    const MavCondition condition;
    EXPECT_EQ(condition.type(), 2003);
    EXPECT_EQ(condition.layerName(), CString(L"0"));
    EXPECT_EQ(condition.position(), 1);
    EXPECT_EQ(condition.boxName(), 0);
    EXPECT_EQ(condition.adaptToMainCurves(), Mavcad::eOk);
    EXPECT_EQ(condition.adaptToBoxLines(), Mavcad::eInvalidInput);
}

TEST(MavCondition, CopiesCarryAllFourFields)
{
    MavCondition source;
    source.setCurveType(static_cast<Mavcad::CurveType>(205));
    source.setLayerName(L"04-钢筋");
    source.setPosition(7);
    source.setBoxName(3);

    const MavCondition copy(source);
    MavCondition assigned;
    assigned = source;
    for (const MavCondition* c : {&copy, static_cast<const MavCondition*>(&assigned)}) {
        EXPECT_EQ(c->type(), 205);
        EXPECT_EQ(c->layerName(), CString(L"04-钢筋"));
        EXPECT_EQ(c->position(), 7);
        EXPECT_EQ(c->boxName(), 3);
    }
}

TEST(MavCondition, LayerNameLongerThanTheBufferIsCutTo127Characters)
{
    MavCondition condition;
    const std::wstring longName(300, L'层');
    condition.setLayerName(CString(longName));
    EXPECT_EQ(condition.layerName().str(), longName.substr(0, 127));

    condition.setLayerName(CString(std::wstring(127, L'a')));
    EXPECT_EQ(condition.layerName().GetLength(), 127);
    condition.setLayerName(L"");
    EXPECT_EQ(condition.layerName(), CString(L""));
    EXPECT_EQ(condition.hasLayer(), Mavcad::eOk);
}

TEST(MavCondition, PositionIsValidFromOneToTwenty)
{
    MavCondition condition;
    for (const auto& [position, expected] : {std::pair{0, Mavcad::eInvalidInput}, std::pair{1, Mavcad::eOk},
             std::pair{20, Mavcad::eOk}, std::pair{21, Mavcad::eInvalidInput}}) {
        condition.setPosition(position);
        EXPECT_EQ(condition.validPosition(), expected) << position;
    }
}

TEST(MavCondition, RoleRangesIncludeBothBoundsAndNothingBeyond)
{
    using Test = std::function<Mavcad::ErrorStatus(const MavCondition&)>;
    struct Range {
        const char* role;
        Test test;
        int first;
        int last;
    };
    const Range ranges[] = {
        {"assistant", &MavCondition::adaptToArristantLines, -1008, -1000},
        {"ventral", &MavCondition::adaptToVentralLines, 99, 109},
        {"box", &MavCondition::adaptToBoxLines, 200, 217},
        {"link", &MavCondition::adaptToLinkLines, 300, 327},
        {"main", &MavCondition::adaptToMainCurves, 2003, 2008},
    };
    MavCondition condition;
    for (const Range& range : ranges) {
        for (const auto& [type, inside] : {std::pair{range.first - 1, false}, std::pair{range.first, true},
                 std::pair{range.last, true}, std::pair{range.last + 1, false}}) {
            condition.setCurveType(static_cast<Mavcad::CurveType>(type));
            const Mavcad::ErrorStatus expected = inside ? Mavcad::eOk : Mavcad::eInvalidInput;
            EXPECT_EQ(range.test(condition), expected) << range.role << " " << type;
            EXPECT_EQ(condition.adaptToMavCurve(), expected) << range.role << " " << type;
        }
    }
}
