#pragma once
// A control array of a window: elements addressed by index from a lower bound, like
// Degit(1) to Degit(24). An index outside the array is the runtime error "subscript out of
// range" (9), never undefined behaviour.
#include "platform/core/K41Error.h"

#include <vector>

template <typename T> class ControlArray {
  public:
    ControlArray() = default;
    explicit ControlArray(int lowerBound) : m_lower(lowerBound) {}

    void append(T* control) { m_items.push_back(control); }

    T* operator[](int index) const {
        const long long at = (long long)index - m_lower;
        if (at < 0 || at >= (long long)m_items.size())
            throw K41Error::subscript(QStringLiteral("control array index %1").arg(index));
        return m_items[size_t(at)];
    }

    int LBound() const { return m_lower; }
    int UBound() const { return m_lower + int(m_items.size()) - 1; }
    int Count() const { return int(m_items.size()); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

  private:
    int m_lower = 0;
    std::vector<T*> m_items;
};
