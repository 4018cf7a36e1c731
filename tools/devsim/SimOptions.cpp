#include "devsim/SimOptions.h"

#include "devsim/CommandNames.h"
#include "devsim/Processor.h"
#include "devsim/Simulator.h"

#include <charconv>
#include <cstdlib>

namespace devsim {

namespace {

using Error = std::optional<std::string>;

std::optional<long> ParseNumber(const std::string &text, long min, long max)
{
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<double> ParseDecimal(const std::string &text)
{
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        return std::nullopt;
    return value;
}

// "A" or "A:B" into two ints: A in [aMin, aMax], B in [0, bMax]; without B, b is `bDefault`, or a
// when that is not given.
bool ParsePair(const std::string &text, long aMin, long aMax, long bMax, std::optional<long> bDefault, int &a, int &b)
{
    const std::size_t colon = text.find(':');
    const auto first = ParseNumber(text.substr(0, colon), aMin, aMax);
    const auto second = colon != std::string::npos ? ParseNumber(text.substr(colon + 1), 0, bMax) : bDefault ? bDefault : first;
    if (!first || !second)
        return false;
    a = static_cast<int>(*first);
    b = static_cast<int>(*second);
    return true;
}


constexpr long kMaxMs = 600000;
constexpr long kMaxCount = 1000000;

struct Option {
    const char *name;
    const char *argument;  // nullptr: a flag
    const char *help;
    bool startOnly;
    // Takes the value; on a bad one answers what the option needs.
    Error (*apply)(const std::string &value, SimOptions &o);
};

template <bool SimOptions::*Field> Error SetFlag(const std::string &, SimOptions &o)
{
    o.*Field = true;
    return std::nullopt;
}

template <bool FaultSettings::*Field> Error SetFault(const std::string &, SimOptions &o)
{
    o.faults.*Field = true;
    return std::nullopt;
}

template <int FaultSettings::*Field> Error SetCount(const std::string &v, SimOptions &o)
{
    const auto n = ParseNumber(v, 0, kMaxCount);
    if (!n)
        return "a number";
    o.faults.*Field = static_cast<int>(*n);
    return std::nullopt;
}

const Option kOptions[] = {
    {"tcp", "ADDRESS:PORT", "serve TCP clients on this IPv4 address and port (port 0: any free port)", true,
     [](const std::string &v, SimOptions &o) -> Error {
         const std::size_t colon = v.rfind(':');
         const auto port = colon == std::string::npos ? std::nullopt : ParseNumber(v.substr(colon + 1), 0, 65535);
         if (!port || colon == 0)
             return "ADDRESS:PORT";
         o.tcp = true;
         o.tcpAddress = v.substr(0, colon);
         o.tcpPort = static_cast<std::uint16_t>(*port);
         return std::nullopt;
     }},
    {"pty", "PATH", "open a pseudo-terminal (raw, 115200 8N1) and place a symlink to it at PATH", true,
     [](const std::string &v, SimOptions &o) -> Error {
         o.pty = true;
         o.ptyLink = v;
         return std::nullopt;
     }},
    {"seed", "N", "seed of the level noise and of random faults (default 1)", true,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto n = ParseNumber(v, 0, 0xFFFFFFFFL);
         if (!n)
             return "a number";
         o.seed = static_cast<std::uint32_t>(*n);
         return std::nullopt;
     }},
    {"quiet", nullptr, "print no frame trace", true, &SetFlag<&SimOptions::quiet>},
    {"help", nullptr, "show this text and exit", true, &SetFlag<&SimOptions::help>},
    {"id", "N", "device ID 1..250 the processor answers to (default 1)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto n = ParseNumber(v, 1, 250);
         if (!n)
             return "a device ID 1..250";
         o.deviceId = static_cast<int>(*n);
         return std::nullopt;
     }},
    {"identity", "TEXT", "identity reply (default \"VELMTROV316 V011\"; another model or version for tests)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         if (v.size() > 200)
             return "at most 200 characters";
         o.identity = v;
         return std::nullopt;
     }},
    {"lock", "PASSWORD", "operation lock on, with this 4-character password", false,
     [](const std::string &v, SimOptions &o) -> Error {
         if (v.size() != kPasswordSize)
             return "a 4-character password";
         o.lockPassword = v;
         return std::nullopt;
     }},
    {"no-lock", nullptr, "operation lock off", false, &SetFlag<&SimOptions::lockOff>},
    {"level", "DB", "level of the steady input signal in dB (default -12)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto d = ParseDecimal(v);
         if (!d || *d < -140 || *d > 20)
             return "a level in dB, -140..20";
         o.signalDb = *d;
         return std::nullopt;
     }},
    {"noise", "DB", "the levels move by up to this many dB either way (default 3)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto d = ParseDecimal(v);
         if (!d || *d < 0 || *d > 60)
             return "a level in dB, 0..60";
         o.noiseDb = *d;
         return std::nullopt;
     }},
    {"state", "FILE", "load the processor's state (a unit file, or one saved by --save); at once while running", false,
     [](const std::string &v, SimOptions &o) -> Error {
         o.loadFile = v;
         return std::nullopt;
     }},
    {"save", "FILE", "save the processor's state to FILE when stopping; at once while running", false,
     [](const std::string &v, SimOptions &o) -> Error {
         o.saveFile = v;
         return std::nullopt;
     }},
    {"silent", nullptr, "fault: answer nothing", false, &SetFault<&FaultSettings::silent>},
    {"silent-after", "N", "fault: answer N frames, then nothing", false, &SetCount<&FaultSettings::silentAfterFrames>},
    {"delay", "MS[:MAX]", "fault: delay every reply by MS milliseconds, or by a random time from MS to MAX", false,
     [](const std::string &v, SimOptions &o) -> Error {
         FaultSettings &f = o.faults;
         if (!ParsePair(v, 0, kMaxMs, kMaxMs, std::nullopt, f.delayMs, f.delayMaxMs) || f.delayMaxMs < f.delayMs)
             return "MS or MIN:MAX milliseconds";
         return std::nullopt;
     }},
    {"wrong-source", "ADDRESS", "fault: replies carry this source address (0..255) instead of the device ID", false,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto n = ParseNumber(v, 0, 255);
         if (!n)
             return "an address 0..255";
         o.faults.wrongSource = static_cast<int>(*n);
         return std::nullopt;
     }},
    {"bad-checksum", nullptr, "fault: every reply has a wrong checksum byte", false, &SetFault<&FaultSettings::badChecksum>},
    {"garbage", "N", "fault: N stray bytes before every reply", false, &SetCount<&FaultSettings::garbageBytes>},
    {"split", "N[:GAP]", "fault: write replies N bytes at a time, GAP milliseconds apart (default 0)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         if (!ParsePair(v, 1, kMaxCount, kMaxMs, 0, o.faults.splitBytes, o.faults.splitGapMs))
             return "N or N:GAP";
         return std::nullopt;
     }},
    {"merge", "N[:HOLD]", "fault: hold replies until N go out in one write, or the first has waited HOLD ms (default 200)", false,
     [](const std::string &v, SimOptions &o) -> Error {
         if (!ParsePair(v, 1, 100, kMaxMs, FaultSettings{}.mergeHoldMs, o.faults.mergeFrames, o.faults.mergeHoldMs))
             return "N or N:HOLD";
         return std::nullopt;
     }},
    {"drop-after", "N", "fault: close the link once N frames have come in (the last one answered)", false,
     &SetCount<&FaultSettings::dropAfterFrames>},
    {"refuse", "CODE", "fault: leave requests with this command code (number or name, e.g. 34 or SYSTEM_PARAMS) unanswered and undone; repeatable", false,
     [](const std::string &v, SimOptions &o) -> Error {
         const auto code = ParseCommand(v);
         if (!code)
             return "a command code or name";
         o.faults.refused.insert(*code);
         return std::nullopt;
     }},
    {"no-faults", nullptr, "clear every fault", false,
     [](const std::string &, SimOptions &o) -> Error {
         o.faults = FaultSettings{};
         return std::nullopt;
     }},
};

