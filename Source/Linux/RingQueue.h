#pragma once
// A first-in first-out queue in one ring of slots that grows (doubling) when full and never shrinks:
// once it has held its largest backlog, pushing and popping allocate nothing. Not thread-safe; its
// owner locks it.
#include <cstddef>
#include <utility>
#include <vector>

template <class T>
class RingQueue {
public:
    explicit RingQueue(size_t capacity = 64) : m_slots(capacity > 0 ? capacity : 1) {}

    bool empty() const { return m_count == 0; }
    size_t size() const { return m_count; }

    void push_back(T item) {
        if (m_count == m_slots.size()) Grow();
        m_slots[Index(m_count)] = std::move(item);
        ++m_count;
    }
    T& front() { return m_slots[m_head]; }
    // The slot keeps nothing of what it held.
    void pop_front() {
        m_slots[m_head] = T();
        m_head = (m_head + 1) % m_slots.size();
        --m_count;
    }

    // Removes every item for which pred is true, keeping the order of the rest; removed items are
    // moved to out (when given).
    template <class Pred, class Out>
    void remove_if(Pred pred, Out* out) {
        size_t kept = 0;
        for (size_t i = 0; i < m_count; ++i) {
            T& item = m_slots[Index(i)];
            if (pred(item)) {
                if (out != nullptr) out->push_back(std::move(item));
                item = T();
            } else {
                if (kept != i) {
                    m_slots[Index(kept)] = std::move(item);
                    item = T();
                }
                ++kept;
            }
        }
        m_count = kept;
    }
    template <class Pred>
    void remove_if(Pred pred) {
        remove_if(pred, static_cast<std::vector<T>*>(nullptr));
    }

    void swap(RingQueue& other) {
        m_slots.swap(other.m_slots);
        std::swap(m_head, other.m_head);
        std::swap(m_count, other.m_count);
    }
    void clear() {
        while (!empty()) pop_front();
    }

private:
    size_t Index(size_t i) const { return (m_head + i) % m_slots.size(); }
    void Grow() {
        std::vector<T> slots(m_slots.size() * 2);
        for (size_t i = 0; i < m_count; ++i) slots[i] = std::move(m_slots[Index(i)]);
        m_slots.swap(slots);
        m_head = 0;
    }

    std::vector<T> m_slots;
    size_t m_head = 0;
    size_t m_count = 0;
};
