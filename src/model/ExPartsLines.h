#pragma once

#include "ExPartsDrawLine.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <span>
#include <vector>

// An element's own lines. The stored points (shape and scaled) of equal lists are kept once and
// shared: a thousand desks of one library shape at one size hold one copy, and a part copies its
// stored points only when it changes them. The view points are the part's own, since each part
// stands somewhere else on screen.
class CExPartsLines {
public:
    // Reading yields whole lines, put together from the two halves. They come const, so that
    // writing to one by mistake does not compile.
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = CExPartsDrawLine;
        using difference_type = std::ptrdiff_t;
        using reference = const CExPartsDrawLine;
        using pointer = void;

        const_iterator() = default;
        const_iterator(const CExPartsLines* lines, std::size_t index)
            : m_lines(lines), m_index(index) {}
        const CExPartsDrawLine operator*() const { return (*m_lines)[m_index]; }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++m_index;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_index == b.m_index;
        }

    private:
        const CExPartsLines* m_lines = nullptr;
        std::size_t m_index = 0;
    };

    std::size_t size() const { return m_view.size(); }
    bool empty() const { return m_view.empty(); }
    const CExPartsDrawLine operator[](std::size_t index) const;
    const CExPartsDrawLine front() const { return (*this)[0]; }
    const CExPartsDrawLine back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    std::vector<CExPartsDrawLine> ToVector() const { return {begin(), end()}; }

    std::span<const ExStoredLine> Stored() const;
    // The stored points to change: a shared list is copied first.
    std::span<ExStoredLine> MutableStored();
    std::span<const ExViewLine> View() const { return m_view; }
    std::span<ExViewLine> View() { return m_view; }

    void clear();
    void push_back(const CExPartsDrawLine& line);
    void Set(std::size_t index, const CExPartsDrawLine& line);
    void Assign(std::span<const CExPartsDrawLine> lines);
    // Appends another element's lines; into an empty list they are shared, not copied.
    void Append(const CExPartsLines& other);
    // Replaces the stored points, sharing equal ones kept elsewhere if there are any; the view
    // points start again from nothing.
    void ReplaceStored(std::span<const ExStoredLine> stored);
    // Whether the stored points are held by another list too.
    bool SharesStoredWith(const CExPartsLines& other) const;

    friend bool operator==(const CExPartsLines& a, const CExPartsLines& b);

private:
    using Block = std::vector<ExStoredLine>;

    Block& OwnBlock();

    std::shared_ptr<Block> m_stored;
    // Whether m_stored is in the table of shared points, where others may find it later: then it
    // is never written in place, even while this list is its only holder.
    bool m_bListed = false;
    std::vector<ExViewLine> m_view;
};
