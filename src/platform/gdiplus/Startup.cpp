// Start-up, shut-down and the memory of the flat interface.

#include <cstdlib>

#include "platform/gdiplus/GdiPlusFlat.h"

namespace {

// GUI thread only, as the rest of the stand-in.
gdiplus::Counters counters;
int running = 0;  // start-ups not yet shut down

Status NotificationHook(ULONG *token)
{
    if (!token)
        return InvalidParameter;
    *token = 1;
    return Ok;
}

void NotificationUnhook(ULONG) {}

}  // namespace

Status GdiplusStartup(ULONG_PTR *token, const GdiplusStartupInput *input, GdiplusStartupOutput *output)
{
    if (!token || !input)
        return InvalidParameter;
    if (input->GdiplusVersion < 1 || input->GdiplusVersion > 2)
        return UnsupportedGdiplusVersion;
    // The background thread may only be left out when the caller takes the notification hooks.
    if (input->SuppressBackgroundThread && !output)
        return InvalidParameter;
    if (output) {
        output->NotificationHook = &NotificationHook;
        output->NotificationUnhook = &NotificationUnhook;
    }
    ++counters.Startups;
    ++running;
    *token = static_cast<ULONG_PTR>(counters.Startups);
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token)
{
    if (token == 0 || running == 0)
        return;
    ++counters.Shutdowns;
    --running;
}

void *GdipAlloc(std::size_t size)
{
    if (running == 0)
        return nullptr;
    void *p = std::malloc(size == 0 ? 1 : size);
    if (p)
        ++counters.LiveAllocations;
    return p;
}

void GdipFree(void *ptr)
{
    if (!ptr)
        return;
    std::free(ptr);
    --counters.LiveAllocations;
}

namespace gdiplus {

Counters GetCounters()
{
    return counters;
}

bool Started()
{
    return running > 0;
}

}  // namespace gdiplus
