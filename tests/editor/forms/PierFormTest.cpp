// The pier form: the piers of the derived half of a symmetric skeleton refuse a double click.
#include "CBentCapFormNFView.h"
#include "FormsTestSupport.h"

namespace {

class PierFormTest : public FormsTest {
protected:
    // Double-clicks the pier's form; true when the refusal was shown.
    bool Refused(int pier)
    {
        const std::size_t before = m_boxes->Boxes().size();
        EXPECT_TRUE(Choose(10 + pier));
        auto* form = Current<CBentCapFormNFView>();
        EXPECT_NE(form, nullptr);
        EXPECT_EQ(form->GetPier(), pier);
        form->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 20));
        if (m_boxes->Boxes().size() == before)
            return false;
        EXPECT_EQ(BoxTexts().back(), L"[不能操作] 对称情况下，本墩柱不能进行修改操作，请修改其对称墩柱！");
        return true;
    }
};

} // namespace

TEST_F(PierFormTest, DerivedPiersOfASymmetricSkeletonRefuseEdits)
{
    OpenSample();
    ASSERT_EQ(Design().GetBarSkeletonSymmetric(), 1);
    // Three piers: the middle one is edited, the third not.
    EXPECT_FALSE(Refused(1));
    EXPECT_FALSE(Refused(2));
    EXPECT_TRUE(Refused(3));
    // Four piers: the third and fourth not.
    Design().GetSupportDistances().Add(100);
    m_frame->RefreshViews(TRUE);
    const bool expected[] = {false, false, true, true};
    for (int pier = 1; pier <= 4; ++pier)
        EXPECT_EQ(Refused(pier), expected[pier - 1]) << pier;
    // Without the symmetry every pier is edited.
    Design().SetBarSkeletonSymmetric(0);
    EXPECT_FALSE(Refused(4));
}
