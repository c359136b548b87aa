#include "core/StoredDatabase.h"

#include <utility>

#include "core/Settings.h"
#include "db/Database.h"

namespace {

// Puts the stored database into the globals for as long as it lives.
class StoredInGlobals {
  public:
    explicit StoredInGlobals(const StoredDatabase& stored)
        : mPath(std::exchange(gDbPath, stored.path)),
          mSignature(std::exchange(gDbSignature, stored.signature)) {}
    ~StoredInGlobals() {
        gDbPath = std::move(mPath);
        gDbSignature = std::move(mSignature);
    }
    StoredInGlobals(const StoredInGlobals&) = delete;
    StoredInGlobals& operator=(const StoredInGlobals&) = delete;

  private:
    std::string mPath;
    std::string mSignature;
};

}  // namespace

void WriteSettingsNaming(const StoredDatabase& stored) {
    const StoredInGlobals swapped(stored);
    WriteSettings();
}
