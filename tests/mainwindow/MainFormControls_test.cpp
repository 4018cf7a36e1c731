// Every control the main window and the channel pages look up by name is in the main form's
// definition under that name and of a class that does what the lookup expects: a handler that
// looks a control up ends silently at a missing name, so a missing or misspelt control would only
// show as a page that stops halfway.

#include "QStringPrinter.h"

#include "mainwindow/FMain.h"
#include "pages/PageControlFamilies.h"
#include "platform/runtime/PropInfo.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace {

// What a lookup expects of a control: the classes that are of that kind.
using Kind = std::set<QString>;
const Kind Label = {"TLabel", "TRzLabel"};
const Kind BitmapButton = {"TRzBmpButton"};
const Kind LedButton = {"TVrPowerButton", "TVrDemoButton"};
const Kind GroupBox = {"TRzGroupBox"};
// The pages' panels: framed panels and group boxes of the skinned set.
const Kind Panel = {"TRzPanel", "TRzGroupBox"};
const Kind Image = {"TImage"};
const Kind Slider = {"TAdvTrackBar"};
const Kind Edit = {"TCurvyEdit"};
const Kind ResponsePlot = {"LMyFFTDrawPhase"};
const Kind BandTable = {"TMyPEQAllpass"};
const Kind Meter = {"LProgressBar"};
const Kind Shape = {"TShape"};
const Kind PaintBox = {"TPaintBox"};
const Kind XYPlot = {"TiXYPlot"};
const Kind ComboBox = {"TRzComboBox"};

const QStringList Suffixes = {"InA", "InB", "Out1", "Out2", "Out3", "Out4"};
const QStringList InputSuffixes = {"InA", "InB"};
const QStringList OutputSuffixes = {"Out1", "Out2", "Out3", "Out4"};

struct Lookup {
    const char *prefix;
    const Kind *kind;
    const QStringList *suffixes;  // null: the name as it stands
};

// Fixed names: the regions, the page groups, the Gain, Delay, Compressor and Matrix pages' own
// controls, the background pictures and the page buttons.
const Lookup Fixed[] = {
    {"rzgFunction", &GroupBox, nullptr},
    {"rzgMain", &GroupBox, nullptr},
    {"rzgPreset", &GroupBox, nullptr},
    {"rzbMenuGain", &BitmapButton, nullptr},
    {"rzbMenuComp", &BitmapButton, nullptr},
    {"rzbMenuDelay", &BitmapButton, nullptr},
    {"rzbMenuMatrix", &BitmapButton, nullptr},
    {"rzbMenuLink", &BitmapButton, nullptr},
    {"lbShowIdNumber", &Label, nullptr},
    {"imLeftUpBase", &Image, nullptr},
    {"imRightUpBase", &Image, nullptr},
    {"imLeftDownBase", &Image, nullptr},
    {"imRightDownBase", &Image, nullptr},
    {"fftDrawGainIn", &ResponsePlot, nullptr},
    {"fftDrawGainOut", &ResponsePlot, nullptr},
    {"rzgFftShowChIn", &GroupBox, nullptr},
    {"rzgFftShowChOut", &GroupBox, nullptr},
    {"lbFftGainIn", &Label, nullptr},
    {"lbFftGainOut", &Label, nullptr},
    {"lbGainInput", &Label, nullptr},
    {"lbGainOutput", &Label, nullptr},
    {"plFftDelayIn", &Panel, nullptr},
    {"plFftDelayOut", &Panel, nullptr},
    {"lbFftDelayIn", &Label, nullptr},
    {"lbFftDelayOut", &Label, nullptr},
    {"lbDelayInput", &Label, nullptr},
    {"lbDelayOutput", &Label, nullptr},
    {"lbDelayUnit", &Label, nullptr},
    {"rzbUnit0", &BitmapButton, nullptr},
    {"rzbUnit1", &BitmapButton, nullptr},
    {"rzbUnit2", &BitmapButton, nullptr},
    {"ipComp", &XYPlot, nullptr},
    {"lbCompName", &Label, nullptr},
    {"lbHeadCompOut", &Label, nullptr},
    {"plLevelCompOut", &Panel, nullptr},
    {"pbLevelCompOut", &Meter, nullptr},
    {"pbLimitCompOut", &Meter, nullptr},
    {"pbMatrix", &PaintBox, nullptr},
    {"vrbShowAGain", &LedButton, nullptr},
    {"vrbShowBGain", &LedButton, nullptr},
    {"vrbShow1Gain", &LedButton, nullptr},
    {"vrbShow4Gain", &LedButton, nullptr},
};

