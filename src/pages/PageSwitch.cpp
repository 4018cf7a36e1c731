#include "pages/PageSwitch.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/LinkGroups.h"
#include "pages/PageControls.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

namespace {

constexpr TColor ShownPageColour = 0x00FF00;
constexpr TColor OtherPageColour = 0xFFFFFF;

// The boxes of a page.
struct PageBoxes {
    TRzGroupBox *Plot = nullptr;
    TRzGroupBox *Parameters = nullptr;
    bool Found() const { return Plot && Parameters; }
};

PageBoxes FindBoxes(PageHost &host, int boxes)
{
    const QString suffix = PageSuffix(boxes);
    return {FindPageControl<TRzGroupBox>(host, QStringLiteral("rzgFft") + suffix),
            FindPageControl<TRzGroupBox>(host, QStringLiteral("rzgParam") + suffix)};
}

TRzBmpButton *PageButton(PageHost &host, int page)
{
    const QString suffix = PageSuffix(page);
    return suffix.isEmpty() ? nullptr : FindPageControl<TRzBmpButton>(host, QStringLiteral("rzbMenu") + suffix);
}

}  // namespace

QString PageSuffix(int page)
{
    static const char *const Pages[] = {"Comp", "Delay", "Gain", "Matrix"};
    if (IsChannel(page))
        return ChannelSuffix(page);
    if (page >= PageComp && page < PageCount)
        return QString::fromLatin1(Pages[page - PageComp]);
    return {};
}

int PageSwitch::ShownChannel(int page) const
{
    if (!IsChannel(page))
        return page;
    const int count = LinkGroups::SideChannelCount(page);
    const int sideBits = (1 << count) - 1;
    LUnitControl &model = host_.UnitControl();
    if ((model.GetLinkMask(page) & sideBits) != 0)
        return page;
    for (int k = 0; k < count; ++k) {
        const int c = LinkGroups::SideChannel(page, k);
        if ((model.GetLinkMask(c) & LinkGroups::OwnBit(page)) != 0)
            return c;
    }
    return page;
}

void PageSwitch::rzbMenuInAClick(TObject *Sender)
{
    auto *button = SenderAs<TRzBmpButton>(Sender);
    if (!button)
        return;
    const auto p = static_cast<int>(button->Tag());
    if (p == currentPage_ || PageSuffix(p).isEmpty())
        return;
    host_.SetSerialExtraWrites(1);

    auto *leftButton = PageButton(host_, currentPage_);
    const PageBoxes left = FindBoxes(host_, IsChannel(currentPage_) ? shownBoxes_ : currentPage_);
    if (!leftButton || !left.Found())
        return;
    leftButton->Font()->SetColor(OtherPageColour);

    const int d = ShownChannel(p);
    const PageBoxes shown = FindBoxes(host_, d);
    if (!shown.Found())
        return;
    if (IsChannel(p)) {
        // The head's total in the member's colour, and the member's name on the head's boxes.
        Plot &curves = host_.GetPlot(d);
        curves.RemoveCurve(PlotCurveSlots::ChannelTotal);
        curves.DrawCurve(PlotCurveSlots::ChannelTotal, static_cast<TColor>(ChannelColors[static_cast<std::size_t>(p)]));
        if (auto *plot = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", d))
            plot->UpdateCurvePage();
        const auto labels = FindChannelControls<TLabel, TLabel>(host_, d, "lbFftChannel", "lbGainName");
        if (!labels)
            return;
        std::get<0>(*labels)->SetCaption(ChannelSuffix(p));
        std::get<1>(*labels)->SetCaption(ChannelSuffix(p));
    }
    button->Font()->SetColor(ShownPageColour);

    left.Parameters->SetVisible(false);
    left.Plot->SetVisible(false);
    shown.Parameters->SetVisible(true);
    shown.Plot->SetVisible(true);
    shown.Parameters->BringToFront();
    shown.Plot->BringToFront();

    if (p == PageGain)
        overlays_.RefreshGainPageCurves();
    else
        overlays_.RefreshOverlayCurves(p);
    currentPage_ = p;
    shownBoxes_ = d;
}

// ---- Overview jumps --------------------------------------------------------------------------------

void PageSwitch::PressPageButton(TRzBmpButton *button)
{
    if (!button)
        return;
    button->Click();
    button->SetDown(true);
    if (auto *matrix = PageButton(host_, PageMatrix))
        matrix->SetDown(false);
}

void PageSwitch::PressPage(int page)
{
    PressPageButton(PageButton(host_, page));
}

void PageSwitch::lbMatrixHpLpInAClick(TObject *Sender)
{
    if (auto *label = SenderAs<TLabel>(Sender); label && TagChannel(*label) >= 0)
        PressPage(TagChannel(*label));
}

void PageSwitch::lbMatrixDelayInAClick(TObject *)
{
    PressPage(PageDelay);
}

void PageSwitch::lbMatrixCompOut1Click(TObject *)
{
    PressPage(PageComp);
}

void PageSwitch::lbMatrixGainInAClick(TObject *)
{
    PressPage(PageGain);
}
