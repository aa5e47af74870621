#include "qt/sound/DeviceOpener.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "qt/sound/SdlLibrary.h"
#include "qt/sound/SoundDevice.h"

struct DeviceOpener::Line {
    using Clock = std::chrono::steady_clock;

    Line(std::shared_ptr<const SdlLibrary> sdl, Callback call, LateStart late, void* owner)
        : library_(std::move(sdl)), callback_(call), lateStart_(late), userdata_(owner) {}

    enum class Call { None, Open, Close };

    void Run();
    bool HasWork() const { return closing_ != nullptr || quit_ || (wanted_ && device_ == nullptr); }

  private:
    friend class DeviceOpener;  // the owner's side of the line, under the same lock

    void OpenOne(std::unique_lock<std::mutex>& lock);
    void CloseOne(std::unique_lock<std::mutex>& lock);

    const std::shared_ptr<const SdlLibrary> library_;
    const Callback callback_;
    const LateStart lateStart_;
    void* const userdata_;

    mutable std::mutex mutex_;
    std::condition_variable work_;
    mutable std::condition_variable settled_;
    std::unique_ptr<SoundDevice> device_;   // open and started, for the owner to use
    std::unique_ptr<SoundDevice> closing_;  // stopped, for the thread to close
    bool wanted_ = false;
    Call inSdl_ = Call::None;  // what the thread is doing in SDL
    bool failed_ = false;
    bool quit_ = false;
    bool done_ = false;
    NoteNumber lateNote_ = 0;
    Clock::time_point lateNoteAt_;
};

void DeviceOpener::Line::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return HasWork(); });
        if (closing_ != nullptr) {
            CloseOne(lock);
        } else if (quit_) {
            break;
        } else {
            OpenOne(lock);
        }
        if (!HasWork()) {
            settled_.notify_all();
        }
    }
    // SDL keeps an error buffer for each thread that calls it, freed only on request for a
    // thread it did not start.
    library_->Functions().TLSCleanup();
    done_ = true;
    settled_.notify_all();
}

void DeviceOpener::Line::CloseOne(std::unique_lock<std::mutex>& lock) {
    std::unique_ptr<SoundDevice> old = std::move(closing_);
    inSdl_ = Call::Close;
    lock.unlock();
    old.reset();
    lock.lock();
    inSdl_ = Call::None;
}

void DeviceOpener::Line::OpenOne(std::unique_lock<std::mutex>& lock) {
    inSdl_ = Call::Open;
    lock.unlock();
    // SDL keeps a new device paused: its callback, which reaches the owner, runs only once
    // Start is called below, under the lock and only while the owner is there.
    auto opened = std::make_unique<SoundDevice>(library_->Functions(), callback_, userdata_);
    lock.lock();
    inSdl_ = Call::None;
    // Given up on while it opened (Close): nobody has a use for it any more.
    const bool stillWanted = std::exchange(wanted_, false);
    const NoteNumber note = std::exchange(lateNote_, 0);
    if (quit_ || !stillWanted || !opened->IsOpen()) {
        failed_ = !opened->IsOpen();
        closing_ = std::move(opened);
        return;
    }
    opened->Start();
    device_ = std::move(opened);
    if (note != 0 && Clock::now() - lateNoteAt_ <= LateNoteLimit) {
        lateStart_(userdata_, *device_, note);
    }
}

DeviceOpener::DeviceOpener(std::shared_ptr<const SdlLibrary> library, Callback callback,
                           LateStart lateStart, void* userdata)
    : line_(std::make_shared<Line>(std::move(library), callback, lateStart, userdata)) {
    std::thread([line = line_] { line->Run(); }).detach();
}

DeviceOpener::~DeviceOpener() {
    std::unique_lock lock(line_->mutex_);
    line_->quit_ = true;
    if (line_->device_ != nullptr) {
        line_->device_->Pause();
        line_->closing_ = std::move(line_->device_);
    }
    line_->work_.notify_one();
    // A thread stuck in the sound server is left to the end of the process: the device it
    // may still open is never started, and the library and the line stay with it. Only a
    // close is worth a wait, so that the server hears us go.
    line_->settled_.wait_for(lock, ClosePatience,
                             [this] { return line_->done_ || line_->inSdl_ == Line::Call::Open; });
}

void DeviceOpener::Open(bool retryFailed) {
    const std::lock_guard lock(line_->mutex_);
    if (line_->failed_ && !retryFailed) {
        return;
    }
    line_->failed_ = false;
    line_->wanted_ = true;
    line_->work_.notify_one();
}

const SoundDevice* DeviceOpener::DeviceFor(NoteNumber note) {
    const std::lock_guard lock(line_->mutex_);
    if (line_->device_ != nullptr || line_->failed_) {
        return line_->device_.get();
    }
    line_->wanted_ = true;
    line_->lateNote_ = note;
    line_->lateNoteAt_ = Line::Clock::now();
    line_->work_.notify_one();
    return nullptr;
}

const SoundDevice* DeviceOpener::Device() const {
    const std::lock_guard lock(line_->mutex_);
    return line_->device_.get();
}

void DeviceOpener::ForgetLateNote() {
    const std::lock_guard lock(line_->mutex_);
    line_->lateNote_ = 0;
}

void DeviceOpener::Close() {
    const std::lock_guard lock(line_->mutex_);
    line_->wanted_ = false;
    line_->lateNote_ = 0;
    if (line_->device_ != nullptr) {
        line_->device_->Pause();
        line_->closing_ = std::move(line_->device_);
        line_->work_.notify_one();
    }
}

bool DeviceOpener::AwaitSettled(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(line_->mutex_);
    return line_->settled_.wait_for(
        lock, timeout, [this] { return line_->inSdl_ == Line::Call::None && !line_->HasWork(); });
}
