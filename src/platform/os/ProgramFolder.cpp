#include "platform/os/ProgramFolder.h"

#include <unistd.h>

#include <vector>

namespace os {

std::string ProgramFolder()
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(n));
            const auto slash = path.rfind('/');
            if (slash == std::string::npos)
                return {};
            return slash == 0 ? std::string("/") : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);  // the path may have been cut: try again with more room
    }
}

bool ChangeToProgramFolder()
{
    const std::string folder = ProgramFolder();
    return !folder.empty() && chdir(folder.c_str()) == 0;
}

}  // namespace os
