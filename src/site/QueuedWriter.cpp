#include "site/QueuedWriter.h"

namespace {

constexpr std::size_t kMostQueuedBytes = 16 * 1024 * 1024;

}  // namespace

QueuedWriter::QueuedWriter(SiteFolder& folder)
    : folder_(folder), thread_([this](std::stop_token stop) { run(stop); }) {}

void QueuedWriter::write(std::string path, std::string bytes) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queuedBytes_ < kMostQueuedBytes || failure_; });
    rethrowFailure();
    queuedBytes_ += bytes.size();
    queue_.emplace_back(std::move(path), std::move(bytes));
    changed_.notify_all();
}

void QueuedWriter::finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (queue_.empty() && !writing_) || failure_; });
    rethrowFailure();
}

void QueuedWriter::rethrowFailure() {
    if (failure_) std::rethrow_exception(failure_);
}

void QueuedWriter::run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (changed_.wait(lock, stop, [this] { return !queue_.empty(); })) {
        auto [path, bytes] = std::move(queue_.front());
        queue_.pop_front();
        writing_ = true;
        lock.unlock();
        std::exception_ptr failure;
        try {
            folder_.write(path, bytes);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        writing_ = false;
        queuedBytes_ -= bytes.size();
        if (failure && !failure_) failure_ = failure;
        if (failure_) queue_.clear();
        changed_.notify_all();
    }
}
