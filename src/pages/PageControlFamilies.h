#pragma once
// Every control family the channel pages look up by name: the prefix, the class the lookup
// expects, the channels that have one (prefix + channel suffix) and whether its Tag is the
// channel. The main window's form definition must hold each of them; a test of a form checks it
// against this table.

#include <span>

struct PageControlFamily {
    enum Channels { AllChannels, OutputsOnly };
    const char *Prefix;
    const char *ClassName;
    Channels Has;
    bool TagIsChannel;
};

std::span<const PageControlFamily> PageControlFamilies();

// The controls of the pages that exist once, with their class.
struct PageSingleControl {
    const char *Name;
    const char *ClassName;
};

std::span<const PageSingleControl> PageSingleControls();
