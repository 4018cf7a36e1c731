// The plot's configuration files: what a "Plot Config" file holds and in which order, saving a
// loaded file again byte for byte, the rules of loading (header, counts, sections in order,
// toolbars and the title in place, failures), the annotation file and the translation file.
// (That a failed load leaves the plot painting is shown with the plot's renderings.)

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/StringList.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/objects/iPlotAnnotation.h"
#include "plotlib/objects/iPlotLimit.h"
#include "plotlib/objects/iPlotTable.h"
#include "plotlib/plot/iPlotLayoutManager.h"
#include "plotlib/plot/iXYPlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ConfigFileTest : ::testing::Test {
    QTemporaryDir dir;
    TiXYPlot plot{nullptr};

    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }
    static QStringList Lines(const QString &Path)
    {
        TStringList lines;
        lines.LoadFromFile(Path);
        return lines.ToStringList();
    }
    static QByteArray Bytes(const QString &Path)
    {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const char *Name, const QStringList &Lines)
    {
        QFile file(Path(Name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    // The path of a line ("Channel0.Color" of "Channel0.Color = 255").
    static QString PathOf(const QString &Line) { return Line.section(QStringLiteral(" = "), 0, 0); }
};

TEST_F(ConfigFileTest, AFreshPlotWritesItsCountsThenItsSectionsThenItself)
{
    plot.SetBackGroundColor(clBtnFace);
    plot.SavePropertiesToFile(Path("fresh.txt"));
    const QStringList lines = Lines(Path("fresh.txt"));
    ASSERT_GT(lines.size(), 13);
    const QStringList header = {
        QStringLiteral("File Type = Plot Config"),
        QStringLiteral("ChannelCount = 1"),
        QStringLiteral("XAxisCount = 1"),
        QStringLiteral("YAxisCount = 1"),
        QStringLiteral("ToolBarCount = 1"),
        QStringLiteral("LegendCount = 1"),
        QStringLiteral("TableCount = 0"),
        QStringLiteral("LabelCount = 1"),
        QStringLiteral("DataViewCount = 1"),
        QStringLiteral("DataCursorCount = 1"),
        QStringLiteral("LimitCount = 0"),
        QStringLiteral("DataViewZHorz = %1").arg(plot.DataViewZHorz()),
        QStringLiteral("DataViewZVert = %1").arg(plot.DataViewZVert()),
    };
    EXPECT_EQ(lines.mid(0, 13), header);

    // The sections in their order, each one run of lines, then the plot's own lines.
    const QStringList kinds = {"Channel0", "XAxis0", "YAxis0",    "ToolBar0",
                               "Legend0",  "Label0", "DataView0", "DataCursor0"};
    QStringList sections;
    int own = 13;
    for (; own < lines.size(); ++own) {
        const QString head = PathOf(lines[own]).section(u'.', 0, 0);
        if (!kinds.contains(head))
            break;
        if (sections.isEmpty() || sections.last() != head)
            sections << head;
    }
    EXPECT_EQ(sections, kinds);
    QStringList ownPaths;
    for (const QString &line : lines.mid(own))
        ownPaths << PathOf(line);
    for (const QString &line : lines.mid(own))
        EXPECT_FALSE(kinds.contains(PathOf(line).section(u'.', 0, 0))) << line.toStdString();
    for (const char *left : {"Name", "Width", "Height", "Visible", "HelpKeyword", "Left", "Top"})
        EXPECT_FALSE(ownPaths.contains(QString::fromLatin1(left))) << left;
    for (const char *line : {"BackGroundColor = -16777201", "XYAxesReverse = 0", "BorderStyle = 2",
                             "Channel0.Visible = 1", "Channel0.Color = 255", "Label0.Caption = Untitled"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;

    plot.SetOptionSaveAllProperties(true);
    plot.SavePropertiesToFile(Path("all.txt"));
    const QStringList all = Lines(Path("all.txt"));
    for (const char *line : {"Width = 500", "Height = 200", "Visible = 1"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(line))) << line;
    EXPECT_EQ(plot.LastPropertiesFileName(), Path("all.txt"));
}

TEST_F(ConfigFileTest, ALoadedFileSavesAgainByteForByte)
{
    // A plot with one object of every kind changed from its defaults.
    plot.AddChannel();
    plot.GetChannel(1)->SetColor(clLime);
    plot.GetChannel(1)->SetTitleText(QStringLiteral("Out 2\r\nlimited"));
    plot.GetXAxis(0)->SetMinSpan(-12.5, 0.001);
    plot.GetYAxis(0)->SetReverseScale(true);
    plot.SetTitleText(QStringLiteral("Compressor"));
    plot.GetLabel(plot.AddLabel())->SetCaption(QStringLiteral("Note"));
    TiPlotTable *table = plot.GetTable(plot.AddTable());
    table->SetRowsMax(4);
    table->SetColumnTitlesVisible(false);
    table->SetGridBackGroundColor(clNavy);
    TiPlotLimit *limit = plot.GetLimit(plot.AddLimit());
    limit->SetStyle(iplsBandX);
    limit->SetLine2Position(75.25);
    limit->SetFillStyle(bsDiagCross);
    plot.GetLegend(0)->SetColumnSpacing(1.75);
    plot.GetToolBar(0)->SetZOrder(4);

    for (bool differential : {false, true}) {
        SCOPED_TRACE(differential ? "differential" : "every property");
        plot.SetDifferentialPropertySave(differential);
        plot.SavePropertiesToFile(Path("first.txt"));
        TiXYPlot loaded(nullptr);
        loaded.LoadPropertiesFromFile(Path("first.txt"));
        EXPECT_EQ(loaded.ChannelCount(), 2);
        EXPECT_EQ(loaded.TableCount(), 1);
        EXPECT_FALSE(loaded.GetTable(0)->ColumnTitlesVisible());
        EXPECT_EQ(loaded.GetChannel(1)->TitleText(), QStringLiteral("Out 2\r\nlimited"));
        loaded.SavePropertiesToFile(Path("second.txt"));
        EXPECT_EQ(Bytes(Path("second.txt")), Bytes(Path("first.txt")));
    }
    EXPECT_TRUE(Lines(Path("first.txt")).contains(QStringLiteral("Channel1.TitleText = Out 2#13#10limited")));
}

TEST_F(ConfigFileTest, LoadingRules)
{
    struct Case {
        const char *name;
        QStringList lines;
        QString message = {};  // empty: loads
        // The loaded plot and its title label from before the load.
        std::function<void(TiXYPlot &, const TiPlotLabel *)> check = {};
    };
    const Case cases[] = {
        {.name = "the header in any case",
         .lines = {"file type = plot config", "ChannelCount = 1", "channel0.color = 65280"},
         .check = [](TiXYPlot &p, const TiPlotLabel *) { EXPECT_EQ(p.GetChannel(0)->Color(), 65280); }},
        {.name = "another file type",
         .lines = {"File Type = TiXYPlot", "ChannelCount = 0"},
         .message = "Error Loading Properties - Incompatible Plot Configuration File Type",
         .check = [](TiXYPlot &p, const TiPlotLabel *) { EXPECT_EQ(p.ChannelCount(), 1) << "nothing changed"; }},
        {.name = "no header",
         .lines = {"ChannelCount = 1"},
         .message = "Error Loading Properties - Incompatible Plot Configuration File Type"},
        {.name = "a decimal comma",
         .lines = {"File Type = Plot Config", "XAxisCount = 1", "XAxis0.Span = 1,5"},
         .check = [](TiXYPlot &p, const TiPlotLabel *) { EXPECT_EQ(p.GetXAxis(0)->Span(), 1.5); }},
        {.name = "two toolbar sections on toolbar 0 in turn",
         .lines = {"File Type = Plot Config", "ToolBarCount = 2", "ToolBar0.ZOrder = 6", "ToolBar0.Visible = 0",
                   "ToolBar1.ZOrder = 7"},
         .check =
             [](TiXYPlot &p, const TiPlotLabel *) {
                 EXPECT_EQ(p.ToolBarCount(), 1);
                 EXPECT_EQ(p.GetToolBar(0)->ZOrder(), 7);
                 EXPECT_FALSE(p.GetToolBar(0)->Visible());
             }},
        {.name = "one label: the title object keeps its place, blanks around its text go",
         .lines = {"File Type = Plot Config", "LabelCount = 1", "Label0.Caption =   padded  "},
         .check =
             [](TiXYPlot &p, const TiPlotLabel *title) {
                 EXPECT_EQ(p.GetLabel(0), title);
                 EXPECT_EQ(p.TitleText(), QStringLiteral("padded"));
             }},
        {.name = "paths that name nothing",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.NoSuchProperty = 5",
                   "Channel0.Font.NoSuchPart = 1", "NoSuchProperty = 1", "HintsPause = 700"},
         .check = [](TiXYPlot &p, const TiPlotLabel *) { EXPECT_EQ(p.HintsPause(), 700); }},
        {.name = "X-axis lines in front of the channel's",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "XAxisCount = 1", "YAxisCount = 1", "XAxis0.Min = 7",
                   "Channel0.Color = 65280", "YAxis0.Min = 3", "TitleText = Reached"},
         .check =
             [](TiXYPlot &p, const TiPlotLabel *) {
                 EXPECT_EQ(p.GetChannel(0)->Color(), 255);
                 EXPECT_EQ(p.GetXAxis(0)->Min(), 7.0);
                 EXPECT_EQ(p.GetYAxis(0)->Min(), 0.0);
                 EXPECT_EQ(p.TitleText(), QStringLiteral("Reached"));
             }},
        {.name = "a count that is no number",
         .lines = {"File Type = Plot Config", "ChannelCount = two"},
         .message = "Error Loading Properties - 'two' is not a valid integer value"},
        {.name = "a value that is no number, once the rebuild started",
         .lines = {"File Type = Plot Config", "ChannelCount = 2", "XAxisCount = 1", "Channel0.Color = 255",
                   "Channel1.Color = red", "XAxis0.Min = 7"},
         .message = "Error Loading Properties - 'red' is not a valid integer value",
         .check =
             [](TiXYPlot &p, const TiPlotLabel *) {
                 EXPECT_EQ(p.ChannelCount(), 2) << "the objects rebuilt stay";
                 EXPECT_EQ(p.XAxisCount(), 0);
                 EXPECT_TRUE(p.Master()->LayoutManager()->Enabled());
                 EXPECT_FALSE(p.UpdateActive());
             }},
        {.name = "a count far beyond the file",
         .lines = {"File Type = Plot Config", "LimitCount = 2000000000"},
         .check = [](TiXYPlot &p, const TiPlotLabel *) { EXPECT_EQ(p.LimitCount(), 0); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TiXYPlot loaded(nullptr);
        const TiPlotLabel *title = loaded.GetLabel(0);
        Write("case.txt", c.lines);
        EXPECT_EQ(MessageOf([&] { loaded.LoadPropertiesFromFile(Path("case.txt")); }), c.message);
        if (c.check)
            c.check(loaded, title);
    }
}

// An enumeration or set value that none of its names stands for is refused with the framework's
// invalid-value error; the property keeps its value and the plot still paints.
TEST_F(ConfigFileTest, ValuesNoNameStandsForAreRefused)
{
    struct Case {
        const char *name;
        QStringList lines;
        bool annotations = false;
        std::function<bool(TiXYPlot &)> unchanged;
    };
    const auto traceStyle = [](TiXYPlot &p) {
        return p.ChannelCount() == 1 && p.GetChannel(0)->TraceLineStyle() == iplsSolid;
    };
    const Case cases[] = {
        {.name = "trace line style 5",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.TraceLineStyle = 5"},
         .unchanged = traceStyle},
        {.name = "trace line style 6",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.TraceLineStyle = 6"},
         .unchanged = traceStyle},
        {.name = "trace line style 50",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.TraceLineStyle = 50"},
         .unchanged = traceStyle},
        {.name = "trace line style 100000",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.TraceLineStyle = 100000"},
         .unchanged = traceStyle},
        {.name = "markers style -11",
         .lines = {"File Type = Plot Config", "ChannelCount = 1", "Channel0.MarkersStyle = -11"},
         .unchanged =
             [](TiXYPlot &p) { return p.ChannelCount() == 1 && p.GetChannel(0)->MarkersStyle() == ipmsCircle; }},
        {.name = "title font pitch 5",
         .lines = {"File Type = Plot Config", "TitleFont.Pitch = 5"},
         .unchanged = [](TiXYPlot &p) { return p.TitleFont()->Pitch() == fpDefault; }},
        {.name = "annotation reference 4",
         .lines = {"AnnotationCount = 1", "Annotation0.ReferencePositionY = 4"},
         .annotations = true,
         .unchanged =
             [](TiXYPlot &p) {
                 return p.AnnotationCount() == 1 && p.GetAnnotation(0)->ReferencePositionY() == ipriAuto;
             }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TiXYPlot loaded(nullptr);
        loaded.SetBounds(0, 0, 300, 200);
        Write("case.txt", c.lines);
        const QString message = MessageOf([&] {
            if (c.annotations)
                loaded.LoadAnnotationsFromFile(Path("case.txt"));
            else
                loaded.LoadPropertiesFromFile(Path("case.txt"));
        });
        EXPECT_EQ(message, QStringLiteral("Error Loading %1 - Invalid property value")
                               .arg(c.annotations ? QStringLiteral("Annotations") : QStringLiteral("Properties")));
        EXPECT_TRUE(c.unchanged(loaded));
        TBitmap bitmap(300, 200);
        loaded.DrawToCanvas(bitmap.Canvas());
    }
}

TEST_F(ConfigFileTest, DifferentialFilesLeaveOutDefaultsAndReadThemBack)
{
    plot.AddChannel();
    plot.GetChannel(0)->SetColor(255);
    plot.GetChannel(1)->SetColor(clLime);
    // Values equal to their declared defaults where new objects start elsewhere.
    plot.GetDataCursor(0)->SetVisible(true);
    plot.GetXAxis(0)->SetTrackingAlignFirstStyle(ipafsMin);
    plot.GetXAxis(0)->TitleFont()->SetStyle(TFontStyles{});
    TiPlotTable *table = plot.GetTable(plot.AddTable());
    table->DataFont()->SetStyle(TFontStyles{});
    plot.SetDifferentialPropertySave(true);
    plot.SavePropertiesToFile(Path("diff.txt"));
    const QStringList lines = Lines(Path("diff.txt"));
    QStringList paths;
    for (const QString &line : lines)
        paths << PathOf(line);
    EXPECT_FALSE(paths.contains(QStringLiteral("Channel0.Color")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Channel1.Color = 65280")));
    EXPECT_FALSE(paths.contains(QStringLiteral("Channel0.Visible"))) << "true is the declared default";

    // The loading plot's channel manager would give channel 0 a palette colour.
    TiXYPlot loaded(nullptr);
    loaded.LoadPropertiesFromFile(Path("diff.txt"));
    EXPECT_EQ(loaded.GetChannel(0)->Color(), 255);
    EXPECT_EQ(loaded.GetChannel(1)->Color(), clLime);
    EXPECT_TRUE(loaded.GetDataCursor(0)->Visible());
    EXPECT_EQ(loaded.GetXAxis(0)->TrackingAlignFirstStyle(), ipafsMin);
    EXPECT_EQ(loaded.GetXAxis(0)->TitleFont()->Style(), TFontStyles{});
    EXPECT_EQ(loaded.GetTable(0)->DataFont()->Style(), TFontStyles{});
}

TEST_F(ConfigFileTest, AnnotationFilesCarryThePublishedPropertiesOnly)
{
    TiPlotAnnotation *text = plot.GetAnnotation(plot.AddAnnotation());
    text->SetText(QStringLiteral("Knee"));
    text->SetX(12.5);
    text->SetFont(text->Font());
    TiPlotAnnotation *polygon = plot.GetAnnotation(plot.AddAnnotation());
    polygon->SetStyle(ipasPolygon);
    polygon->PolyPointAdd(1, 2);
    polygon->PolyPointAdd(3, 4);
    TBitmap picture(4, 4);
    polygon->SetImage(&picture);
    plot.SaveAnnotationsToFile(Path("notes.txt"));
    const QStringList lines = Lines(Path("notes.txt"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("AnnotationCount = 2"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Annotation0.Text = Knee")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Annotation1.Style = 10")));
    for (const QString &line : lines)
        EXPECT_FALSE(PathOf(line).endsWith(QStringLiteral(".PenWidth"))) << "a pen width of 1 is the default";

    // Into a plot whose annotations are drawn thicker by default.
    TiXYPlot loaded(nullptr);
    loaded.AddAnnotation();
    loaded.AddAnnotation();
    loaded.AddAnnotation();
    loaded.SetAnnotationDefaultPenWidth(3);
    loaded.LoadAnnotationsFromFile(Path("notes.txt"));
    ASSERT_EQ(loaded.AnnotationCount(), 2);
    EXPECT_EQ(loaded.GetAnnotation(0)->Text(), QStringLiteral("Knee"));
    EXPECT_EQ(loaded.GetAnnotation(0)->X(), 12.5);
    EXPECT_EQ(loaded.GetAnnotation(0)->PenWidth(), 1);
    EXPECT_EQ(loaded.GetAnnotation(1)->Style(), ipasPolygon);
    EXPECT_EQ(loaded.GetAnnotation(1)->PolyPointsCount(), 0);
    EXPECT_EQ(loaded.GetAnnotation(1)->Image(), nullptr);
    loaded.SaveAnnotationsToFile(Path("again.txt"));
    EXPECT_EQ(Bytes(Path("again.txt")), Bytes(Path("notes.txt")));

    // Without the count line: no annotations at all.
    Write("none.txt", {"Annotation0.Text = Lost"});
    loaded.LoadAnnotationsFromFile(Path("none.txt"));
    EXPECT_EQ(loaded.AnnotationCount(), 0);

    EXPECT_EQ(MessageOf([&] { loaded.LoadAnnotationsFromFile(Path("missing.txt")); }).left(30),
              QStringLiteral("Error Loading Annotations - Ca"));
    EXPECT_EQ(
        MessageOf([&] { loaded.SaveAnnotationsToFile(dir.filePath(QStringLiteral("no/such/folder.txt"))); }).left(27),
        QStringLiteral("Error Saving Annotations - "));
}

TEST_F(ConfigFileTest, TranslationFilesGoThroughTheTranslationList)
{
    plot.AddTranslation(QStringLiteral("Edit..."), QStringLiteral("Bearbeiten..."));
    plot.SaveTranslationsToFile(Path("words.txt"));
    EXPECT_EQ(Bytes(Path("words.txt")), QByteArray("Edit...\tBearbeiten...\r\n"));
    TiXYPlot loaded(nullptr);
    loaded.LoadTranslationsFromFile(Path("words.txt"));
    EXPECT_EQ(loaded.GetTranslationOriginalString(0), QStringLiteral("Edit..."));
    EXPECT_EQ(loaded.GetTranslationReplacementString(0), QStringLiteral("Bearbeiten..."));
    EXPECT_EQ(MessageOf([&] { loaded.GetTranslationOriginalString(1); }),
              QStringLiteral("List index out of bounds (1)"));
    Write("bad.txt", {"no tab here"});
    EXPECT_EQ(MessageOf([&] { loaded.LoadTranslationsFromFile(Path("bad.txt")); }),
              QStringLiteral("Error Loading Data - Invalid Format - Tab Deliminator Missing"));
}

}  // namespace
