#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The first N tab-separated fields of a record; missing ones are empty.
template <std::size_t N>
std::array<std::string_view, N> fieldsOf(std::string_view text)
{
    std::array<std::string_view, N> fields{};
    for (std::size_t i = 0; i < N && !text.empty(); ++i) {
        const std::size_t tab = text.find('\t');
        fields[i] = text.substr(0, tab);
        if (tab == std::string_view::npos)
            break;
        text.remove_prefix(tab + 1);
    }
    return fields;
}
