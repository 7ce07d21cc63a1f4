#pragma once

#include <QtGlobal>

#include <cstdint>

namespace cellvex::plainxml {

// The character-level reading of the fast XML parser: UTF-8 sequences of
// XML characters, and references to characters and the five predefined
// entities, each measured where it stands in a piece of text that may end
// inside it.

// The length of the UTF-8 sequence of an XML character at `p`; 0 when the
// text ends inside it, -1 when it is no such sequence.
int utf8Length(const unsigned char *p, qsizetype available);

// The length of a reference at `p` (which is "&"), its character in `code`:
// a character reference, decimal or hexadecimal, of an XML character, or
// one of the five predefined entities. 0 when the text ends inside it, -1
// for anything else (other entities are the general parser's).
int referenceLength(const char *p, qsizetype available, std::uint32_t &code);

// Writes the UTF-8 bytes of `c` at `out`; returns the end.
char *putUtf8(char *out, std::uint32_t c);

// Replaces the checked references of [from, to) by their characters, which
// never take more bytes; returns the new end.
char *resolveReferences(char *from, const char *to);

} // namespace cellvex::plainxml
