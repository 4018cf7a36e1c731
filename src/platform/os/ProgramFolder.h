#pragma once
// The folder the program's executable lies in, and moving the working folder there.

#include <string>

namespace os {

std::string ProgramFolder();       // absolute, without a trailing slash; empty if unknown
bool ChangeToProgramFolder();      // false (and the working folder unchanged) on failure

}  // namespace os
