#include "nativepp/NativeppHazards.h"

#include <linux/membarrier.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstddef>
#include <mutex>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

namespace nativepp {

namespace {

// Nested reads (a call's target and its arguments) each take one; a read that finds none free
// falls back to a counted share.
constexpr int kSlotsPerThread = 6;

// A slot, and whether a holder it named was kept for its reader, who then releases it.
// The slot comes first: a share holds the slot's address, which is the entry's.
struct Entry {
    NativeppHazards::Slot slot{nullptr};
    std::atomic<bool> kept{false};
};
static_assert(std::is_standard_layout<Entry>::value && offsetof(Entry, slot) == 0, "a slot's address is its entry's");

// One thread's slots. Records are never freed: a thread that exits gives its record to the
// next thread that reads, and a slot set by a share that outlived its thread stays in use.
struct Record {
    Entry entries[kSlotsPerThread];
    std::atomic<bool> owned{true};
    Record* next = nullptr;
};

std::atomic<Record*> records{nullptr};

[[gnu::tls_model("initial-exec")]] thread_local Record* threadRecord = nullptr;
// Set once the exiting thread has given its record back: a read from a destructor that runs
// later must not publish in a record that another thread may own by then.
[[gnu::tls_model("initial-exec")]] thread_local bool recordGivenBack = false;

struct RecordReturn {
    ~RecordReturn() {
        Record* mine = threadRecord;
        threadRecord = nullptr;
        recordGivenBack = true;
        if (mine != nullptr) {
            mine->owned.store(false, std::memory_order_release);
        }
    }
    bool armed = false;
};
thread_local RecordReturn recordReturn;

Record* takeRecord() {
    for (Record* r = records.load(std::memory_order_acquire); r != nullptr; r = r->next) {
        bool owned = false;
        if (r->owned.compare_exchange_strong(owned, true, std::memory_order_acquire)) {
            return r;
        }
    }
    auto* made = new Record;  // never freed: see Record
    Record* head = records.load(std::memory_order_relaxed);
    // Sequentially consistent, as the scan's load of the list: a scan after a proxy's new holder
    // finds every record whose slot was set before its reader looked at the proxy again.
    do {
        made->next = head;
    } while (!records.compare_exchange_weak(head, made, std::memory_order_seq_cst, std::memory_order_relaxed));
    return made;
}

// One membarrier call makes every running thread of the process pass a full barrier: a kept
// holder pays it, so that a reader ending its read needs no barrier of its own. Where the
// kernel has none, readers end with one.
bool registerProcessBarrier() {
    return syscall(__NR_membarrier, MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED, 0) == 0;
}
const bool processBarrier = registerProcessBarrier();

std::mutex retiredLock;
std::vector<std::shared_ptr<const NativeppJObjectGlobal>> retired;
std::atomic<int> retiredCount{0};

}  // namespace

NativeppHazards::Slot* NativeppHazards::publish(const NativeppJObjectGlobal* target) {
    Record* mine = threadRecord;
    if (mine == nullptr) {
        if (recordGivenBack) {
            return nullptr;
        }
        mine = threadRecord = takeRecord();
        recordReturn.armed = true;
    }
    for (Entry& entry : mine->entries) {
        if (entry.slot.load(std::memory_order_relaxed) == nullptr) {
            // Sequentially consistent: the store is seen before the reader looks at the proxy
            // again, as a proxy's new holder is before it scans the slots.
            entry.slot.store(target, std::memory_order_seq_cst);
            return &entry.slot;
        }
    }
    return nullptr;
}

void NativeppHazards::clear(Slot* slot) noexcept {
    // The slot is seen empty by the scan that follows keeping a holder, or the mark is seen
    // here. Only the readers of a kept holder look for one: the others take no lock.
    slot->store(nullptr, processBarrier ? std::memory_order_release : std::memory_order_seq_cst);
    Entry* entry = reinterpret_cast<Entry*>(slot);
    if (entry->kept.load(std::memory_order_seq_cst) && entry->kept.exchange(false)) {
        releaseUnpublished();
    }
}

void NativeppHazards::retire(std::shared_ptr<const NativeppJObjectGlobal> holder) noexcept {
    if (holder == nullptr) {
        return;
    }
    if (published(holder.get(), true)) {
        if (keep(holder)) {
            if (processBarrier) {
                syscall(__NR_membarrier, MEMBARRIER_CMD_PRIVATE_EXPEDITED, 0);
            }
        } else {
            // Without room to keep it, wait for its readers: never delete under one.
            while (published(holder.get(), false)) {
                std::this_thread::yield();
            }
        }
    }
    if (retiredCount.load(std::memory_order_relaxed) != 0) {
        releaseUnpublished();
    }
    // holder, when nobody names it, is released here.
}

bool NativeppHazards::keep(std::shared_ptr<const NativeppJObjectGlobal>& holder) noexcept {
    std::lock_guard<std::mutex> held(retiredLock);
    try {
        retired.push_back(std::move(holder));
    } catch (...) {
        return false;
    }
    retiredCount.store(static_cast<int>(retired.size()), std::memory_order_relaxed);
    return true;
}

bool NativeppHazards::published(const NativeppJObjectGlobal* target, bool markReaders) noexcept {
    bool found = false;
    for (Record* r = records.load(std::memory_order_seq_cst); r != nullptr; r = r->next) {
        for (Entry& entry : r->entries) {
            if (entry.slot.load(std::memory_order_seq_cst) == target) {
                if (!markReaders) {
                    return true;
                }
                entry.kept.store(true, std::memory_order_seq_cst);
                found = true;
            }
        }
    }
    return found;
}

void NativeppHazards::releaseUnpublished() noexcept {
    std::vector<std::shared_ptr<const NativeppJObjectGlobal>> releasable;
    {
        std::lock_guard<std::mutex> held(retiredLock);
        for (auto it = retired.begin(); it != retired.end();) {
            if (published(it->get(), false)) {
                ++it;
                continue;
            }
            try {
                releasable.push_back(std::move(*it));
            } catch (...) {
                break;  // released at a later call
            }
            it = retired.erase(it);
        }
        retiredCount.store(static_cast<int>(retired.size()), std::memory_order_relaxed);
    }
    // Deleting global references is a JNI call: outside the lock.
}

}  // namespace nativepp
