#pragma once

// The operations on Text and ByteBuffer. Each takes values and gives a fresh value owned by the
// caller; none changes its inputs or keeps state, so all may run on any thread. None fails on
// its inputs: counts out of range are clamped and absent values count as empty.

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"
#include "foundation/values/textlist.h"

#include <cstdint>
#include <initializer_list>

namespace zanvik {

// The bytes of the pieces one after another.
Text concatText(std::initializer_list<Text> pieces);
template <class... More>
Text concatText(const Text& first, const Text& second, const More&... more) {
    return concatText({first, second, Text(more)...});
}

// The bytes of a, then of b. The overload that takes a by rvalue reuses its storage, so that
// `buffer = concatBytes(std::move(buffer), part)` costs time linear in the part, not the buffer.
ByteBuffer concatBytes(const ByteBuffer& a, const ByteBuffer& b);
ByteBuffer concatBytes(ByteBuffer&& a, const ByteBuffer& b);

// The bytes before the first zero byte of the buffer (all of them when it has none).
Text textFromBytes(const ByteBuffer& buffer);
// The bytes of the Text, without a terminating zero.
ByteBuffer bytesFromText(const Text& text);

std::int32_t textLength(const Text& text);
std::int32_t byteLength(const ByteBuffer& buffer);

// The 1-based byte position of the first occurrence of needle in haystack that starts on a
// character boundary (a byte of 0x80 or above starts a two-byte character), or -1.
std::int32_t findText(const Text& haystack, const Text& needle);

// The last n bytes of text: empty for n <= 0, all of it for n >= its length.
Text textRight(const Text& text, std::int32_t n);

// Fields of text between separators, stepping over two-byte characters; a trailing separator
// adds no empty field and the empty Text gives no field.
TextList splitText(const Text& text, const Text& separator);

// The first / last k bytes, with k = n clamped to 0..length. Always a copy.
ByteBuffer bytesLeft(const ByteBuffer& buffer, std::int32_t n);
ByteBuffer bytesRight(const ByteBuffer& buffer, std::int32_t n);
// The same last k bytes, taken from a buffer that is given up: its front is dropped in place, so
// `buffer = bytesRight(std::move(buffer), length - 2000)` costs no copy of what stays.
ByteBuffer bytesRight(ByteBuffer&& buffer, std::int32_t n);

// Byte-wise comparison as unsigned values: negative, 0 or positive.
std::int32_t compareText(const Text& a, const Text& b);
bool bytesEqual(const ByteBuffer& a, const ByteBuffer& b);

// Plain decimal with a leading "-" for negative values.
Text intToText(std::int32_t value);
// Like printf's "%.13g" with an exponent of at least three digits ("1e-005", "1e+013").
// Infinities give "inf" and "-inf", a value that is not a number "nan", negative zero "0".
Text doubleToText(double value);
// Rounds to n decimal places, halves away from zero, after a nudge of 1e-12 upward; see the
// definition for the exact double arithmetic. Gives x itself for 0 and NaN.
double roundToDecimals(double x, std::int32_t n = 0);
// The integer part (toward zero) taken as a 64-bit integer, of which the low 32 bits are the
// result. NaN gives 0; values beyond the 64-bit range saturate before the cut.
std::int32_t truncateToInt(double value);

} // namespace zanvik
