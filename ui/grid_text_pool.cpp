#include "ui/grid_text_pool.h"

uint64_t TextPool::Hash(std::string_view text) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    // Mixes the high bits into the low ones that pick the slot.
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ull;
    return hash ^ (hash >> 32);
}

std::size_t TextPool::FindSlot(std::string_view text, uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Home(hash);; slot = (slot + 1) & mask) {
        const uint32_t id = slots_[slot];
        if (id == kEmpty) return slot;
        const Entry& entry = entries_[id - 1];
        if (entry.hash == hash && entry.text == text) return slot;
    }
}

uint32_t TextPool::Acquire(std::string_view text) {
    if (text.empty()) return kEmpty;
    if (lastAcquired_ != kEmpty && entries_[lastAcquired_ - 1].text == text) {
        ++entries_[lastAcquired_ - 1].holders;
        return lastAcquired_;
    }
    const uint64_t hash = Hash(text);
    std::size_t slot = FindSlot(text, hash);
    if (slots_[slot] != kEmpty) {
        ++entries_[slots_[slot] - 1].holders;
        return lastAcquired_ = slots_[slot];
    }
    // At most half full, so that probes stay short.
    if (2 * (liveEntries_ + 1) > slots_.size()) {
        Rehash(2 * slots_.size());
        slot = FindSlot(text, hash);
    }
    uint32_t id = kEmpty;
    if (freeIds_.empty()) {
        entries_.push_back({});
        id = static_cast<uint32_t>(entries_.size());
    } else {
        id = freeIds_.back();
        freeIds_.pop_back();
    }
    entries_[id - 1] = {std::string(text), hash, 1};
    slots_[slot] = id;
    ++liveEntries_;
    return lastAcquired_ = id;
}

void TextPool::Release(uint32_t id) {
    if (id == kEmpty) return;
    Entry& entry = entries_[id - 1];
    if (--entry.holders > 0) return;
    EraseSlot(FindSlot(entry.text, entry.hash));
    entry = {};
    freeIds_.push_back(id);
    --liveEntries_;
}

void TextPool::Rehash(std::size_t slotCount) {
    std::vector<uint32_t> old(slotCount, kEmpty);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const uint32_t id : old) {
        if (id == kEmpty) continue;
        std::size_t slot = Home(entries_[id - 1].hash);
        while (slots_[slot] != kEmpty) slot = (slot + 1) & mask;
        slots_[slot] = id;
    }
}

// Backward-shift deletion: the ids after the hole that may live in it move
// up, so that every probe still finds its id before a free slot.
void TextPool::EraseSlot(std::size_t hole) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = (hole + 1) & mask; slots_[slot] != kEmpty; slot = (slot + 1) & mask) {
        const std::size_t home = Home(entries_[slots_[slot] - 1].hash);
        if (((slot - home) & mask) >= ((slot - hole) & mask)) {
            slots_[hole] = slots_[slot];
            hole = slot;
        }
    }
    slots_[hole] = kEmpty;
}
