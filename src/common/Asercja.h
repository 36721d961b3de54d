#pragma once
// Jedyny wyjątek programu: naruszenie warunku, który poprawny kod zawsze spełnia.
// Złe dane wejściowe nigdy go nie zgłaszają; te wracają jako false i komunikat.
#include <stdexcept>
#include <string>

class BladAsercji : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Asercja(bool warunek, const char* komunikat)
{
    if (!warunek) throw BladAsercji(komunikat);
}
