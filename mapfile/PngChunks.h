#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "map/Files.h"

namespace brambex {

// The 12 bytes every PNG ends with: length 0, "IEND", CRC.
bool endsWithIend(const Bytes& png);

// A complete chunk: big-endian length, type, data, big-endian CRC-32 over type and data.
Bytes makeChunk(std::string_view type, const Bytes& data);

// Puts `chunk` directly before the final IEND chunk (false, nothing changed, when there is none).
bool insertBeforeIend(Bytes& png, const Bytes& chunk);

// Where a chunk starts in a PNG byte stream, found by walking the chunks from offset 8. Every
// length is bounded by the file size with 64-bit offsets, the walk stops at IEND, and it never
// reads past the end: any byte sequence ends the walk cleanly.
struct ChunkMatch {
    bool found = false;
    std::uint64_t offset = 0;  // of the chunk's length field
};

// `ignoreCase` compares the four letters without regard to case. `needed` is how many bytes
// from the chunk's start the caller will read; a match whose values would pass the end of the
// file ends the walk without a match.
ChunkMatch findChunk(const Bytes& file, std::string_view type, bool ignoreCase, std::uint64_t needed);

// The text of the first "tEXt" chunk whose keyword is `keyword` (Latin-1 text, at most `maxText`
// bytes); none when there is no such chunk or its text is longer.
std::optional<std::string> findTextChunk(const Bytes& file, std::string_view keyword, std::size_t maxText);

std::uint32_t readLittleEndian32(const Bytes& file, std::uint64_t at);
std::uint32_t readBigEndian32(const Bytes& file, std::uint64_t at);
void appendLittleEndian32(Bytes& out, std::uint32_t value);
void appendBigEndian32(Bytes& out, std::uint32_t value);

}  // namespace brambex