// Names of one control per channel: prefix plus suffix.
const Lookup PerChannel[] = {
    // Page groups and buttons.
    {"rzgFft", &GroupBox, &Suffixes},
    {"rzgParam", &GroupBox, &Suffixes},
    {"rzgFftShowCh", &GroupBox, &Suffixes},
    {"rzbMenu", &BitmapButton, &Suffixes},
    // Channel pages: plot, band table, captions, buttons.
    {"fftDraw", &ResponsePlot, &Suffixes},
    {"peqPeq", &BandTable, &Suffixes},
    {"lbFftParam", &Label, &Suffixes},
    {"lbGain", &Label, &Suffixes},
    {"lbEqParam", &Label, &Suffixes},
    {"lbEqFreq", &Label, &Suffixes},
    {"lbEqBw", &Label, &Suffixes},
    {"lbEqGain", &Label, &Suffixes},
    {"lbEq", &Label, &Suffixes},
    {"lbLowCutFreq", &Label, &Suffixes},
    {"lbLowCutSlop", &Label, &Suffixes},
    {"lbHighCutFreq", &Label, &Suffixes},
    {"lbHighCutSlop", &Label, &Suffixes},
    {"rzbMute", &BitmapButton, &Suffixes},
    {"rzbPhase", &BitmapButton, &Suffixes},
    {"rzbLowCutBypass", &BitmapButton, &Suffixes},
    {"rzbHighCutBypass", &BitmapButton, &Suffixes},
    {"vrbEqShowAll", &LedButton, &Suffixes},
    {"vrbEqReset", &LedButton, &Suffixes},
    {"vrbEqBypass", &LedButton, &Suffixes},
    {"isGain", &Slider, &Suffixes},
    {"cvdGain", &Edit, &Suffixes},
    {"isEqFreq", &Slider, &Suffixes},
    {"isEqBw", &Slider, &Suffixes},
    {"isEqGain", &Slider, &Suffixes},
    {"cvdEqFreq", &Edit, &Suffixes},
    {"isLowCutFreq", &Slider, &Suffixes},
    {"isHighCutFreq", &Slider, &Suffixes},
    {"rzcLowCutSlop", &ComboBox, &Suffixes},
    {"rzcHighCutSlop", &ComboBox, &Suffixes},
    {"rzbEq1", &BitmapButton, &Suffixes},
    {"rzbEq8", &BitmapButton, &Suffixes},
    {"rzbEq9", &BitmapButton, &OutputSuffixes},
    {"lbCompRatio", &Label, &OutputSuffixes},
    {"lbCompThreshold", &Label, &OutputSuffixes},
    {"lbCompAttack", &Label, &OutputSuffixes},
    {"lbCompRelease", &Label, &OutputSuffixes},
    // Gain page.
    {"isGainBackup", &Slider, &Suffixes},
    {"cvdGainBackup", &Edit, &Suffixes},
    {"rzbMuteBackup", &BitmapButton, &Suffixes},
    {"rzbPhaseBackup", &BitmapButton, &Suffixes},
    // Level meters and lamps.
    {"pbLevelBackup", &Meter, &Suffixes},
    {"pbLevel", &Meter, &Suffixes},
    {"pbLevelComp", &Meter, &OutputSuffixes},
    {"pbLimitComp", &Meter, &OutputSuffixes},
    {"pbLimitBackup", &Meter, &OutputSuffixes},
    {"pbLimit", &Meter, &OutputSuffixes},
    {"plLevelComp", &Panel, &OutputSuffixes},
    // Compressor page columns.
    {"rzgComp", &GroupBox, &OutputSuffixes},
    {"lbComp", &Label, &OutputSuffixes},
    {"isCompThreshold", &Slider, &OutputSuffixes},
    {"isCompRatio", &Slider, &OutputSuffixes},
    {"isCompAttack", &Slider, &OutputSuffixes},
    {"isCompRelease", &Slider, &OutputSuffixes},
    {"cvdCompThreshold", &Edit, &OutputSuffixes},
    {"cvdCompRatio", &Edit, &OutputSuffixes},
    {"cvdCompAttack", &Edit, &OutputSuffixes},
    {"cvdCompRelease", &Edit, &OutputSuffixes},
    // Delay page.
    {"imDelay", &Image, &Suffixes},
    {"isDelay", &Slider, &Suffixes},
    {"cvdDelay", &Edit, &Suffixes},
    {"lbDelayLine", &Label, &Suffixes},
    {"lbDelayShow", &Label, &Suffixes},
    {"lbFftDelayTime", &Label, &Suffixes},
    // Matrix page: rows and their blocks, the route buttons.
    {"plMatrix", &Panel, &Suffixes},
    {"lbMatrixName", &Label, &Suffixes},
    {"lbMatrixChName", &Label, &Suffixes},
    {"spMatrixName", &Shape, &Suffixes},
    {"rzbAMatrix", &BitmapButton, &OutputSuffixes},
    {"rzbBMatrix", &BitmapButton, &OutputSuffixes},
    {"rzbCMatrix", &BitmapButton, &OutputSuffixes},
    {"rzbDMatrix", &BitmapButton, &OutputSuffixes},
};

