#pragma once
// The heights of the rows or the widths of the columns, with the pixel offset
// of each edge and the index under an offset, in logarithmic time. Writing a
// count gives every entry the same size and the layout changes one of them, so
// the axis keeps one common size and the entries set apart from it: six
// million columns cost a few bytes, where a per-entry array would cost tens
// of megabytes of memory touched for the first time.

#include <cstdint>
#include <vector>

class SizeAxis {
public:
    // count entries of the common size size >= 0.
    void Reset(int32_t count, int32_t size);

    int32_t Count() const { return count_; }
    int32_t Size(int32_t index) const;  // 0 <= index < Count()
    // 0 <= index < Count(), size >= 0. Costs the number of entries set apart
    // since the last Reset (the user resizes them one at a time).
    void SetSize(int32_t index, int32_t size);
    // The sum of the sizes before index, 0 <= index <= Count().
    int64_t Offset(int32_t index) const;
    int64_t Total() const { return Offset(count_); }
    // The entry whose span [Offset(i), Offset(i + 1)) holds offset: -1 before
    // the first, Count() at or past the end.
    int32_t IndexAt(int64_t offset) const;

private:
    struct Exception {
        int32_t index;
        int32_t size;
        int64_t extraBefore;  // what the exceptions before this one add to the common sizes
    };
    std::vector<Exception>::const_iterator ExceptionAtOrAfter(int32_t index) const;
    int64_t ExtraBefore(std::vector<Exception>::const_iterator exception) const;
    int64_t Start(const Exception& exception) const;

    int32_t count_ = 0;
    int32_t commonSize_ = 0;
    std::vector<Exception> exceptions_;  // by index
    int64_t extraTotal_ = 0;
};
