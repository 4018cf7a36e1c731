// The XY plot control: its default objects, the title properties, streaming with a form
// definition, the object collections, the image lists and the events its objects raise.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "TestPlotHost.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsRender.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A channel class that refuses points from X = 2 on, as a strip chart refuses points out of order.
class TRefusingChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TRefusingChannel, TiPlotChannelCustom)
    using TiPlotChannelCustom::TiPlotChannelCustom;
    int AddXY(double X, double Y) override
    {
        if (X >= 2)
            throw Exception(QStringLiteral("refused"));
        return TiPlotChannelCustom::AddXY(X, Y);
    }
};

T_IMPLEMENT_CLASS(TRefusingChannel) {}

namespace {

std::unique_ptr<TiXYPlot> ReadPlot(const QString &Text)
{
    return std::unique_ptr<TiXYPlot>(
        dynamic_cast<TiXYPlot *>(CreateComponentFromText(Text, QStringLiteral("plot.dfm"), nullptr)));
}

// The message of what Call raises, or "" when it raises nothing.
// The compressor page's plot as a form defines it: two channels, axes -100..20, a title and a
// translation of one of the library's texts.
const QString CompressorForm = QStringLiteral(R"(object Plot: TiXYPlot
  TitleText = 'Compressor'
  XAxisManager = <
    item
      Name = 'X-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
  YAxisManager = <
    item
      Name = 'Y-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
  ChannelManager = <
    item
      Name = 'Channel 1'
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end
    item
      Name = 'Channel 2'
      Color = clYellow
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end>
  TranslationManager = <
    item
      OriginalString = 'Edit...'
      ReplacementString = 'Bearbeiten...'
    end>
end
)");

// ---- The control ----------------------------------------------------------------------------------

TEST(XYPlot, ANewPlotHasItsDefaultObjects)
{
    TiXYPlot plot(nullptr);
    EXPECT_EQ(plot.Width(), 500);
    EXPECT_EQ(plot.Height(), 200);
    EXPECT_EQ(plot.BackGroundColor(), clBlack);
    EXPECT_EQ(plot.BorderStyle(), ibsLowered);
    EXPECT_TRUE(plot.AutoFrameRate());
    ASSERT_EQ(plot.ToolBarCount(), 1);
    EXPECT_EQ(plot.GetToolBar(0)->ZOrder(), 3);
    ASSERT_EQ(plot.LegendCount(), 1);
    EXPECT_EQ(plot.GetLegend(0)->ZOrder(), 2);
    EXPECT_EQ(plot.XAxisCount(), 1);
    EXPECT_EQ(plot.YAxisCount(), 1);
    ASSERT_EQ(plot.ChannelCount(), 1);
    EXPECT_NE(dynamic_cast<TiXYPlotChannel *>(plot.TiPlotComponent::GetChannel(0)), nullptr);
    EXPECT_EQ(plot.DataViewCount(), 1);
    EXPECT_EQ(plot.DataCursorCount(), 1);
    ASSERT_EQ(plot.LabelCount(), 1);
    TiPlotLabel *title = plot.GetLabel(0);
    EXPECT_EQ(title->Name(), QStringLiteral("Title"));
    EXPECT_EQ(title->Caption(), QStringLiteral("Untitled"));
    EXPECT_EQ(title->ZOrder(), 2);
    EXPECT_EQ(title->MarginBottom(), 0);
    EXPECT_EQ(plot.TableCount() + plot.LimitCount() + plot.AnnotationCount() + plot.TranslationCount(), 0);
    EXPECT_TRUE(plot.Master()->LayoutManager()->Enabled());
    EXPECT_EQ(plot.GetXAxis(0)->TrackingAlignFirstStyle(), ipafsAuto);
    EXPECT_EQ(plot.GetYAxis(0)->TrackingAlignFirstStyle(), ipafsNone);
}

TEST(XYPlot, TitlePropertiesActOnLabelZeroAndOnNothingWithoutLabels)
{
    TiXYPlot plot(nullptr);
    plot.SetTitleText(QStringLiteral("Compressor"));
    plot.SetTitleMargin(0.5);
    EXPECT_EQ(plot.GetLabel(0)->Caption(), QStringLiteral("Compressor"));
    EXPECT_EQ(plot.GetLabel(0)->MarginBottom(), 0.5);
    EXPECT_EQ(plot.TitleFont(), plot.GetLabel(0)->Font());

    plot.Master()->LabelManager()->Clear();
    plot.SetTitleText(QStringLiteral("ignored"));
    plot.SetTitleVisible(true);
    EXPECT_EQ(plot.TitleText(), QString());
    EXPECT_FALSE(plot.TitleVisible());
    EXPECT_EQ(plot.TitleMargin(), 0);
    EXPECT_EQ(plot.TitleFont(), plot.Font());
    EXPECT_EQ(plot.LabelCount(), 0);
}

TEST(XYPlot, TheTypedChannelGetterRefusesOtherChannelClasses)
{
    TiXYPlot plot(nullptr);
    plot.Master()->SetChannelClass(TiPlotChannelClass::Of<TRefusingChannel>());
    plot.AddChannel();
    EXPECT_NE(plot.GetChannel(0), nullptr);
    EXPECT_THROW(plot.GetChannel(1), EInvalidCast);
}

TEST(XYPlot, RendersItsBackgroundInsideALoweredBorder)
{
    TiXYPlot plot(nullptr);
    const QImage image = RenderControlImage(&plot);
    Keep(image, "xyplot-default");
    ASSERT_EQ(image.width(), 500);
    EXPECT_EQ(At(image, 250, 100), clBlack);
    EXPECT_NE(At(image, 0, 0), clBlack) << "the lowered border";
}

// ---- Streaming ------------------------------------------------------------------------------------

TEST(XYPlotStreaming, AFormRoundTripKeepsObjectsAndProperties)
{
    const auto plot = ReadPlot(CompressorForm);
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->TitleText(), QStringLiteral("Compressor"));
    ASSERT_EQ(plot->ChannelCount(), 2);
    EXPECT_EQ(plot->GetChannel(1)->Color(), clYellow);
    EXPECT_EQ(plot->GetXAxis(0)->Min(), -100);
    EXPECT_EQ(plot->GetXAxis(0)->Max(), 20);
    EXPECT_EQ(plot->GetYAxis(0)->Max(), 20);
    EXPECT_FALSE(plot->GetXAxis(0)->TrackingEnabled());
    ASSERT_EQ(plot->TranslationCount(), 1);
    EXPECT_EQ(plot->GetTranslationManager()->FindReplacement(QStringLiteral("Edit...")),
              QStringLiteral("Bearbeiten..."));

