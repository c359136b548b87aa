#include "support/ConnectedDuzedo.h"

ConnectedDuzedo::ConnectedDuzedo(const std::string& label,
                                 const std::function<void(const std::string&)>& write)
    : dir_(label) {
    gDbPath = (dir_ / "duzedo.mdb").string();
    write(gDbPath);
    connected_ = ConnectDb(gDbPath, &error_);
    SetCurrentLocale(MakeFixedLocale());
}

ConnectedDuzedo::~ConnectedDuzedo() {
    DisconnectDb();
    SetCurrentLocale(nullptr);
}
