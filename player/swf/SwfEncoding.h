#pragma once
// Building blocks shared by the movie, bridge and bytecode writers.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "Swf.h"

namespace swf::detail {

// Little-endian byte output, the order of every multi-byte SWF field.
class ByteWriter {
public:
    void U8(std::uint32_t v) { m_bytes.push_back(static_cast<std::uint8_t>(v)); }
    void U16(std::uint32_t v) { U8(v); U8(v >> 8); }
    void U24(std::uint32_t v) { U16(v); U8(v >> 16); }
    void U32(std::uint32_t v) { U16(v); U16(v >> 16); }
    void F64(double v);               // ABC order: plain little-endian IEEE
    void CString(std::string_view s); // bytes then NUL
    void Append(const Bytes& b) { m_bytes.insert(m_bytes.end(), b.begin(), b.end()); }
    void PatchU16(std::size_t at, std::uint32_t v);
    void PatchU24(std::size_t at, std::uint32_t v);
    std::size_t Size() const { return m_bytes.size(); }
    const Bytes& Data() const { return m_bytes; }
    Bytes Take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

// Bit fields, most significant bit first, as RECT, MATRIX and shape records use.
class BitWriter {
public:
    void Bits(std::uint32_t value, int count);
    void SignedBits(std::int32_t value, int count) { Bits(static_cast<std::uint32_t>(value), count); }
    void Flush();                    // pad to the next byte
    Bytes Take();

private:
    Bytes m_bytes;
    int m_used = 0;                  // bits used in the last byte
};

// Bits needed to hold `value` as a signed field (at least 1).
int SignedBitCount(std::int32_t value);
int SignedBitCount(std::initializer_list<std::int32_t> values);

// RECT in twips.
Bytes Rect(std::int32_t xMin, std::int32_t xMax, std::int32_t yMin, std::int32_t yMax);

enum TagCode : std::uint16_t {
    kEnd = 0,
    kShowFrame = 1,
    kDefineShape = 2,
    kSetBackgroundColor = 9,
    kDefineSound = 14,
    kStartSound = 15,
    kDoAction = 12,
    kPlaceObject2 = 26,
    kFileAttributes = 69,
    kSymbolClass = 76,
    kDoAbc = 82,
};

// A movie body under construction: tags after the header.
class TagStream {
public:
    void Tag(TagCode code, const Bytes& body);
    void Tag(TagCode code) { Tag(code, {}); }
    const Bytes& Data() const { return m_out.Data(); }

private:
    ByteWriter m_out;
};

struct Frame {
    int stageWidth = 0;              // pixels
    int stageHeight = 0;
    double frameRate = 0;
    int frameCount = 0;
};

// A complete file: signature, version, length, frame header, tags. `compressed`
// gives CWS (zlib), otherwise FWS.
Bytes AssembleMovie(int version, const Frame& frame, const TagStream& tags, bool compressed);

Bytes FileAttributesBody(bool as3);
Bytes BackgroundBody(std::uint32_t rgb);
// DoABC that the player may run when the class is first needed.
Bytes DoAbcBody(const Bytes& abc);
// SymbolClass naming the document class (character 0).
Bytes SymbolClassBody(std::string_view className);

// A URL as it may stand in a movie's string: NUL, controls, spaces and bytes
// outside ASCII percent-encoded (an already encoded '%' is kept).
std::string EscapeUrl(std::string_view url);

}  // namespace swf::detail
