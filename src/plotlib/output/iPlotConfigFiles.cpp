// TiPlotComponent: the "Plot Config" file of the whole plot, the annotation file, and the
// translation file operations, which belong to the translation list.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/PropInfo.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "platform/runtime/TypInfo.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/plot/iPlotTranslation.h"

#include <algorithm>
#include <exception>
#include <functional>

namespace {

// The kinds of a "Plot Config" file in their order: the count line's name, the sections' kind
// word, and how to reach the objects of the plot.
struct Kind {
    const char *Count;
    const char *Word;
    int (TiPlotComponent::*Number)() const;
    TObject *(*Item)(const TiPlotComponent &, int);
};

template <class T, T *(TiPlotComponent::*Get)(int) const>
TObject *ItemOf(const TiPlotComponent &Plot, int Index)
{
    return (Plot.*Get)(Index);
}

const Kind Kinds[] = {
    {"ChannelCount", "Channel", &TiPlotComponent::ChannelCount,
     &ItemOf<TiPlotChannelCustom, &TiPlotComponent::GetChannel>},
    {"XAxisCount", "XAxis", &TiPlotComponent::XAxisCount, &ItemOf<TiPlotXAxis, &TiPlotComponent::GetXAxis>},
    {"YAxisCount", "YAxis", &TiPlotComponent::YAxisCount, &ItemOf<TiPlotYAxis, &TiPlotComponent::GetYAxis>},
    {"ToolBarCount", "ToolBar", &TiPlotComponent::ToolBarCount, &ItemOf<TiPlotToolBar, &TiPlotComponent::GetToolBar>},
    {"LegendCount", "Legend", &TiPlotComponent::LegendCount, &ItemOf<TiPlotLegend, &TiPlotComponent::GetLegend>},
    {"TableCount", "Table", &TiPlotComponent::TableCount, &ItemOf<TiPlotTable, &TiPlotComponent::GetTable>},
    {"LabelCount", "Label", &TiPlotComponent::LabelCount, &ItemOf<TiPlotLabel, &TiPlotComponent::GetLabel>},
    {"DataViewCount", "DataView", &TiPlotComponent::DataViewCount,
     &ItemOf<TiPlotDataView, &TiPlotComponent::GetDataView>},
    {"DataCursorCount", "DataCursor", &TiPlotComponent::DataCursorCount,
     &ItemOf<TiPlotDataCursor, &TiPlotComponent::GetDataCursor>},
    {"LimitCount", "Limit", &TiPlotComponent::LimitCount, &ItemOf<TiPlotLimit, &TiPlotComponent::GetLimit>},
};

// The plot's own properties a file leaves out unless all are wanted.
const char *const CommonProperties[] = {"Left", "Top",     "Width",   "Height", "Align",       "Cursor",     "ShowHint",
                                        "Tag",  "Visible", "Enabled", "Hint",   "HelpContext", "HelpKeyword"};

QString Prefix(const char *Word, int Index)
{
    return QString::fromLatin1(Word) + QString::number(Index);
}

QString ReasonOf(const std::exception &Failure)
{
    const auto *framework = dynamic_cast<const Exception *>(&Failure);
    return framework ? framework->Message() : QString::fromUtf8(Failure.what());
}

// Runs Steps; a failure comes back as a framework exception of Prefix and its own message.
void Reported(const QString &Prefix, const std::function<void()> &Steps)
{
    try {
        Steps();
    } catch (const std::exception &e) {
        throw Exception(Prefix + ReasonOf(e));
    }
}

// A count line's number (0 when the line is missing). A file holds at least one line per object
// (its name), so a count above the lines left is cut to them rather than making objects by the
// million.
int ExtractCount(const QString &Key, TStrings *Lines)
{
    QString value;
    if (!iExtractValue(Key, value, Lines))
        return 0;
    return std::min(StrToInt(value), Lines->Count());
}

// Sets every ordinal property of Instance (and of its owned sub-objects) that declares a default
// to that default: what a differential file leaves out then reads back as it was written.
void ResetToDeclaredDefaults(TObject *Instance)
{
    for (const TPropInfo &prop : Instance->ClassType().Properties()) {
        if (!prop.IsStored(*Instance) || !prop.Writable())
            continue;
        if (IsOrdinalKind(prop.Kind)) {
            if (prop.OrdDefault && prop.GetOrd(*Instance) != *prop.OrdDefault)
                prop.SetOrd(*Instance, *prop.OrdDefault);
        } else if (prop.Kind == TTypeKind::Class && !prop.IsReference) {
            if (auto *sub = dynamic_cast<TPersistent *>(prop.GetObject(*Instance)))
                ResetToDeclaredDefaults(sub);
        }
    }
}

}  // namespace

