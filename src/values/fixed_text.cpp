#include "fixed_text.h"

void copyTextBytes(char* to, const char* from, std::size_t n)
{
    if (n > 0)
        std::memcpy(to, from, n);
}