// The blocks of the matrix rows, each a label and its frame shape.
const QStringList InputBlocks = {"Gain", "Mute", "HpLp", "Peq", "Phase", "Delay"};
const QStringList OutputBlocks = {"Xover", "Peq", "Gain", "Comp", "Phase", "Delay", "Mute"};

// The scale labels of the compressor page's meters.
const QStringList ScaleLabels = {"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};

QStringList FormLines()
{
    QFile file(QStringLiteral(":/forms/TfmMain.dfm"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).split(QChar(u'\n'));
}

// Name -> class of every object of the main form's definition.
std::map<QString, QString> FormObjects()
{
    std::map<QString, QString> objects;
    static const QRegularExpression object(QStringLiteral(R"(^\s*object (\w+): (\w+)\s*$)"));
    for (const QString &line : FormLines()) {
        const QRegularExpressionMatch m = object.match(line);
        if (m.hasMatch()) {
            EXPECT_TRUE(objects.emplace(m.captured(1), m.captured(2)).second)
                << "twice: " << m.captured(1).toStdString();
        }
    }
    return objects;
}

// One object of the definition as the reader sees it: its class, Tag (0 when not written) and the
// handlers its events name.
struct FormObject {
    QString className;
    int tag = 0;
    std::set<QString> handlers;
};

std::map<QString, FormObject> FormObjectsWithProperties()
{
    static const QRegularExpression object(QStringLiteral(R"(^\s*object (\w+): (\w+)\s*$)"));
    static const QRegularExpression tag(QStringLiteral(R"(^\s*Tag = (-?\d+)\s*$)"));
    static const QRegularExpression event(QStringLiteral(R"(^\s*On\w+ = (\w+)\s*$)"));
    std::map<QString, FormObject> objects;
    std::vector<QString> open;  // the objects whose properties may follow, innermost last
    for (const QString &line : FormLines()) {
        if (const QRegularExpressionMatch m = object.match(line); m.hasMatch()) {
            open.push_back(m.captured(1));
            objects[open.back()].className = m.captured(2);
        } else if (line.trimmed() == QLatin1String("end")) {
            if (!open.empty())
                open.pop_back();
        } else if (open.empty()) {
            continue;
        } else if (const QRegularExpressionMatch t = tag.match(line); t.hasMatch()) {
            objects[open.back()].tag = t.captured(1).toInt();
        } else if (const QRegularExpressionMatch e = event.match(line); e.hasMatch()) {
            objects[open.back()].handlers.insert(e.captured(1));
        }
    }
    return objects;
}

void ExpectControl(const std::map<QString, QString> &objects, const QString &name, const Kind &kind)
{
    const auto it = objects.find(name);
    if (it == objects.end()) {
        ADD_FAILURE() << "missing: " << name.toStdString();
        return;
    }
    EXPECT_TRUE(kind.count(it->second)) << name.toStdString() << " is a " << it->second.toStdString();
}

}  // namespace

TEST(MainFormControls, EveryControlLookedUpByNameExistsWithItsKind)
{
    const std::map<QString, QString> objects = FormObjects();
    ASSERT_GT(objects.size(), 500u);
    for (const Lookup &l : Fixed)
        ExpectControl(objects, QString::fromLatin1(l.prefix), *l.kind);
    for (const Lookup &l : PerChannel)
        for (const QString &suffix : *l.suffixes)
            ExpectControl(objects, QString::fromLatin1(l.prefix) + suffix, *l.kind);
    for (const QString &suffix : InputSuffixes)
        for (const QString &block : InputBlocks) {
            ExpectControl(objects, "lbMatrix" + block + suffix, Label);
            ExpectControl(objects, "spMatrix" + block + suffix, Shape);
        }
    for (const QString &suffix : OutputSuffixes)
        for (const QString &block : OutputBlocks) {
            ExpectControl(objects, "lbMatrix" + block + suffix, Label);
            ExpectControl(objects, "spMatrix" + block + suffix, Shape);
        }
    for (const QString &scale : ScaleLabels) {
        ExpectControl(objects, "lb" + scale + "CompOut", Label);
        for (const QString &suffix : OutputSuffixes)
            ExpectControl(objects, "lb" + scale + "Comp" + suffix, Label);
    }
}

TEST(MainFormControls, EveryChannelControlCarriesItsChannelInItsTag)
{
    // The handlers take the channel from the Tag; spot-check the controls a gain edit goes through.
    QFile file(QStringLiteral(":/forms/TfmMain.dfm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QChar(u'\n'));
    for (int c = 0; c < 6; ++c)
        for (const char *prefix : {"isGain", "rzbMute", "rzbPhase", "isDelay", "peqPeq"}) {
            const QString head = "object " + QString::fromLatin1(prefix) + Suffixes[c] + ":";
            const auto at = std::find_if(lines.begin(), lines.end(),
                                         [&](const QString &l) { return l.trimmed().startsWith(head); });
            ASSERT_NE(at, lines.end()) << head.toStdString();
            const auto tag = std::find_if(at, lines.end(), [](const QString &l) {
                return l.trimmed().startsWith("Tag = ") || l.trimmed() == "end";
            });
            ASSERT_NE(tag, lines.end());
            EXPECT_EQ(tag->trimmed(), QString("Tag = %1").arg(c)) << head.toStdString();
        }
}

TEST(MainFormControls, EveryControlFamilyOfThePagesIsThereWithItsClassAndChannel)
{
    const std::map<QString, FormObject> objects = FormObjectsWithProperties();
    const auto check = [&](const QString &name, const char *className, std::optional<int> channel) {
        const auto it = objects.find(name);
        ASSERT_NE(it, objects.end()) << "missing: " << name.toStdString();
        EXPECT_EQ(it->second.className, QString::fromLatin1(className)) << name.toStdString();
        if (channel) {
            EXPECT_EQ(it->second.tag, *channel) << name.toStdString();
        }
    };
    for (const PageControlFamily &family : PageControlFamilies()) {
        const int first = family.Has == PageControlFamily::OutputsOnly ? 2 : 0;
        for (int c = first; c < 6; ++c)
            check(QString::fromLatin1(family.Prefix) + Suffixes[c], family.ClassName,
                  family.TagIsChannel ? std::optional<int>(c) : std::nullopt);
    }
    for (const PageSingleControl &single : PageSingleControls())
        check(QString::fromLatin1(single.Name), single.ClassName, std::nullopt);
}

TEST(MainFormControls, EveryHandlerOfTheMainWindowAndItsPagesIsBoundToAnEvent)
{
    std::set<QString> bound;
    for (const auto &[name, object] : FormObjectsWithProperties())
        bound.insert(object.handlers.begin(), object.handlers.end());
    // The Gain page's jump has no control of its own: nothing of the window binds it.
    const std::set<QString> unbound = {"lbMatrixGainInAClick"};
    const std::vector<THandlerInfo> &handlers = TfmMain::StaticClass().Handlers();
    ASSERT_GT(handlers.size(), 100u);
    for (const THandlerInfo &handler : handlers)
        EXPECT_EQ(bound.count(handler.Name), unbound.count(handler.Name) ? 0u : 1u) << handler.Name.toStdString();
}

// The level handlers set a meter's position to a count of scale marks (9 for an input, 8 for an
// output) and a lamp's to 0 or 1: each meter's maximum and segments must be that count, or a level
// lights nothing.
TEST(MainFormControls, EveryMeterHasOneSegmentPerMarkOfItsScaleAndEveryLampOne)
{
    static const QRegularExpression object(QStringLiteral(R"(^\s*object (\w+): (\w+)\s*$)"));
    static const QRegularExpression number(QStringLiteral(R"(^\s*(\w+) = (-?\d+)\s*$)"));
    std::map<QString, std::map<QString, int>> meters;
    QString open;
    for (const QString &line : FormLines()) {
        if (const QRegularExpressionMatch m = object.match(line); m.hasMatch())
            open = m.captured(2) == QLatin1String("LProgressBar") ? m.captured(1) : QString();
        else if (line.trimmed() == QLatin1String("end"))
            open.clear();
        else if (const QRegularExpressionMatch n = number.match(line); n.hasMatch() && !open.isEmpty())
            meters[open][n.captured(1)] = n.captured(2).toInt();
    }
    ASSERT_EQ(meters.size(), 30u);
    for (const auto &[name, props] : meters) {
        SCOPED_TRACE(name.toStdString());
        const bool lamp = name.startsWith(QLatin1String("pbLimit"));
        const bool input = name.contains(QRegularExpression(QStringLiteral("In[AB]$")));
        const auto value = [&](const char *key, int fallback) {
            const auto it = props.find(QString::fromLatin1(key));
            return it == props.end() ? fallback : it->second;
        };
        const int segments = value("FirstNum", 1) + value("SecondNum", 1) + value("ThirdNum", 3);
        EXPECT_EQ(value("Max", 100), lamp ? 1 : input ? 9 : 8);
        EXPECT_EQ(segments, value("Max", 100));
    }
}
