// Growable value array with the platform's array interface: logical and physical length,
// append returning the new index, and index checks that throw instead of corrupting memory.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

template <typename T>
class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8) : mGrowLength(growLength > 0 ? growLength : 8)
    {
        if (physicalLength > 0)
            mData.reserve(static_cast<std::size_t>(physicalLength));
    }

    int length() const { return static_cast<int>(mData.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(mData.capacity()); }
    int growLength() const { return mGrowLength; }
    bool isEmpty() const { return mData.empty(); }

    AcArray& setLogicalLength(int n)
    {
        mData.resize(static_cast<std::size_t>(std::max(n, 0)));
        return *this;
    }
    AcArray& setPhysicalLength(int n)
    {
        n = std::max(n, 0);
        if (n < length())
            mData.resize(static_cast<std::size_t>(n));
        mData.reserve(static_cast<std::size_t>(n));
        return *this;
    }
    AcArray& setGrowLength(int n)
    {
        if (n > 0)
            mGrowLength = n;
        return *this;
    }

    // The value is copied before the array grows: it may be one of the array's own elements.
    int append(const T& value)
    {
        T copy(value);
        grow(1);
        mData.push_back(std::move(copy));
        return length() - 1;
    }
    AcArray& append(const AcArray& other)
    {
        if (&other == this) {
            const AcArray copy(other);
            return append(copy);
        }
        grow(other.length());
        mData.insert(mData.end(), other.mData.begin(), other.mData.end());
        return *this;
    }
    AcArray& insertAt(int index, const T& value)
    {
        if (index < 0 || index > length())
            throw std::out_of_range("AcArray::insertAt");
        T copy(value);
        grow(1);
        mData.insert(mData.begin() + index, std::move(copy));
        return *this;
    }
    AcArray& removeAt(int index)
    {
        check(index);
        mData.erase(mData.begin() + index);
        return *this;
    }
    AcArray& removeSubArray(int startIndex, int endIndex)
    {
        check(startIndex);
        check(endIndex);
        if (endIndex >= startIndex)
            mData.erase(mData.begin() + startIndex, mData.begin() + endIndex + 1);
        return *this;
    }
    bool remove(const T& value, int start = 0)
    {
        const int i = findFrom(value, start);
        if (i < 0)
            return false;
        removeAt(i);
        return true;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(length() - 1); }
    AcArray& removeAll()
    {
        mData.clear();
        return *this;
    }

    T& at(int index) { return mData[static_cast<std::size_t>(check(index))]; }
    const T& at(int index) const { return mData[static_cast<std::size_t>(check(index))]; }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }
    AcArray& setAt(int index, const T& value)
    {
        at(index) = value;
        return *this;
    }
    AcArray& setAll(const T& value)
    {
        std::fill(mData.begin(), mData.end(), value);
        return *this;
    }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    bool contains(const T& value, int start = 0) const { return findFrom(value, start) >= 0; }
    bool find(const T& value, int& foundAt, int start = 0) const
    {
        const int i = findFrom(value, start);
        if (i >= 0)
            foundAt = i;
        return i >= 0;
    }
    int findFrom(const T& value, int start = 0) const
    {
        for (int i = std::max(start, 0); i < length(); ++i)
            if (mData[static_cast<std::size_t>(i)] == value)
                return i;
        return -1;
    }

    AcArray& reverse()
    {
        std::reverse(mData.begin(), mData.end());
        return *this;
    }
    AcArray& swap(int i, int j)
    {
        std::swap(at(i), at(j));
        return *this;
    }

    T* asArrayPtr() { return mData.data(); }
    const T* asArrayPtr() const { return mData.data(); }

    bool operator==(const AcArray& other) const { return mData == other.mData; }

    auto begin() { return mData.begin(); }
    auto end() { return mData.end(); }
    auto begin() const { return mData.begin(); }
    auto end() const { return mData.end(); }

private:
    int check(int index) const
    {
        if (index < 0 || index >= length())
            throw std::out_of_range("AcArray index out of range");
        return index;
    }
    // Grows the physical length in steps of the grow length, as the platform's array does.
    void grow(int extra)
    {
        const int needed = length() + extra;
        if (needed > physicalLength()) {
            const int steps = (needed - physicalLength() + mGrowLength - 1) / mGrowLength;
            mData.reserve(static_cast<std::size_t>(physicalLength() + steps * mGrowLength));
        }
    }

    std::vector<T> mData;
    int mGrowLength;
};
