#pragma once

#include <string>

// The database the settings file names, set aside while this run works on another one (a PATH
// given on the command line). Settings written during the run keep naming it, with the signature
// its misc cache was checked against, so a one-off look at another file neither changes the
// user's choice nor throws that database's cache away.
struct StoredDatabase {
    std::string path;
    std::string signature;
};

// Writes the settings as WriteSettings does, with the stored database in the place of gDbPath
// and gDbSignature; both globals are as they were afterwards.
void WriteSettingsNaming(const StoredDatabase& stored);
