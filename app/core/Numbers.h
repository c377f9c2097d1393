#pragma once

#include <QString>
#include <cstdint>
#include <limits>

// Counters shared between screens are signed 16-bit. They stop at the top of
// their range instead of wrapping round, so a pupil who leaves a game running
// all day never sees a negative time or score.
inline std::int16_t addCapped(std::int16_t value, int delta)
{
    const int sum = int(value) + delta;
    if (sum > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (sum < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return std::int16_t(sum);
}

// Numbers shown "with a leading blank": a blank stands where a plus sign
// would, so "Total cards: " + withLeadingBlank(5) shows two blanks.
inline QString withLeadingBlank(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