// ---- "Plot Config" ------------------------------------------------------------------------------

void TiPlotComponent::SavePropertiesToFile(const QString &FileName)
{
    Reported(QStringLiteral("Error Saving Properties - "), [&] {
        TStringList skip;
        skip.Add(QStringLiteral("Name"));
        if (!OptionSaveAllProperties())
            for (const char *name : CommonProperties)
                skip.Add(QString::fromLatin1(name));

        TStringList lines;
        lines.Add(QStringLiteral("File Type = Plot Config"));
        for (const Kind &kind : Kinds)
            lines.Add(QString::fromLatin1(kind.Count) + QStringLiteral(" = ") +
                      QString::number((this->*kind.Number)()));
        lines.Add(QStringLiteral("DataViewZHorz = ") + QString::number(DataViewZHorz()));
        lines.Add(QStringLiteral("DataViewZVert = ") + QString::number(DataViewZVert()));
        for (const Kind &kind : Kinds)
            for (int i = 0; i < (this->*kind.Number)(); ++i)
                iWritePropertiesToList(kind.Item(*this, i), Prefix(kind.Word, i), &lines, FDifferentialPropertySave,
                                       nullptr);
        iWritePropertiesToList(this, QString(), &lines, FDifferentialPropertySave, &skip);

        iSaveLinesToFile(&lines, FileName);
        FLastPropertiesFileName = FileName;
        if (OnAfterSaveProperties)
            OnAfterSaveProperties(this);
    });
}

