#pragma once
// The grid's texts, each distinct text stored once and shared by every cell
// that holds it; a cell keeps only a 32-bit id. The largest roster has twelve
// million cells but a few hundred distinct texts (month.day, 起止日期, names),
// and on first touch memory costs more time than the lookup does.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class TextPool {
public:
    static constexpr uint32_t kEmpty = 0;  // the empty text, never stored

    // The id of text with one more holder, the text being stored if new.
    uint32_t Acquire(std::string_view text);
    // One holder less; a text without holders is freed.
    void Release(uint32_t id);
    // Valid until the text's last holder releases it.
    std::string_view Text(uint32_t id) const { return id == kEmpty ? std::string_view{} : entries_[id - 1].text; }
    std::size_t DistinctTexts() const { return liveEntries_; }

private:
    struct Entry {
        std::string text;
        uint64_t hash = 0;
        std::size_t holders = 0;
    };

    static uint64_t Hash(std::string_view text);
    std::size_t Home(uint64_t hash) const { return static_cast<std::size_t>(hash) & (slots_.size() - 1); }
    // The slot that holds text, or the free slot where it belongs.
    std::size_t FindSlot(std::string_view text, uint64_t hash) const;
    void Rehash(std::size_t slotCount);
    void EraseSlot(std::size_t slot);

    std::deque<Entry> entries_;  // entries_[id - 1]; a deque, so texts never move
    std::vector<uint32_t> freeIds_;
    std::size_t liveEntries_ = 0;
    // The text acquired last: a grid is written in runs of one text (the
    // header's 起止日期, the two days of a one-day stint), found without a
    // lookup. A freed entry holds the empty text, which never matches.
    uint32_t lastAcquired_ = kEmpty;
    // Open addressing with linear probing: an id, or kEmpty for a free slot.
    std::vector<uint32_t> slots_ = std::vector<uint32_t>(16, kEmpty);
};