    const QString written = WriteComponentToText(plot.get());
    EXPECT_TRUE(written.contains(QStringLiteral("DataViewZHorz = 1")));
    EXPECT_TRUE(written.contains(QStringLiteral("DataViewZVert = 1")));
    const auto copy = ReadPlot(written);
    ASSERT_TRUE(copy);
    EXPECT_EQ(WriteComponentToText(copy.get()), written);
    EXPECT_EQ(copy->ChannelCount(), 2);
    EXPECT_EQ(copy->GetChannel(1)->Name(), QStringLiteral("Channel 2"));
    EXPECT_EQ(copy->GetYAxis(0)->Min(), -100);
}

TEST(XYPlotStreaming, ReadingHoldsLayoutAndRepaintsUntilLoadedAndWritingTouchesNeither)
{
    const auto plot = ReadPlot(CompressorForm);
    ASSERT_TRUE(plot);
    EXPECT_TRUE(plot->Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(plot->UpdateActive());

    WriteComponentToText(plot.get());
    EXPECT_TRUE(plot->Master()->LayoutManager()->Enabled()) << "the layout goes on after a write";
    EXPECT_FALSE(plot->UpdateActive()) << "changes repaint after a write";
}

TEST(XYPlotStreaming, ImageListsStreamWhenTheyHoldImages)
{
    TiXYPlot plot(nullptr);
    plot.SetName(QStringLiteral("Plot"));
    TBitmap image(24, 24);
    image.Canvas()->FillRect(TRect(0, 0, 24, 24), clRed);
    plot.ImageListAdd(0, &image);
    const QString written = WriteComponentToText(&plot);
    EXPECT_TRUE(written.contains(QStringLiteral("ImageList0 = {")));
    EXPECT_FALSE(written.contains(QStringLiteral("ImageList1")));

    const auto copy = ReadPlot(written);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetImageList(0)->Count(), 1);
    EXPECT_EQ(copy->GetImageList(1)->Count(), 0);

    const QString damaged = QStringLiteral("object Plot: TiXYPlot\n  ImageList1 = {0102}\nend\n");
    const QString message = MessageOf([&] { ReadPlot(damaged); });
    EXPECT_TRUE(message.endsWith(QStringLiteral("Failed to read ImageList data from stream"))) << message.toStdString();
}

