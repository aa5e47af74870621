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
        : library(std::move(sdl)), callback(call), lateStart(late), userdata(owner) {}

    void Run();
    void OpenOne(std::unique_lock<std::mutex>& lock);
    void CloseOne(std::unique_lock<std::mutex>& lock);
    bool HasWork() const { return closing != nullptr || quit || (wanted && device == nullptr); }

    const std::shared_ptr<const SdlLibrary> library;
    const Callback callback;
    const LateStart lateStart;
    void* const userdata;

    mutable std::mutex mutex;
    std::condition_variable work;
    mutable std::condition_variable settled;
    std::unique_ptr<SoundDevice> device;   // open and started, for the owner to use
    std::unique_ptr<SoundDevice> closing;  // stopped, for the thread to close
    bool wanted = false;
    enum class Call { None, Open, Close };
    Call inSdl = Call::None;  // what the thread is doing in SDL
    bool failed = false;
    bool quit = false;
    bool done = false;
    NoteNumber lateNote = 0;
    Clock::time_point lateNoteAt;
};

void DeviceOpener::Line::Run() {
    std::unique_lock lock(mutex);
    for (;;) {
        work.wait(lock, [this] { return HasWork(); });
        if (closing != nullptr) {
            CloseOne(lock);
        } else if (quit) {
            break;
        } else {
            OpenOne(lock);
        }
        if (!HasWork()) {
            settled.notify_all();
        }
    }
    // SDL keeps an error buffer for each thread that calls it, freed only on request for a
    // thread it did not start.
    library->Functions().TLSCleanup();
    done = true;
    settled.notify_all();
}

void DeviceOpener::Line::CloseOne(std::unique_lock<std::mutex>& lock) {
    std::unique_ptr<SoundDevice> old = std::move(closing);
    inSdl = Call::Close;
    lock.unlock();
    old.reset();
    lock.lock();
    inSdl = Call::None;
}

void DeviceOpener::Line::OpenOne(std::unique_lock<std::mutex>& lock) {
    inSdl = Call::Open;
    lock.unlock();
    // SDL keeps a new device paused: its callback, which reaches the owner, runs only once
    // Start is called below, under the lock and only while the owner is there.
    auto opened = std::make_unique<SoundDevice>(library->Functions(), callback, userdata);
    lock.lock();
    inSdl = Call::None;
    // Given up on while it opened (Close): nobody has a use for it any more.
    const bool stillWanted = std::exchange(wanted, false);
    const NoteNumber note = std::exchange(lateNote, 0);
    if (quit || !stillWanted || !opened->IsOpen()) {
        failed = !opened->IsOpen();
        closing = std::move(opened);
        return;
    }
    opened->Start();
    device = std::move(opened);
    if (note != 0 && Clock::now() - lateNoteAt <= LateNoteLimit) {
        lateStart(userdata, *device, note);
    }
}

DeviceOpener::DeviceOpener(std::shared_ptr<const SdlLibrary> library, Callback callback,
                           LateStart lateStart, void* userdata)
    : line_(std::make_shared<Line>(std::move(library), callback, lateStart, userdata)) {
    std::thread([line = line_] { line->Run(); }).detach();
}

DeviceOpener::~DeviceOpener() {
    std::unique_lock lock(line_->mutex);
    line_->quit = true;
    if (line_->device != nullptr) {
        line_->device->Pause();
        line_->closing = std::move(line_->device);
    }
    line_->work.notify_one();
    // A thread stuck in the sound server is left to the end of the process: the device it
    // may still open is never started, and the library and the line stay with it. Only a
    // close is worth a wait, so that the server hears us go.
    line_->settled.wait_for(lock, ClosePatience,
                            [this] { return line_->done || line_->inSdl == Line::Call::Open; });
}

void DeviceOpener::Open(bool retryFailed) {
    const std::lock_guard lock(line_->mutex);
    if (line_->failed && !retryFailed) {
        return;
    }
    line_->failed = false;
    line_->wanted = true;
    line_->work.notify_one();
}

const SoundDevice* DeviceOpener::DeviceFor(NoteNumber note) {
    const std::lock_guard lock(line_->mutex);
    if (line_->device != nullptr || line_->failed) {
        return line_->device.get();
    }
    line_->wanted = true;
    line_->lateNote = note;
    line_->lateNoteAt = Line::Clock::now();
    line_->work.notify_one();
    return nullptr;
}

const SoundDevice* DeviceOpener::Device() const {
    const std::lock_guard lock(line_->mutex);
    return line_->device.get();
}

void DeviceOpener::ForgetLateNote() {
    const std::lock_guard lock(line_->mutex);
    line_->lateNote = 0;
}

void DeviceOpener::Close() {
    const std::lock_guard lock(line_->mutex);
    line_->wanted = false;
    line_->lateNote = 0;
    if (line_->device != nullptr) {
        line_->device->Pause();
        line_->closing = std::move(line_->device);
        line_->work.notify_one();
    }
}

bool DeviceOpener::AwaitSettled(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(line_->mutex);
    return line_->settled.wait_for(
        lock, timeout, [this] { return line_->inSdl == Line::Call::None && !line_->HasWork(); });
}
