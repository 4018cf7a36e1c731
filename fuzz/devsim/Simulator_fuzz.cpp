// What reaches the simulated processor from outside: bytes on a link (the first input byte picks
// how they are cut into writes), a state file, and a control line of options.

#include "devsim/SimOptions.h"
#include "devsim/Simulator.h"
#include "devsim/StateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    switch (mode % 3) {
    case 0: {
        devsim::Simulator sim;
        const std::unique_ptr<devsim::InProcessLink> link = sim.ConnectInProcess();
        const std::size_t piece = 1 + mode / 3;  // writes of 1 to 86 bytes
        for (std::size_t at = 0; at < rest.size() && !link->Dropped(); at += piece)
            link->Write(rest.subspan(at, std::min(piece, rest.size() - at)));
        (void)link->ReadAll();
        break;
    }
    case 1: {
        devsim::ProcessorState state;
        if (devsim::ParseStateFile(devsim::Bytes(rest.begin(), rest.end()), state)) {
            devsim::ProcessorState again;
            if (!devsim::ParseStateFile(devsim::StateFileBytes(state), again))
                std::abort();  // what it reads it writes readably
        }
        break;
    }
    default: {
        const std::string line(rest.begin(), rest.end());
        const std::vector<std::string> args = devsim::SplitControlLine(line);
        devsim::SimOptions options;
        (void)devsim::ParseSimOptions(args, options, true);
        break;
    }
    }
    return 0;
}