const Option *FindOption(const std::string &name)
{
    for (const Option &o : kOptions)
        if (name == o.name)
            return &o;
    return nullptr;
}

}  // namespace

std::optional<std::string> ParseSimOptions(std::span<const std::string> args, SimOptions &options, bool running)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string word = args[i];
        if (running && word == "quit") {
            options.quit = true;
            continue;
        }
        const bool dashed = word.rfind("--", 0) == 0;
        if (!dashed && !running)
            return "unexpected argument '" + word + "'";
        std::string name = dashed ? word.substr(2) : word;
        std::string value;
        bool hasValue = false;
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasValue = true;
        }
        const Option *option = FindOption(name);
        if (!option)
            return "unknown option '" + word + "'";
        if (running && option->startOnly)
            return "--" + name + " can only be given at start";
        if (option->argument && !hasValue) {
            if (i + 1 >= args.size())
                return "--" + name + " needs " + option->argument;
            value = args[++i];
        } else if (!option->argument && hasValue) {
            return "--" + name + " takes no value";
        }
        if (Error need = option->apply(value, options))
            return "--" + name + " needs " + *need + ", got '" + value + "'";
    }
    return std::nullopt;
}

std::vector<std::string> SplitControlLine(const std::string &line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (any)
                words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words.push_back(word);
    return words;
}

bool ApplySimOptions(Simulator &sim, const SimOptions &o, std::string *error)
{
    if (!o.loadFile.empty() && !sim.LoadState(o.loadFile, error))
        return false;
    sim.WithProcessor([&](Processor &p) {
        ProcessorState &s = p.State();
        if (o.deviceId)
            s.deviceId = static_cast<std::uint8_t>(*o.deviceId);
        if (o.identity)
            s.identity = *o.identity;
        if (o.lockOff)
            p.SetLock(false, {});
        if (o.lockPassword)
            p.SetLock(true, *o.lockPassword);
        if (o.signalDb)
            p.Levels().SetSignalDb(*o.signalDb);
        if (o.noiseDb)
            p.Levels().SetNoiseDb(*o.noiseDb);
    });
    if (sim.Faults() != o.faults)
        sim.SetFaults(o.faults);
    return true;
}

std::string SimUsage()
{
    std::string text =
        "Usage: trov316-sim (--tcp ADDRESS:PORT | --pty PATH)... [OPTIONS]\n"
        "\n"
        "A simulated TROV316 processor for tests and demos. It answers the editor's requests on\n"
        "every link it serves, keeps its program, 31 presets, EEPROM header and lock, and prints\n"
        "every frame it receives and sends. SIGINT or SIGTERM stop it.\n"
        "\n"
        "Options:\n";
    for (const Option &o : kOptions) {
        std::string left = std::string("  --") + o.name + (o.argument ? std::string(" ") + o.argument : "");
        left.resize(std::max<std::size_t>(left.size() + 2, 26), ' ');
        text += left + o.help + "\n";
    }
    text +=
        "\n"
        "While it runs, each line on standard input is read as options (faults, processor\n"
        "settings, --state, --save; the leading \"--\" may be left out), e.g. \"delay 500\",\n"
        "\"--silent\", \"no-faults\", \"lock 1234\", \"save /tmp/unit.unt\"; \"quit\" stops it.\n"
        "\n"
        "Exit status: 0 when stopped, 1 when a link or file could not be opened, 2 for bad options.\n";
    return text;
}

}  // namespace devsim
