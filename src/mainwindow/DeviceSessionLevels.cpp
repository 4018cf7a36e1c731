// The level poll and the meters and limiter lamps of the channel, Gain and compressor pages.

#include "mainwindow/DeviceSession.h"

#include "mainwindow/LevelMeter.h"

#include <initializer_list>

namespace {

using Names = std::initializer_list<const char *>;

// The meters a level reply sets, per side, and the lamps of an output's limiter, in this order.
// The channel pages' lamps follow the limiter like the Gain and compressor pages' lamps.
constexpr Names InputLevelMeters = {"pbLevelBackup", "pbLevel"};
constexpr Names OutputLevelMeters = {"pbLevelComp", "pbLevelBackup", "pbLevel"};
constexpr Names LimiterLamps = {"pbLimitComp", "pbLimitBackup", "pbLimit"};
// What the reset sets to 0, per side, in this order.
constexpr Names InputResetMeters = {"pbLevel", "pbLevelBackup"};
constexpr Names OutputResetMeters = {"pbLevel", "pbLevelBackup", "pbLevelComp",
                                     "pbLimit", "pbLimitBackup", "pbLimitComp"};

// "pbLevel" and channel 0 give "pbLevelInA"; channel 5 gives "pbLevelOut4".
QString Named(const char *prefix, int ch)
{
    const QString suffix = ch < InputCount ? QStringLiteral("In") + QLatin1Char(ch == 0 ? 'A' : 'B')
                                           : QStringLiteral("Out") + QString::number(ch - 1);
    return QString::fromLatin1(prefix) + suffix;
}

}  // namespace

void DeviceSession::tmInLevelDetTimer()
{
    Send(CMD_LEVELS, 0);
}

bool DeviceSession::OnLevelReply(std::uint8_t, const BSTM &payload)
{
    const std::optional<LevelDisplay> levels = DecodeLevels(payload);
    if (!levels)
        return false;
    // Sets each named control of the channel; false when one is missing.
    auto setAll = [this](Names prefixes, int ch, int value) {
        for (const char *prefix : prefixes)
            if (!view_.SetMeterPosition(Named(prefix, ch), value))
                return false;
        return true;
    };
    // A control that is missing ends the update; later channels keep their positions.
    for (int ch = 0; ch < LevelChannels; ++ch) {
        const int position = levels->positions[static_cast<std::size_t>(ch)];
        if (ch < InputCount) {
            if (!setAll(InputLevelMeters, ch, position))
                return true;
            continue;
        }
        if (!setAll(OutputLevelMeters, ch, position))
            return true;
        // A ratio of 1:1 (slider at 0) never limits, whatever the flag says.
        const std::optional<int> ratio = view_.SliderPosition(Named("isCompRatio", ch));
        if (!ratio)
            return true;
        const int lamp = levels->limiting[static_cast<std::size_t>(ch - InputCount)] && *ratio != 0 ? 1 : 0;
        if (!setAll(LimiterLamps, ch, lamp))
            return true;
        if (SelectedCompChannel == ch && (!view_.SetMeterPosition(QStringLiteral("pbLimitCompOut"), lamp) ||
                                          !view_.SetMeterPosition(QStringLiteral("pbLevelCompOut"), position)))
            return true;
    }
    return true;
}

void DeviceSession::ResetLevelMeters()
{
    for (int ch = 0; ch < LevelChannels; ++ch)
        for (const char *prefix : ch < InputCount ? InputResetMeters : OutputResetMeters)
            if (!view_.SetMeterPosition(Named(prefix, ch), 0))
                return;
    if (view_.SetMeterPosition(QStringLiteral("pbLevelCompOut"), 0))
        view_.SetMeterPosition(QStringLiteral("pbLimitCompOut"), 0);
}
