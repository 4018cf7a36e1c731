#pragma once
// The user's special folders, by the numbers the settings code asks for them (the shell's folder
// identifiers), mapped onto the XDG base directories:
//
//   CSIDL_APPDATA         roaming application data   $XDG_CONFIG_HOME, else ~/.config
//   CSIDL_LOCAL_APPDATA   local application data     $XDG_DATA_HOME, else ~/.local/share
//   CSIDL_PERSONAL        documents                  $XDG_DOCUMENTS_DIR, else ~/Documents
//   CSIDL_COMMON_APPDATA  data of all users          first folder of $XDG_CONFIG_DIRS, else /etc/xdg
//
// A variable that is empty or holds a relative path counts as unset (the XDG rule). Tests point
// the variables at temporary folders.

#include <QString>

constexpr int CSIDL_PERSONAL = 5;
constexpr int CSIDL_APPDATA = 26;
constexpr int CSIDL_LOCAL_APPDATA = 28;
constexpr int CSIDL_COMMON_APPDATA = 35;

// The folder with a trailing '/'; empty for an unknown identifier or when neither the variable
// nor the home folder is known. The folder is not created.
QString SpecialFolderPath(int csidl);

// Full path of the running program's executable; empty when it cannot be found.
QString ProgramFileName();