TEST(XYPlotStreaming, LoadingKeepsToolbarZeroOutOfTheTitlesBand)
{
    struct Case {
        const char *name;
        const char *labelHorizontal;
        int toolbarZOrder;
    };
    const Case cases[] = {
        {"both horizontal at 2", "True", 3},
        {"the title vertical", "False", 2},
    };
    for (const Case &c : cases) {
        const auto plot = ReadPlot(QStringLiteral(R"(object Plot: TiXYPlot
  ToolBarManager = <
    item
      Name = 'Toolbar 1'
      Horizontal = True
      ZOrder = 2
    end>
  LabelManager = <
    item
      Name = 'Title'
      Horizontal = %1
      ZOrder = 2
    end>
end
)")
                                       .arg(QString::fromLatin1(c.labelHorizontal)));
        ASSERT_TRUE(plot) << c.name;
        EXPECT_EQ(plot->GetToolBar(0)->ZOrder(), c.toolbarZOrder) << c.name;
    }
}

TEST(XYPlotStreaming, NothingFiresWhileAFormStreamsIn)
{
    TiXYPlot plot(nullptr);
    plot.SetName(QStringLiteral("Plot"));
    QStringList fired;
    plot.OnAddChannel = [&](int i) { fired << QStringLiteral("add channel %1").arg(i); };
    plot.OnRemoveChannel = [&](int i) { fired << QStringLiteral("remove channel %1").arg(i); };
    plot.OnAddXAxis = [&](int i) { fired << QStringLiteral("add axis %1").arg(i); };
    plot.OnRemoveXAxis = [&](int i) { fired << QStringLiteral("remove axis %1").arg(i); };
    plot.OnXAxisMinChange = [&](int, double, double) { fired << QStringLiteral("min"); };
    plot.OnXAxisMinSpanChange = [&](int, double, double, double, double) { fired << QStringLiteral("min span"); };
    plot.OnXAxisCustomizeLabel = [&](int, double, QString &) { fired << QStringLiteral("label"); };
    ReadComponentFromText(&plot, CompressorForm, QStringLiteral("plot.dfm"));
    EXPECT_EQ(plot.ChannelCount(), 2);
    EXPECT_TRUE(fired.isEmpty()) << fired.join(u',').toStdString();

    plot.AddChannel();
    EXPECT_EQ(fired, QStringList({"add channel 2"}));
}

TEST(XYPlotStreaming, AxesWriteZeroSeparationsAndReadOldSpanEntries)
{
    TiXYPlot plot(nullptr);
    plot.SetName(QStringLiteral("Plot"));
    plot.GetXAxis(0)->SetLabelSeparation(0);
    const auto copy = ReadPlot(WriteComponentToText(&plot));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetXAxis(0)->LabelSeparation(), 0);
    EXPECT_EQ(copy->GetYAxis(0)->LabelSeparation(), 2);

    const auto old = ReadPlot(QStringLiteral(R"(object Plot: TiXYPlot
  XAxisManager = <
    item
      Name = 'X-Axis 1'
      Span_2 = 50.0
    end>
end
)"));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->GetXAxis(0)->Span(), 50);
}

// ---- Collections ----------------------------------------------------------------------------------

TEST(XYPlotCollections, TheTitleLabelStays)
{
    TiXYPlot plot(nullptr);
    plot.AddLabel();
    plot.AddLabel();
    plot.RemoveAllLabels();
    ASSERT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(plot.GetLabel(0)->Name(), QStringLiteral("Title"));
    EXPECT_EQ(MessageOf([&] { plot.DeleteLabel(0); }),
              QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    EXPECT_EQ(plot.LabelCount(), 1);
}

TEST(XYPlotCollections, NamesAreLookedUpWithoutRegardToCase)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    EXPECT_EQ(plot.GetChannelIndexByName(QStringLiteral("cHANNEL 2")), 1);
    EXPECT_EQ(plot.GetChannelByName(QStringLiteral("channel 1")), plot.GetChannel(0));
    EXPECT_EQ(plot.GetChannelIndexByName(QStringLiteral("Channel 9")), -1);
    EXPECT_EQ(plot.GetChannelByName(QStringLiteral("Channel 9")), nullptr);
    EXPECT_EQ(plot.GetXAxisByName(QStringLiteral("x-axis 1")), plot.GetXAxis(0));
}

