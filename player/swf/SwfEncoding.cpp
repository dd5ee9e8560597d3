#include "SwfEncoding.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace swf::detail {

void ByteWriter::F64(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::CString(std::string_view s)
{
    m_bytes.insert(m_bytes.end(), s.begin(), s.end());
    U8(0);
}

void ByteWriter::PatchU16(std::size_t at, std::uint32_t v)
{
    m_bytes.at(at) = static_cast<std::uint8_t>(v);
    m_bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void ByteWriter::PatchU24(std::size_t at, std::uint32_t v)
{
    PatchU16(at, v);
    m_bytes.at(at + 2) = static_cast<std::uint8_t>(v >> 16);
}

void BitWriter::Bits(std::uint32_t value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (m_used == 0)
            m_bytes.push_back(0);
        if ((value >> i) & 1u)
            m_bytes.back() |= static_cast<std::uint8_t>(0x80u >> m_used);
        m_used = (m_used + 1) % 8;
    }
}

void BitWriter::Flush() { m_used = 0; }

Bytes BitWriter::Take()
{
    Flush();
    return std::move(m_bytes);
}

int SignedBitCount(std::int32_t value)
{
    const std::uint32_t magnitude = value < 0 ? ~static_cast<std::uint32_t>(value)
                                              : static_cast<std::uint32_t>(value);
    return static_cast<int>(std::bit_width(magnitude)) + 1;
}

int SignedBitCount(std::initializer_list<std::int32_t> values)
{
    int bits = 1;
    for (const auto v : values)
        bits = std::max(bits, SignedBitCount(v));
    return bits;
}

Bytes Rect(std::int32_t xMin, std::int32_t xMax, std::int32_t yMin, std::int32_t yMax)
{
    const int n = SignedBitCount({xMin, xMax, yMin, yMax});
    BitWriter bits;
    bits.Bits(static_cast<std::uint32_t>(n), 5);
    for (const auto v : {xMin, xMax, yMin, yMax})
        bits.SignedBits(v, n);
    return bits.Take();
}

void TagStream::Tag(TagCode code, const Bytes& body)
{
    // The short form holds lengths up to 62; 63 marks the long form.
    if (body.size() < 63) {
        m_out.U16((static_cast<std::uint32_t>(code) << 6) | static_cast<std::uint32_t>(body.size()));
    } else {
        m_out.U16((static_cast<std::uint32_t>(code) << 6) | 0x3Fu);
        m_out.U32(static_cast<std::uint32_t>(body.size()));
    }
    m_out.Append(body);
}

namespace {

Bytes Deflate(const Bytes& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    out.resize(size);
    return out;
}

}  // namespace

Bytes AssembleMovie(int version, const Frame& frame, const TagStream& tags, bool compressed)
{
    ByteWriter body;
    body.Append(Rect(0, std::clamp(frame.stageWidth, 1, 8191) * 20, 0,
                     std::clamp(frame.stageHeight, 1, 8191) * 20));
    // 8.8 fixed point; anything outside it (or not a number) is clamped.
    const double rate = std::isfinite(frame.frameRate) ? std::clamp(frame.frameRate, 0.0, 255.99) : 0.0;
    body.U16(static_cast<std::uint32_t>(std::lround(rate * 256)));
    body.U16(static_cast<std::uint32_t>(std::clamp(frame.frameCount, 0, 65535)));
    body.Append(tags.Data());

    ByteWriter file;
    file.U8(compressed ? 'C' : 'F');
    file.U8('W');
    file.U8('S');
    file.U8(static_cast<std::uint32_t>(std::clamp(version, 1, 255)));
    file.U32(static_cast<std::uint32_t>(8 + body.Size()));
    file.Append(compressed ? Deflate(body.Data()) : body.Data());
    return file.Take();
}

Bytes FileAttributesBody(bool as3)
{
    // UseNetwork (0x01) lets a local movie load from the network as well; AS3 is 0x08.
    return {static_cast<std::uint8_t>(0x01u | (as3 ? 0x08u : 0u)), 0, 0, 0};
}

Bytes BackgroundBody(std::uint32_t rgb)
{
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

Bytes DoAbcBody(const Bytes& abc)
{
    ByteWriter out;
    out.U32(1);                       // lazy initialisation
    out.CString("");
    out.Append(abc);
    return out.Take();
}

Bytes SymbolClassBody(std::string_view className)
{
    ByteWriter out;
    out.U16(1);
    out.U16(0);
    out.CString(className);
    return out.Take();
}

std::string EscapeUrl(std::string_view url)
{
    static constexpr std::string_view kUnsafe = "\"<>\\^`{|}";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : url) {
        const auto b = static_cast<unsigned char>(ch);
        if (b <= 0x20 || b >= 0x7F || kUnsafe.find(ch) != std::string_view::npos) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace swf::detail
