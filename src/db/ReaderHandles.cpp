#include "db/ReaderHandles.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>
#endif

namespace access_detail {

#ifdef _WIN32

namespace {

// The extended start-up information CreateProcess reads after the modifier has returned, so it
// lives as long as the modifier that fills it.
class HandleList {
  public:
    HandleList() = default;
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
    ~HandleList() {
        if (initialised_) ::DeleteProcThreadAttributeList(attributes());
    }

    void apply(QProcess::CreateProcessArguments* args) {
        if (initialised_) ::DeleteProcThreadAttributeList(attributes());
        initialised_ = false;
        const STARTUPINFOW& given = *args->startupInfo;
        handles_.clear();
        for (HANDLE handle : {given.hStdInput, given.hStdOutput, given.hStdError}) {
            const bool usable = handle != nullptr && handle != INVALID_HANDLE_VALUE;
            if (usable && std::ranges::find(handles_, handle) == handles_.end()) {
                handles_.push_back(handle);
            }
        }
        // Without standard handles to name there is nothing to restrict.
        if (handles_.empty() || !args->inheritHandles) return;
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        buffer_.assign(size, 0);
        if (!::InitializeProcThreadAttributeList(attributes(), 1, 0, &size)) return;
        initialised_ = true;
        if (!::UpdateProcThreadAttribute(attributes(), 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                         handles_.data(), handles_.size() * sizeof(HANDLE), nullptr,
                                         nullptr)) {
            return;
        }
        info_ = {};
        info_.StartupInfo = given;
        info_.StartupInfo.cb = sizeof(info_);
        info_.lpAttributeList = attributes();
        args->startupInfo = &info_.StartupInfo;
        args->flags |= EXTENDED_STARTUPINFO_PRESENT;
    }

  private:
    LPPROC_THREAD_ATTRIBUTE_LIST attributes() {
        return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.data());
    }

    std::vector<HANDLE> handles_;
    std::vector<unsigned char> buffer_;
    STARTUPINFOEXW info_{};
    bool initialised_ = false;
};

}  // namespace

void InheritStandardHandlesOnly(QProcess& process) {
    auto list = std::make_shared<HandleList>();
    process.setCreateProcessArgumentsModifier(
        [list](QProcess::CreateProcessArguments* args) { list->apply(args); });
}

#else

void InheritStandardHandlesOnly(QProcess&) {}

#endif

}  // namespace access_detail