TEST(XYPlotCollections, AnIndexOutsideItsManagerRaisesAndChangesNothing)
{
    TiXYPlot plot(nullptr);
    plot.AddTranslation(QStringLiteral("a"), QStringLiteral("b"));
    auto total = [&] {
        return plot.ToolBarCount() + plot.LegendCount() + plot.XAxisCount() + plot.YAxisCount() + plot.ChannelCount() +
               plot.DataViewCount() + plot.DataCursorCount() + plot.LabelCount() + plot.TranslationCount();
    };
    const int before = total();
    const std::function<void()> calls[] = {
        [&] { plot.GetXAxis(1); },
        [&] { plot.GetToolBar(-1); },
        [&] { plot.DeleteChannel(5); },
        [&] { plot.DeleteLabel(-1); },
        [&] { plot.DeleteYAxis(1); },
        [&] { plot.DeleteTranslation(1); },
        [&] { plot.TransferChannelData(0, 3, 0, 0); },
    };
    for (std::size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_TRUE(MessageOf(calls[i]).startsWith(QStringLiteral("List index out of bounds"))) << "call " << i;
        EXPECT_EQ(total(), before) << "call " << i;
    }
}

TEST(XYPlotCollections, TransferringChannelData)
{
    struct Case {
        const char *name;
        int start, stop;
        QString message;
        int copied;
    };
    const Case cases[] = {
        {"stop before start", 5, 4, QString(), 0},
        {"stop at the source count", 0, 6, QStringLiteral("StopIndex Must Out Of Range"), 0},
        {"negative start", -1, 1, QStringLiteral("Start Index Must be 0 or Greater"), 0},
        {"two points", 1, 2, QString(), 2},
    };
    for (const Case &c : cases) {
        TiXYPlot plot(nullptr);
        plot.AddChannel();
        TiPlotChannelCustom *source = plot.GetChannel(0);
        for (double x : {0.0, 1.0, 2.0, 3.0, 4.0, 5.0})
            source->AddXY(x, 10 * x);
        source->SetNull(1, true);
        source->SetEmpty(2, true);
        EXPECT_EQ(MessageOf([&] { plot.TransferChannelData(0, 1, c.start, c.stop); }), c.message) << c.name;
        TiPlotChannelCustom *destination = plot.GetChannel(1);
        ASSERT_EQ(destination->Count(), c.copied) << c.name;
        if (c.copied == 2) {
            EXPECT_EQ(destination->GetY(0), 10);
            EXPECT_TRUE(destination->GetNull(0));
            EXPECT_FALSE(destination->GetEmpty(0));
            EXPECT_TRUE(destination->GetEmpty(1));
        }
    }
}

TEST(XYPlotCollections, TransferringIntoItselfAndARefusedPointTakesBackTheOthers)
{
    TiXYPlot plot(nullptr);
    TiPlotChannelCustom *channel = plot.GetChannel(0);
    for (double x : {0.0, 1.0, 2.0})
        channel->AddXY(x, x);
    plot.TransferChannelData(0, 0, 0, 2);
    ASSERT_EQ(channel->Count(), 6);
    EXPECT_EQ(channel->GetX(5), 2);

    plot.Master()->SetChannelClass(TiPlotChannelClass::Of<TRefusingChannel>());
    TiPlotChannelCustom *refusing = plot.TiPlotComponent::GetChannel(plot.AddChannel());
    refusing->AddXY(-1, -1);
    EXPECT_EQ(MessageOf([&] { plot.TransferChannelData(0, 1, 0, 2); }), QStringLiteral("refused"));
    ASSERT_EQ(refusing->Count(), 1);
    EXPECT_EQ(refusing->GetX(0), -1);
}

