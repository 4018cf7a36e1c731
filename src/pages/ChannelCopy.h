#pragma once
// Channel copy and reload, the two operations the copy dialog and the link-group dialog call.
// Online both go through the processor: it copies (or just acknowledges), and its acknowledgement
// starts a complete re-read that ends in the refresh from the model. Offline both work on the
// model and refresh the window at once.

#include "pages/PageHost.h"

class LinkGroups;
class ModelRefresh;

class ChannelCopy {
public:
    ChannelCopy(PageHost &host, LinkGroups &links, ModelRefresh &refresh)
        : host_(host), links_(links), refresh_(refresh)
    {}

    // Copies the source channel's settings onto the destination (offline: onto every channel of
    // the destination's group; the name, routing and link mask stay). Nothing at all unless both
    // are channels of one side and differ: the copy dialog may hand over no selection.
    void CopyChannel(int source, int destination, bool refresh);
    // Reads every parameter again: online from the processor, offline from the model.
    void ReloadAllParameters();

private:
    PageHost &host_;
    LinkGroups &links_;
    ModelRefresh &refresh_;
};
