#pragma once
// The per-user folders of dietlens and creating them.
#include "dietlens/core/problem.h"

#include <QString>

// Numbers of the special folders the program asks for.
enum SpecialFolderNumber : int {
    kDocumentsFolderNumber = 5, // the user's documents
    kAppDataFolderNumber = 26,  // per-user configuration
};

// The path of a special folder with a trailing "/": 26 is the per-user
// configuration folder ($XDG_CONFIG_HOME, else ~/.config), 5 the documents
// folder. An unknown number gives "" and no problem; a folder the system
// cannot name gives "" and SpecialFolderUnknown.
Result<QString, Problem> GetSpecialFolder(int number);

// Creates every missing level of the path (a trailing "/" is added when
// missing). True when the folder exists afterwards. A folder that cannot be
// made (a file in the way, no permission) gives false and no problem, so the
// caller can name it; FolderNotMade is kept for an unexpected failure.
Result<bool, Problem> EnsureFolder(const QString& path);
