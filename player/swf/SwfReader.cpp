// Header facts of a movie. Compressed bodies are decoded only as far as the
// facts need, with a fixed ceiling, so a huge or lying file costs bounded work.
#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <memory>

#include "Swf.h"

namespace swf {
namespace {

constexpr std::size_t kScanLimit = 8u << 20;   // decoded bytes looked at, at most
constexpr std::size_t kChunk = 64u << 10;
constexpr int kTagLimit = 1000;                // tags looked at before the first frame
constexpr std::uint64_t kLzmaMemLimit = 256u << 20;
constexpr std::uint16_t kTagEnd = 0, kTagShowFrame = 1, kTagBackground = 9, kTagFileAttributes = 69;

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The movie after its 8-byte file header, made available on demand.
class Body {
public:
    virtual ~Body() = default;
    // True when the first `n` bytes are there.
    bool Ensure(std::size_t n)
    {
        while (m_data.size() < n && !m_finished && m_data.size() < kScanLimit)
            Grow();
        return m_data.size() >= n;
    }
    const std::uint8_t* At(std::size_t offset) const { return m_data.data() + offset; }

protected:
    virtual void Grow() = 0;     // appends bytes or sets m_finished
    Bytes m_data;
    bool m_finished = false;
};

class PlainBody : public Body {
public:
    PlainBody(const std::uint8_t* data, std::size_t size)
    {
        m_data.assign(data, data + std::min(size, kScanLimit));
        m_finished = true;
    }

private:
    void Grow() override {}
};

class ZlibBody : public Body {
public:
    ZlibBody(const std::uint8_t* data, std::size_t size)
    {
        m_stream.next_in = const_cast<Bytef*>(data);
        m_stream.avail_in = static_cast<uInt>(std::min<std::size_t>(size, UINT32_MAX));
        m_finished = inflateInit(&m_stream) != Z_OK;
        m_open = !m_finished;
    }
    ~ZlibBody() override
    {
        if (m_open)
            inflateEnd(&m_stream);
    }

private:
    void Grow() override
    {
        const std::size_t before = m_data.size();
        m_data.resize(before + kChunk);
        m_stream.next_out = m_data.data() + before;
        m_stream.avail_out = kChunk;
        const int rc = inflate(&m_stream, Z_NO_FLUSH);
        m_data.resize(before + kChunk - m_stream.avail_out);
        // A corrupt stream keeps what was decoded before the fault.
        if (rc != Z_OK || m_data.size() == before)
            m_finished = true;
    }

    z_stream m_stream{};
    bool m_open = false;
};

// ZWS stores the LZMA properties and raw data without the size field of the
// classic .lzma header; rebuilding that header lets the "alone" decoder read it.
class LzmaBody : public Body {
public:
    LzmaBody(const std::uint8_t* props, const std::uint8_t* data, std::size_t size,
             std::uint64_t expectedSize)
        : m_data_in(data), m_size_in(size)
    {
        std::memcpy(m_header.data(), props, 5);
        for (int i = 0; i < 8; ++i)
            m_header[5 + i] = static_cast<std::uint8_t>(expectedSize >> (8 * i));
        m_stream.next_in = m_header.data();
        m_stream.avail_in = m_header.size();
        m_finished = lzma_alone_decoder(&m_stream, kLzmaMemLimit) != LZMA_OK;
    }
    ~LzmaBody() override { lzma_end(&m_stream); }

private:
    void Grow() override
    {
        const std::size_t before = m_data.size();
        m_data.resize(before + kChunk);
        m_stream.next_out = m_data.data() + before;
        m_stream.avail_out = kChunk;
        lzma_ret rc = LZMA_OK;
        while (rc == LZMA_OK && m_stream.avail_out > 0) {
            if (m_stream.avail_in == 0) {
                if (m_fedData)
                    break;
                m_stream.next_in = m_data_in;
                m_stream.avail_in = m_size_in;
                m_fedData = true;
            }
            rc = lzma_code(&m_stream, LZMA_RUN);
        }
        m_data.resize(before + kChunk - m_stream.avail_out);
        if (rc != LZMA_OK || m_data.size() == before)
            m_finished = true;
    }

