// The class library's growable array. Elements live in their own storage, so growing,
// inserting or removing moves them without copying: records whose copy deliberately
// drops data keep it when their array grows.
#pragma once

#include "CException.h"
#include "CString.h"
#include "WinDef.h"

#include <algorithm>
#include <memory>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray& other) { Copy(other); }
    CArray(CArray&&) noexcept = default;
    CArray& operator=(const CArray& other)
    {
        if (this != &other)
            Copy(other);
        return *this;
    }
    CArray& operator=(CArray&&) noexcept = default;
    virtual ~CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }

    // New elements are default-constructed; a shorter size destroys the tail.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        (void)growBy;
        if (newSize < 0)
            AfxThrowInvalidArgException();
        size_t n = static_cast<size_t>(newSize);
        if (n < m_items.size()) {
            m_items.resize(n);
            return;
        }
        // Growing one element at a time (Add) doubles the room, so that adding stays linear.
        if (n > m_items.capacity())
            m_items.reserve(std::max(n, 2 * m_items.capacity()));
        while (m_items.size() < n)
            m_items.push_back(std::make_unique<TYPE>());
    }
    void RemoveAll() { m_items.clear(); }
    void FreeExtra() { m_items.shrink_to_fit(); }

    const TYPE& GetAt(INT_PTR index) const { return *m_items[Checked(index)]; }
    TYPE& GetAt(INT_PTR index) { return *m_items[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { *m_items[Checked(index)] = element; }
    TYPE& ElementAt(INT_PTR index) { return *m_items[Checked(index)]; }
    const TYPE& ElementAt(INT_PTR index) const { return *m_items[Checked(index)]; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }

    // Grows the array when the index lies past its end; a negative index is refused.
    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0)
            AfxThrowInvalidArgException();
        if (index >= GetSize())
            SetSize(index + 1);
        *m_items[static_cast<size_t>(index)] = element;
    }
    INT_PTR Add(ARG_TYPE element)
    {
        INT_PTR index = GetSize();
        SetAtGrow(index, element);
        return index;
    }
    INT_PTR Append(const CArray& src)
    {
        INT_PTR old = GetSize();
        if (this == &src)
            AfxThrowInvalidArgException();
        for (const auto& item : src.m_items)
            Add(*item);
        return old;
    }
    void Copy(const CArray& src)
    {
        if (this == &src)
            return;
        SetSize(src.GetSize());
        for (size_t i = 0; i < m_items.size(); ++i)
            *m_items[i] = *src.m_items[i];
    }

    // An index past the end grows the array up to it first.
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0)
            AfxThrowInvalidArgException();
        if (index > GetSize())
            SetSize(index);
        std::vector<std::unique_ptr<TYPE>> fresh;
        for (INT_PTR i = 0; i < count; ++i) {
            fresh.push_back(std::make_unique<TYPE>());
            *fresh.back() = element;
        }
        m_items.insert(m_items.begin() + index, std::make_move_iterator(fresh.begin()),
                       std::make_move_iterator(fresh.end()));
    }
    void InsertAt(INT_PTR startIndex, const CArray* newArray)
    {
        if (newArray == nullptr || startIndex < 0)
            AfxThrowInvalidArgException();
        CArray copy(*newArray);
        if (startIndex > GetSize())
            SetSize(startIndex);
        m_items.insert(m_items.begin() + startIndex, std::make_move_iterator(copy.m_items.begin()),
                       std::make_move_iterator(copy.m_items.end()));
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            AfxThrowInvalidArgException();
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }

private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(index);
    }

    std::vector<std::unique_ptr<TYPE>> m_items;
};

class CStringArray : public CArray<CString, LPCTSTR> {};

typedef CArray<UINT, UINT> CUIntArray;
typedef CArray<DWORD, DWORD> CDWordArray;
typedef CArray<WORD, WORD> CWordArray;
typedef CArray<BYTE, BYTE> CByteArray;
typedef CArray<void*, void*> CPtrArray;