TEST(XYPlotCollections, AddingImagesToTheImageLists)
{
    // A 24 x 24 list holding one image, and a bitmap of the given size, red with a magenta
    // transparent colour.
    struct Case {
        const char *name;
        int index, width, height;
        QString message;
        int count;
    };
    const Case cases[] = {
        {"smaller", 0, 16, 16, QString(), 2},
        {"taller only", 0, 24, 30,
         QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"), 1},
        {"larger", 0, 48, 48, QString(), 3},
        {"same size", 0, 24, 24, QString(), 2},
        {"index 3", 3, 24, 24, QStringLiteral("ImageList Index must be 0-2"), 1},
    };
    for (const Case &c : cases) {
        TiXYPlot plot(nullptr);
        TBitmap first(24, 24);
        plot.ImageListAdd(0, &first);
        TBitmap bitmap(c.width, c.height);
        bitmap.Canvas()->FillRect(TRect(0, 0, c.width, c.height), clRed);
        bitmap.SetTransparentColor(clFuchsia);
        EXPECT_EQ(MessageOf([&] { plot.ImageListAdd(c.index, &bitmap); }), c.message) << c.name;
        EXPECT_EQ(plot.GetImageList(0)->Count(), c.count) << c.name;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(bitmap.Width(), c.width) << c.name << ": the caller's bitmap stays";
        }
    }

    TiXYPlot plot(nullptr);
    TBitmap first(24, 24);
    plot.ImageListAdd(0, &first);
    TBitmap small(16, 16);
    small.Canvas()->FillRect(TRect(0, 0, 16, 16), clRed);
    small.SetTransparentColor(clFuchsia);
    plot.ImageListAdd(0, &small);
    ASSERT_EQ(small.Width(), 24) << "the caller's bitmap is the padded one";
    ASSERT_EQ(small.Height(), 24);
    const QImage padded = small.Image();
    EXPECT_EQ(At(padded, 0, 0), clFuchsia);
    EXPECT_EQ(At(padded, 3, 3), clFuchsia);
    EXPECT_EQ(At(padded, 4, 4), clRed);
    EXPECT_EQ(At(padded, 19, 19), clRed);
    EXPECT_EQ(At(padded, 20, 20), clFuchsia);
    const QImage stored = plot.GetImageList(0)->ImageAt(1);
    EXPECT_EQ(qAlpha(stored.pixel(0, 0)), 0) << "the border is transparent";
    EXPECT_EQ(qAlpha(stored.pixel(12, 12)), 255);

    TBitmap firstOfList1(16, 16);
    plot.ImageListAdd(1, &firstOfList1);
    EXPECT_EQ(plot.GetImageList(1)->Width(), 16) << "an empty list takes the first image's size";
    EXPECT_EQ(MessageOf([&] { plot.ImageListClear(-1); }), QStringLiteral("ImageList Index must be 0-2"));
}

// ---- Events ---------------------------------------------------------------------------------------

TEST(XYPlotEvents, AddingAChannelFiresOnceAndAToolbarNothing)
{
    TiXYPlot plot(nullptr);
    QStringList fired;
    auto log = [&](const char *what) {
        return [&fired, what](int i) { fired << QStringLiteral("%1 %2").arg(what).arg(i); };
    };
    plot.OnAddChannel = log("channel");
    plot.OnAddLegend = log("legend");
    plot.OnAddTable = log("table");
    plot.OnAddXAxis = log("x axis");
    plot.OnRemoveChannel = log("removed channel");
    plot.AddChannel();
    plot.AddToolBar();
    plot.AddLabel();
    plot.AddTable();
    plot.DeleteChannel(0);
    EXPECT_EQ(fired, QStringList({"channel 1", "table 0", "removed channel 0"}));
}