void TiPlotComponent::LoadPropertiesFromFile(const QString &FileName)
{
    Reported(QStringLiteral("Error Loading Properties - "), [&] {
        if (OnBeforeLoadProperties)
            OnBeforeLoadProperties(this);
        TStringList lines;
        lines.LoadFromFile(FileName);
        QString type;
        if (!iExtractValue(QStringLiteral("File Type"), type, &lines) || !SameText(type, QStringLiteral("Plot Config")))
            throw Exception(QStringLiteral("Incompatible Plot Configuration File Type"));

        // Whatever fails from here on, the plot lays itself out and repaints again afterwards.
        DisableLayoutManager();
        BeginUpdate();
        const TiScopeExit resume([this] {
            EnableLayoutManager();
            EndUpdate();
        });

        int counts[std::size(Kinds)] = {};
        for (std::size_t k = 0; k < std::size(Kinds); ++k)
            counts[k] = ExtractCount(QString::fromLatin1(Kinds[k].Count), &lines);
        QString value;
        if (iExtractValue(QStringLiteral("DataViewZHorz"), value, &lines))
            SetDataViewZHorz(StrToInt(value));
        if (iExtractValue(QStringLiteral("DataViewZVert"), value, &lines))
            SetDataViewZVert(StrToInt(value));

        RemoveAllLegends();
        RemoveAllTables();
        RemoveAllLabels();
        RemoveAllLimits();
        RemoveAllXAxes();
        RemoveAllYAxes();
        RemoveAllDataViews();
        RemoveAllChannels();
        RemoveAllAnnotations();
        RemoveAllDataCursors();

        // Each kind's objects made anew (toolbars and the title excepted) and given their
        // sections, in the file's order. A new object starts at the declared defaults, which are
        // what a differential file leaves out: a channel's colour 255 rather than the next
        // palette colour, a visible data cursor, a font that is not bold.
        auto fresh = [](TObject *Object) {
            ResetToDeclaredDefaults(Object);
            return Object;
        };
        const std::function<TObject *(int)> make[] = {
            [&](int) { return fresh(GetChannel(AddChannel())); },
            [&](int) { return fresh(GetXAxis(AddXAxis())); },
            [&](int) { return fresh(GetYAxis(AddYAxis())); },
            // Every toolbar section goes to toolbar 0 (to nothing when the plot has none).
            [this](int) { return ToolBarCount() > 0 ? GetToolBar(0) : nullptr; },
            [&](int) { return fresh(GetLegend(AddLegend())); },
            [&](int) { return fresh(GetTable(AddTable())); },
            [&](int Index) { return Index == 0 && LabelCount() > 0 ? GetLabel(0) : fresh(GetLabel(AddLabel())); },
            [&](int) { return fresh(GetDataView(AddDataView())); },
            [&](int) { return fresh(GetDataCursor(AddDataCursor())); },
            [&](int) { return fresh(GetLimit(AddLimit())); },
        };
        for (std::size_t k = 0; k < std::size(Kinds); ++k)
            for (int i = 0; i < counts[k]; ++i)
                iReadPropertiesFromList(make[k](i), Prefix(Kinds[k].Word, i), &lines);
        iReadPropertiesFromList(this, QString(), &lines);
        FLastPropertiesFileName = FileName;
    });
    if (OnAfterLoadProperties)
        OnAfterLoadProperties(this);
}

// ---- Annotations --------------------------------------------------------------------------------

void TiPlotComponent::SaveAnnotationsToFile(const QString &FileName)
{
    Reported(QStringLiteral("Error Saving Annotations - "), [&] {
        TStringList lines;
        lines.Add(QStringLiteral("AnnotationCount = ") + QString::number(AnnotationCount()));
        for (int i = 0; i < AnnotationCount(); ++i)
            iWritePropertiesToList(GetAnnotation(i), Prefix("Annotation", i), &lines, true, nullptr);
        iSaveLinesToFile(&lines, FileName);
    });
}

void TiPlotComponent::LoadAnnotationsFromFile(const QString &FileName)
{
    Reported(QStringLiteral("Error Loading Annotations - "), [&] {
        TStringList lines;
        lines.LoadFromFile(FileName);
        BeginUpdate();
        const TiScopeExit end([this] { EndUpdate(); });
        RemoveAllAnnotations();
        const int count = ExtractCount(QStringLiteral("AnnotationCount"), &lines);
        for (int i = 0; i < count; ++i) {
            TiPlotAnnotation *annotation = GetAnnotation(AddAnnotation());
            // The file left out what equals the declared defaults, not the plot's annotation
            // defaults (a thicker pen, a bold font) the new annotation took.
            ResetToDeclaredDefaults(annotation);
            iReadPropertiesFromList(annotation, Prefix("Annotation", i), &lines);
        }
    });
}

// ---- Translations -------------------------------------------------------------------------------

void TiPlotComponent::SaveTranslationsToFile(const QString &FileName)
{
    GetTranslationManager()->SaveToFile(FileName);
}

void TiPlotComponent::LoadTranslationsFromFile(const QString &FileName)
{
    GetTranslationManager()->LoadFromFile(FileName);
}

QString TiPlotComponent::GetTranslationOriginalString(int Index) const
{
    return GetTranslationManager()->Items(Index)->OriginalString();
}

QString TiPlotComponent::GetTranslationReplacementString(int Index) const
{
    return GetTranslationManager()->Items(Index)->ReplacementString();
}