    lzma_stream m_stream = LZMA_STREAM_INIT;
    std::array<std::uint8_t, 13> m_header{};
    const std::uint8_t* m_data_in;
    std::size_t m_size_in;
    bool m_fedData = false;
};

class BitReader {
public:
    explicit BitReader(const std::uint8_t* data) : m_data(data) {}
    std::uint32_t Bits(int count)
    {
        std::uint32_t v = 0;
        for (int i = 0; i < count; ++i, ++m_pos)
            v = (v << 1) | ((m_data[m_pos / 8] >> (7 - m_pos % 8)) & 1u);
        return v;
    }
    std::int32_t SignedBits(int count)
    {
        const std::uint32_t v = Bits(count);
        if (count == 0 || count == 32)
            return static_cast<std::int32_t>(v);
        const std::uint32_t sign = 1u << (count - 1);
        return static_cast<std::int32_t>((v ^ sign)) - static_cast<std::int32_t>(sign);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_pos = 0;
};

std::unique_ptr<Body> OpenBody(const std::uint8_t* data, std::size_t size, std::uint32_t fileLength)
{
    const std::uint8_t* rest = data + 8;
    const std::size_t restSize = size - 8;
    switch (data[0]) {
    case 'F':
        return std::make_unique<PlainBody>(rest, restSize);
    case 'C':
        return std::make_unique<ZlibBody>(rest, restSize);
    default:
        // "ZWS", version, length, compressed length (4), properties (5), data.
        if (size < 17)
            return nullptr;
        return std::make_unique<LzmaBody>(data + 12, data + 17, size - 17,
                                          fileLength >= 8 ? fileLength - 8 : LZMA_VLI_UNKNOWN);
    }
}

int TwipsToPixels(std::int64_t twips) { return static_cast<int>((twips + (twips >= 0 ? 10 : -10)) / 20); }

// FileAttributes and SetBackgroundColor stand before the first frame ends.
void ScanTags(Body& body, std::size_t pos, SwfInfo& info)
{
    for (int i = 0; i < kTagLimit && body.Ensure(pos + 2); ++i) {
        const std::uint32_t head = body.At(pos)[0] | (body.At(pos)[1] << 8);
        const std::uint16_t code = static_cast<std::uint16_t>(head >> 6);
        std::uint64_t length = head & 0x3Fu;
        pos += 2;
        if (length == 0x3F) {
            if (!body.Ensure(pos + 4))
                return;
            length = Le32(body.At(pos));
            pos += 4;
        }
        if (code == kTagEnd || code == kTagShowFrame)
            return;
        if (code == kTagFileAttributes && length >= 1 && body.Ensure(pos + 1))
            info.isAs3 = (body.At(pos)[0] & 0x08) != 0;
        if (code == kTagBackground && length >= 3 && body.Ensure(pos + 3)) {
            const std::uint8_t* rgb = body.At(pos);
            info.backgroundRgb = (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
            return;
        }
        if (pos + length > kScanLimit)
            return;
        pos += static_cast<std::size_t>(length);
    }
}

}  // namespace

bool HasMovieSignature(const std::uint8_t* data, std::size_t size)
{
    return data && size >= 3 && (data[0] == 'F' || data[0] == 'C' || data[0] == 'Z') &&
           data[1] == 'W' && data[2] == 'S';
}

std::optional<SwfInfo> ReadInfo(const Bytes& movie)
{
    if (movie.size() < 8 || !HasMovieSignature(movie.data(), movie.size()))
        return std::nullopt;
    SwfInfo info;
    info.version = movie[3];
    info.fileLength = Le32(movie.data() + 4);
    const auto body = OpenBody(movie.data(), movie.size(), info.fileLength);
    if (!body || !body->Ensure(1))
        return std::nullopt;

    const int nbits = body->At(0)[0] >> 3;
    const std::size_t rectBytes = (5 + 4 * nbits + 7) / 8;
    if (!body->Ensure(rectBytes + 4))
        return std::nullopt;
    BitReader bits(body->At(0));
    bits.Bits(5);
    const std::int64_t xMin = bits.SignedBits(nbits), xMax = bits.SignedBits(nbits);
    const std::int64_t yMin = bits.SignedBits(nbits), yMax = bits.SignedBits(nbits);
    info.stageWidth = TwipsToPixels(xMax - xMin);
    info.stageHeight = TwipsToPixels(yMax - yMin);
    const std::uint8_t* p = body->At(rectBytes);
    info.frameRate = p[1] + p[0] / 256.0;
    info.frameCount = p[2] | (p[3] << 8);

    ScanTags(*body, rectBytes + 4, info);
    return info;
}

std::optional<SwfInfo> ReadInfoFromFile(const std::string& utf8Path)
{
    // The header facts sit near the front; a compressed movie may need more of
    // its data than the scan limit of decoded bytes, but never without bound.
    constexpr std::size_t kReadLimit = 16u << 20;
    std::ifstream in(utf8Path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const auto size = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    in.seekg(0);
    Bytes data(static_cast<std::size_t>(std::min<std::uint64_t>(size, kReadLimit)));
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return ReadInfo(data);
}

}  // namespace swf
