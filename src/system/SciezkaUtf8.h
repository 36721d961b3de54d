#pragma once
// std::filesystem bierze wąski tekst w stronie kodowej systemu (w Windows ANSI, nie UTF-8);
// program trzyma ścieżki w UTF-8, więc zamienia je jawnie.
#include <filesystem>
#include <string>
#include <string_view>

inline std::filesystem::path SciezkaUtf8(std::string_view s) { return std::filesystem::path(std::u8string(s.begin(), s.end())); }

inline std::string Utf8(const std::filesystem::path& p)
{
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}
