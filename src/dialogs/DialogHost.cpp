#include "dialogs/DialogHost.h"

#include <stdexcept>

namespace {

DialogHost *registeredHost = nullptr;

}  // namespace

void SetDialogHost(DialogHost *host)
{
    registeredHost = host;
}

DialogHost &Host()
{
    if (!registeredHost)
        throw std::logic_error("no dialog host is registered");
    return *registeredHost;
}
