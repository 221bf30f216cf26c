#include "mapfile/PngChunks.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace brambex {

namespace {
const unsigned char IEND_CHUNK[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
}

std::uint32_t readLittleEndian32(const Bytes& file, std::uint64_t at) {
    return std::uint32_t(file[at]) | (std::uint32_t(file[at + 1]) << 8) | (std::uint32_t(file[at + 2]) << 16) |
           (std::uint32_t(file[at + 3]) << 24);
}

std::uint32_t readBigEndian32(const Bytes& file, std::uint64_t at) {
    return (std::uint32_t(file[at]) << 24) | (std::uint32_t(file[at + 1]) << 16) |
           (std::uint32_t(file[at + 2]) << 8) | std::uint32_t(file[at + 3]);
}

void appendLittleEndian32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void appendBigEndian32(Bytes& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

bool endsWithIend(const Bytes& png) {
    return png.size() >= 20 && std::equal(png.end() - 12, png.end(), IEND_CHUNK);
}

Bytes makeChunk(std::string_view type, const Bytes& data) {
    Bytes chunk;
    chunk.reserve(12 + data.size());
    appendBigEndian32(chunk, static_cast<std::uint32_t>(data.size()));
    chunk.insert(chunk.end(), type.begin(), type.end());
    chunk.insert(chunk.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), chunk.data() + 4, static_cast<uInt>(4 + data.size()));
    appendBigEndian32(chunk, static_cast<std::uint32_t>(crc));
    return chunk;
}

bool insertBeforeIend(Bytes& png, const Bytes& chunk) {
    if (!endsWithIend(png)) return false;
    png.insert(png.end() - 12, chunk.begin(), chunk.end());
    return true;
}

ChunkMatch findChunk(const Bytes& file, std::string_view type, bool ignoreCase, std::uint64_t needed) {
    const std::uint64_t size = file.size();
    std::uint64_t offset = 8;
    auto sameLetter = [ignoreCase](unsigned char a, char b) {
        const auto ub = static_cast<unsigned char>(b);
        return ignoreCase ? std::tolower(a) == std::tolower(ub) : a == ub;
    };
    while (offset + 8 <= size) {
        const std::uint64_t length = readBigEndian32(file, offset);
        const unsigned char* name = file.data() + offset + 4;
        bool match = type.size() == 4;
        for (std::size_t i = 0; match && i < 4; ++i) match = sameLetter(name[i], type[i]);
        if (match) {
            if (offset + needed > size) return {};
            return {true, offset};
        }
        if (std::memcmp(name, "IEND", 4) == 0) return {};
        offset += length + 12;  // at most 2^32 + 11 per step: no wrap in 64 bits
    }
    return {};
}

std::optional<std::string> findTextChunk(const Bytes& file, std::string_view keyword, std::size_t maxText) {
    const std::uint64_t size = file.size();
    std::uint64_t offset = 8;
    while (offset + 8 <= size) {
        const std::uint64_t length = readBigEndian32(file, offset);
        const unsigned char* name = file.data() + offset + 4;
        if (std::memcmp(name, "IEND", 4) == 0) return std::nullopt;
        if (std::memcmp(name, "tEXt", 4) == 0 && offset + 8 + length <= size && length > keyword.size()) {
            const unsigned char* data = name + 4;
            if (std::memcmp(data, keyword.data(), keyword.size()) == 0 && data[keyword.size()] == 0) {
                const std::uint64_t textLength = length - keyword.size() - 1;
                if (textLength > maxText) return std::nullopt;
                return std::string(reinterpret_cast<const char*>(data + keyword.size() + 1), static_cast<std::size_t>(textLength));
            }
        }
        offset += length + 12;
    }
    return std::nullopt;
}

}  // namespace brambex
