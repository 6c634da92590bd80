#include "ui/grid_size_axis.h"

#include <algorithm>
#include <iterator>

void SizeAxis::Reset(int32_t count, int32_t size) {
    count_ = count;
    commonSize_ = size;
    exceptions_ = {};
    extraTotal_ = 0;
}

std::vector<SizeAxis::Exception>::const_iterator SizeAxis::ExceptionAtOrAfter(int32_t index) const {
    return std::lower_bound(exceptions_.begin(), exceptions_.end(), index,
                            [](const Exception& e, int32_t i) { return e.index < i; });
}

int64_t SizeAxis::ExtraBefore(std::vector<Exception>::const_iterator exception) const {
    return exception == exceptions_.end() ? extraTotal_ : exception->extraBefore;
}

int64_t SizeAxis::Start(const Exception& exception) const {
    return int64_t{exception.index} * commonSize_ + exception.extraBefore;
}

int32_t SizeAxis::Size(int32_t index) const {
    const auto exception = ExceptionAtOrAfter(index);
    return exception != exceptions_.end() && exception->index == index ? exception->size : commonSize_;
}

void SizeAxis::SetSize(int32_t index, int32_t size) {
    const auto at = ExceptionAtOrAfter(index);
    auto position = exceptions_.begin() + (at - exceptions_.cbegin());
    const bool listed = position != exceptions_.end() && position->index == index;
    if (size == commonSize_) {
        if (listed) position = exceptions_.erase(position);
    } else if (listed) {
        position->size = size;
    } else {
        position = exceptions_.insert(position, {index, size, 0});
    }
    int64_t extra = 0;
    if (position != exceptions_.begin()) {
        const Exception& previous = *std::prev(position);
        extra = previous.extraBefore + previous.size - commonSize_;
    }
    for (; position != exceptions_.end(); ++position) {
        position->extraBefore = extra;
        extra += int64_t{position->size} - commonSize_;
    }
    extraTotal_ = extra;
}

int64_t SizeAxis::Offset(int32_t index) const {
    return int64_t{index} * commonSize_ + ExtraBefore(ExceptionAtOrAfter(index));
}

int32_t SizeAxis::IndexAt(int64_t offset) const {
    if (offset < 0) return -1;
    if (offset >= Total()) return count_;
    // The last exception that starts at or before offset; exceptions of size 0
    // share their start with the next entry and cover nothing.
    const auto after = std::upper_bound(exceptions_.begin(), exceptions_.end(), offset,
                                        [this](int64_t o, const Exception& e) { return o < Start(e); });
    int32_t runIndex = 0;   // the first entry of the common-size run that holds offset
    int64_t runStart = 0;
    if (after != exceptions_.begin()) {
        const Exception& last = *std::prev(after);
        if (offset < Start(last) + last.size) return last.index;
        runIndex = last.index + 1;
        runStart = Start(last) + last.size;
    }
    // Inside a run of common sizes, which are then not 0: offset < Total().
    return static_cast<int32_t>(runIndex + (offset - runStart) / commonSize_);
}
