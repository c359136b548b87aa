#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>

#include "site/SiteFolder.h"

// Writes the files of a SiteFolder on a thread of its own, so that the next pages are made while
// the file system creates the last ones: creating many small files costs about as much as making
// them. No more than a few megabytes wait at a time.
class QueuedWriter {
  public:
    explicit QueuedWriter(SiteFolder& folder);
    // Files still waiting are dropped: the folder is then not committed.
    ~QueuedWriter() = default;
    QueuedWriter(const QueuedWriter&) = delete;
    QueuedWriter& operator=(const QueuedWriter&) = delete;

    // Throws the failure of a file written before, as SiteFolder::write would have.
    void write(std::string path, std::string bytes);
    // Returns once every file is written; throws the first failure.
    void finish();

  private:
    void run(std::stop_token stop);
    void rethrowFailure();

    SiteFolder& folder_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::deque<std::pair<std::string, std::string>> queue_;
    std::size_t queuedBytes_ = 0;
    bool writing_ = false;
    std::exception_ptr failure_;
    std::jthread thread_;  // last, so that it starts once the rest is ready
};
