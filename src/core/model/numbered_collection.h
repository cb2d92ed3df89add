// The ordered, numbered collection behind print pages, report definitions and fragments.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// Owns its objects in order, numbered from 1 by position, and finds them by id as well. Ids
// are handed out by NextId from a counter that starts at firstId and is never wound back, not
// even by Clear, so an id is never reused while the collection lives. T must give the
// collection access (template <typename> friend class CNumberedCollection) to its int
// m_position and have GetId() and GetPosition(); the collection keeps m_position right after
// every insertion, removal and move.
template <typename T> class CNumberedCollection
{
public:
    explicit CNumberedCollection(std::uint32_t firstId) : m_nextId(firstId) {}
    CNumberedCollection(const CNumberedCollection&) = delete;
    CNumberedCollection& operator=(const CNumberedCollection&) = delete;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    // None when out of range or unknown.
    T* Get(int position) const
    {
        if (position < 1 || position > GetCount()) {
            return nullptr;
        }
        return m_items[static_cast<std::size_t>(position - 1)].get();
    }
    T* GetById(std::uint32_t id) const
    {
        const auto it = m_byId.find(id);
        return it == m_byId.end() ? nullptr : it->second;
    }

    // The id the next object is to take; NextId also moves the counter on.
    std::uint32_t PeekNextId() const { return m_nextId; }
    std::uint32_t NextId() { return m_nextId++; }
    // Puts the object at position, which must be within 1..count + 1, and renumbers.
    T* Insert(int position, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        const auto index = static_cast<std::size_t>(position - 1);
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
        m_byId[raw->GetId()] = raw;
        Renumber(index);
        return raw;
    }
    bool Remove(int position)
    {
        T* item = Get(position);
        if (item == nullptr) {
            return false;
        }
        m_byId.erase(item->GetId());
        const auto index = static_cast<std::size_t>(position - 1);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
        Renumber(index);
        return true;
    }
    bool RemoveById(std::uint32_t id)
    {
        const T* item = GetById(id);
        return item != nullptr && Remove(item->GetPosition());
    }
    // Moves the object at from to to, both within 1..count.
    bool Move(int from, int to)
    {
        if (Get(from) == nullptr || Get(to) == nullptr) {
            return false;
        }
        const auto first = m_items.begin() + (std::min(from, to) - 1);
        const auto last = m_items.begin() + std::max(from, to);
        if (from < to) {
            std::rotate(first, first + 1, last);
        } else {
            std::rotate(first, last - 1, last);
        }
        Renumber(static_cast<std::size_t>(std::min(from, to) - 1));
        return true;
    }
    void Clear()
    {
        m_byId.clear();
        m_items.clear();
    }

private:
    void Renumber(std::size_t fromIndex)
    {
        for (std::size_t i = fromIndex; i < m_items.size(); ++i) {
            m_items[i]->m_position = static_cast<int>(i) + 1;
        }
    }

    std::vector<std::unique_ptr<T>> m_items;
    std::map<std::uint32_t, T*> m_byId;
    std::uint32_t m_nextId;
};