TEST(XYPlotEvents, ClicksAndWheelTurnsOfEachKind)
{
    TiXYPlot plot(nullptr);
    QStringList fired;
    plot.OnClickChannel = [&](int i) { fired << QStringLiteral("click channel %1").arg(i); };
    plot.OnDblClickChannel = [&](int i) { fired << QStringLiteral("double click channel %1").arg(i); };
    plot.OnMouseWheelChannel = [&](int, int, TShiftState, int, int) { fired << QStringLiteral("wheel channel"); };
    plot.OnMouseWheelXAxis = [&](int i, int delta, TShiftState, int, int) {
        fired << QStringLiteral("wheel axis %1 %2").arg(i).arg(delta);
    };
    plot.OnPopupMenuLegend = [&](int, bool &Cancel, int, int) { Cancel = true; };
    plot.AddTable();

    plot.DoObjectClick(plot.GetChannel(0));
    plot.GetChannel(0)->iMouseWheel(120, {}, TPoint(5, 5));
    plot.GetXAxis(0)->iMouseWheel(120, {}, TPoint(5, 5));
    plot.SetDBLClickActive(true);
    plot.DoObjectClick(plot.GetChannel(0));
    plot.SetDBLClickActive(true);
    plot.DoObjectClick(plot.GetTable(0));
    EXPECT_FALSE(plot.DBLClickActive()) << "a table click ends the double click";
    plot.DoObjectClick(plot.GetChannel(0));
    EXPECT_EQ(fired, QStringList({"click channel 0", "wheel axis 0 120", "double click channel 0", "click channel 0"}));

    bool cancel = false;
    plot.DoObjectPopupMenu(plot.GetLegend(0), cancel, 0, 0);
    EXPECT_TRUE(cancel);
}

TEST(XYPlotEvents, TrackedPointsRaiseTheScaleEventsOfTheirAxisOnlyWhenTheScaleMoves)
{
    TiXYPlot plot(nullptr);
    plot.AddYAxis();
    TiXYPlotChannel *channel = plot.GetChannel(0);
    channel->SetYAxisName(plot.GetYAxis(1)->Name());
    QStringList log;
    auto value = [&](const char *kind, const char *what) {
        return [&log, kind, what](int i, double o, double n) {
            log << QStringLiteral("%1 %2 %3 %4 %5").arg(kind, what).arg(i).arg(o).arg(n);
        };
    };
    auto minSpan = [&](const char *kind) {
        return [&log, kind](int i, double om, double os, double nm, double ns) {
            log << QStringLiteral("%1 minspan %2 %3 %4 %5 %6").arg(kind).arg(i).arg(om).arg(os).arg(nm).arg(ns);
        };
    };
    plot.OnXAxisMinChange = value("x", "min");
    plot.OnXAxisSpanChange = value("x", "span");
    plot.OnXAxisMinSpanChange = minSpan("x");
    plot.OnYAxisMinChange = value("y", "min");
    plot.OnYAxisSpanChange = value("y", "span");
    plot.OnYAxisMinSpanChange = minSpan("y");

    // Both scales 0..100: X places its first value inside the scale where it is, Y not at all.
    channel->AddXY(50, 50);
    EXPECT_TRUE(log.isEmpty()) << log.join(u',').toStdString();
    channel->AddXY(60, 150);
    EXPECT_EQ(log, QStringList({"y span 1 100 150", "y minspan 1 0 100 0 150"}));
    log.clear();
    channel->AddXY(-10, 20);
    EXPECT_EQ(log, QStringList({"x min 0 0 -10", "x minspan 0 0 100 -10 100"}));
    log.clear();
    channel->AddXY(0, 0);
    EXPECT_TRUE(log.isEmpty()) << "points inside both scales move nothing: " << log.join(u',').toStdString();
}

TEST(XYPlotEvents, TwoMasterAxesMoveEachOtherOnce)
{
    TiXYPlot plot(nullptr);
    plot.AddXAxis();
    TBitmap canvas(10, 10);
    for (int i = 0; i < 2; ++i) {
        TiPlotAxis *axis = plot.GetXAxis(i);
        axis->SetMasterUIInput(true);
        axis->SetDrawRect(TRect(0, 0, 200, 30));
        axis->CalcScaleRect(canvas.Canvas());
    }
    int changes = 0;
    plot.OnXAxisMinSpanChange = [&](int, double, double, double, double) { ++changes; };
    TiPlotAxis *dragged = plot.GetXAxis(0);
    dragged->iMouseDown(mbLeft, {}, 100, 10, 100, 10, nullptr);
    TiHintData hint;
    dragged->iMouseMove(hint, {}, 150, 10, 150, 10, false);
    dragged->iMouseUp(mbLeft, {}, 150, 10, 150, 10, false, nullptr);
    EXPECT_EQ(plot.GetXAxis(0)->Min(), -25);
    EXPECT_EQ(plot.GetXAxis(1)->Min(), -25);
    EXPECT_EQ(changes, 2);
}

}  // namespace
