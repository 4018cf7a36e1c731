// The routing matrix: the lines drawn between the inputs and the outputs, the routing buttons and
// the matrix command.

#include "PagesFixture.h"

#include "pages/MatrixPage.h"
#include "platform/ui/PaintBox.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

namespace {

constexpr TColor Purple = 0x800080;
constexpr TColor Olive = 0x008080;

class MatrixPageTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestMatrix"); }

    // The colour at the middle of the line from input i to output j, as the page shows it.
    TColor Middle(int input, int output)
    {
        auto &box = Control<TPaintBox>(QStringLiteral("pbMatrix"));
        const TPoint a = MatrixRouteStart(input, form->ExtraHeightValue);
        const TPoint b = MatrixRouteEnd(output, box.Width(), form->ExtraHeightValue);
        const TPoint at = box.ClientToParent(TPoint((a.X + b.X) / 2, (a.Y + b.Y) / 2), form.get());
        const QRgb p = Shot().pixel(at.X, at.Y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }

    QImage Shot() { return RenderControlImage(form.get()); }
};

TEST_F(MatrixPageTest, TheFactoryRoutingDrawsFourLines)
{
    auto &box = Control<TPaintBox>(QStringLiteral("pbMatrix"));
    ASSERT_EQ(box.Width(), 97);
    ASSERT_EQ(box.Height(), 178);
    EXPECT_EQ(MatrixRouteStart(0, 0), TPoint(0, 38));
    EXPECT_EQ(MatrixRouteStart(1, 0), TPoint(0, 142));
    EXPECT_EQ(MatrixRouteEnd(0, 97, 0), TPoint(97, 2));
    EXPECT_EQ(MatrixRouteEnd(3, 97, 0), TPoint(97, 173));
    EXPECT_EQ(Middle(0, 0), Purple);
    EXPECT_EQ(Middle(0, 2), Purple);
    EXPECT_EQ(Middle(1, 1), Olive);
    EXPECT_EQ(Middle(1, 3), Olive);
    // No line from In A to Out 2 nor from In B to Out 1.
    EXPECT_EQ(Middle(0, 1), clBlack);
    EXPECT_EQ(Middle(1, 0), clBlack);
}

TEST_F(MatrixPageTest, PressingARoutingButtonSetsTheMaskSendsItAndDrawsTheLine)
{
    auto &button = Control<TRzBmpButton>(QStringLiteral("rzbBMatrixOut1"));
    TInputRouter::Click(form.get(), button.ClientToParent(TPoint(10, 10), form.get()));
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(form->Model.GetOutputSource(ChOut1), 3);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_MATRIX, {2, 3})}));
    ASSERT_EQ(form->Sent.size(), 0u);
    EXPECT_EQ(Middle(1, 0), Olive);
    EXPECT_EQ(Middle(0, 0), Purple);
    // Routing is per output: Out 3, fed by In A like Out 1, is unchanged.
    EXPECT_EQ(form->Model.GetOutputSource(ChOut3), 1);

    // Releasing In A leaves Out 1 on In B alone; releasing that too silences it.
    auto &inA = Control<TRzBmpButton>(QStringLiteral("rzbAMatrixOut1"));
    TInputRouter::Click(form.get(), inA.ClientToParent(TPoint(10, 10), form.get()));
    EXPECT_EQ(form->Model.GetOutputSource(ChOut1), 2);
    TInputRouter::Click(form.get(), button.ClientToParent(TPoint(10, 10), form.get()));
    EXPECT_EQ(form->Model.GetOutputSource(ChOut1), 0);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_MATRIX, {2, 2}), Frame(CMD_MATRIX, {2, 0})}));
    EXPECT_EQ(Middle(0, 0), clBlack);
    EXPECT_EQ(Middle(1, 0), clBlack);
}

TEST_F(MatrixPageTest, TheRowsMoveDownWithTheExtraHeight)
{
    EXPECT_EQ(MatrixRouteStart(1, 90).Y, 187);
    EXPECT_EQ(MatrixRouteStart(0, 90).Y, 38);
    EXPECT_EQ(MatrixRouteEnd(2, 97, 90).Y, 170);
    EXPECT_EQ(MatrixRouteEnd(0, 97, 91).Y, 20);
    // Drawn where they are computed (the paint box grows with the window).
    form->ExtraHeightValue = 90;
    Control<TPaintBox>(QStringLiteral("pbMatrix")).SetHeight(178 + 90);
    EXPECT_EQ(Middle(1, 1), Olive);
    EXPECT_EQ(Middle(0, 2), Purple);
}

TEST_F(MatrixPageTest, WhileControlsUpdateAButtonStoresTheMaskWithoutSending)
{
    form->ControlsUpdating = true;
    auto &button = Control<TRzBmpButton>(QStringLiteral("rzbAMatrixOut4"));
    button.SetDown(true);
    button.Click();
    EXPECT_EQ(form->Model.GetOutputSource(ChOut4), 3);
    EXPECT_TRUE(form->Sent.empty());
    form->ControlsUpdating = false;
    EXPECT_EQ(Middle(0, 3), Purple);
}

}  // namespace
