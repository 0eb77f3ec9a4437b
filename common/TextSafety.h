// Characters of outside text (a page's names, a link's file name) that must
// not reach a terminal, a log or a file name as they are. Every layer may
// include this.
#pragma once

namespace TextSafety {

// C0 and C1 controls and DEL: escape sequences, line and page breaks, NUL.
constexpr bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The marks and embeddings that make text show in another order than it is
// stored in.
constexpr bool isBidiControl(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

constexpr bool isUnsafeToShow(char32_t c)
{
    return isControl(c) || isBidiControl(c);
}

// What an unsafe character is shown as.
inline constexpr char32_t Replacement = 0xFFFD;

} // namespace TextSafety
