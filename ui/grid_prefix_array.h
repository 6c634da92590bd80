#pragma once
// One attribute of one grid row, stored only as far as it was ever given a
// value: every cell beyond the stored part holds T{}. Writing the column count
// of a wide grid then costs nothing for rows never written, and a five-row
// grid widened to six million columns before its rows are cut to two never
// holds the thirty million cells in between.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// std::vector grows by doubling; the largest rows are megabytes, so they are
// sized exactly and give memory back when cut.
template <class T>
void ResizeExactly(std::vector<T>& values, std::size_t size) {
    if (size > values.capacity()) values.reserve(size);
    values.resize(size);
    if (values.capacity() > size) values.shrink_to_fit();
}

template <class T>
class PrefixArray {
public:
    std::size_t StoredSize() const { return values_.size(); }
    std::span<T> StoredValues() { return values_; }
    std::span<const T> StoredValues() const { return values_; }

    T Get(int32_t column) const {
        const auto index = static_cast<std::size_t>(column);
        return index < values_.size() ? values_[index] : T{};
    }

    // The stored cell, storing the whole row (columnCount cells) first when the
    // column lies beyond the stored part: rows are written from left to right
    // (the roster fill), so growing cell by cell would copy them over and over.
    T& Stored(int32_t column, int32_t columnCount) {
        const auto index = static_cast<std::size_t>(column);
        if (index >= values_.size()) ResizeExactly(values_, static_cast<std::size_t>(columnCount));
        return values_[index];
    }

    void Set(int32_t column, T value, int32_t columnCount) {
        if (value != T{} || static_cast<std::size_t>(column) < values_.size()) Stored(column, columnCount) = value;
    }

    // Columns first..last (inclusive) get change(their value); nothing is
    // stored beyond the stored part when change keeps T{} as it is.
    template <class Change>
    void Transform(int32_t first, int32_t last, Change change, int32_t columnCount) {
        auto end = static_cast<std::size_t>(last) + 1;
        if (change(T{}) == T{}) end = std::min(end, values_.size());
        const auto begin = static_cast<std::size_t>(first);
        if (begin >= end) return;
        if (end > values_.size()) ResizeExactly(values_, static_cast<std::size_t>(columnCount));
        for (std::size_t i = begin; i < end; ++i) values_[i] = change(values_[i]);
    }

    // Drops the cells from column columnCount on.
    void Truncate(int32_t columnCount) {
        if (values_.size() > static_cast<std::size_t>(columnCount))
            ResizeExactly(values_, static_cast<std::size_t>(columnCount));
    }

private:
    std::vector<T> values_;
};
