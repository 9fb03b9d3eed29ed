#pragma once

#include "numericvalue.h"
#include "runtimeerror.h"

#include <array>

// An array indexed First to Last. Every access tests its index and raises the
// subscript-out-of-range error outside those bounds.
template<class T, int First, int Last>
class BoundedArray {
public:
    BoundedArray() { m_slots.fill(T{}); }

    T &operator[](const NumericValue &index) { return m_slots[offset(index)]; }
    const T &operator[](const NumericValue &index) const { return m_slots[offset(index)]; }

private:
    static std::size_t offset(const NumericValue &index)
    {
        const std::int32_t i = index.toInt32();
        if (i < First || i > Last)
            throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange);
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, Last - First + 1> m_slots;
};
