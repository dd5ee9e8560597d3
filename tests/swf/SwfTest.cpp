#include <gtest/gtest.h>
#include <lzma.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include "Swf.h"
#include "tests/support/TestSupport.h"

namespace {

using swf::Bytes;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void SetLe32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

bool Contains(const Bytes& haystack, const std::string& needle)
{
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

// The written movie as ZWS: the body LZMA-compressed, stored as properties and
// raw data, with an end marker or (as authoring tools write it) without one.
Bytes ToZws(const Bytes& fws, bool endMarker)
{
    const std::uint64_t size = fws.size() - 8;
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.ext_flags = 0;
    options.ext_size_low = endMarker ? UINT32_MAX : static_cast<std::uint32_t>(size);
    options.ext_size_high = endMarker ? UINT32_MAX : 0;
    const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    Bytes lzma(fws.size() + 1024);
    std::size_t written = 0;
    EXPECT_EQ(lzma_raw_buffer_encode(filters, nullptr, fws.data() + 8, size, lzma.data(), &written, lzma.size()),
              LZMA_OK);
    std::uint8_t props[5];
    lzma_filter plain{LZMA_FILTER_LZMA1, &options};
    EXPECT_EQ(lzma_properties_encode(&plain, props), LZMA_OK);

    Bytes zws = {'Z', 'W', 'S', fws[3], fws[4], fws[5], fws[6], fws[7], 0, 0, 0, 0};
    SetLe32(zws, 8, static_cast<std::uint32_t>(written));
    zws.reserve(zws.size() + 5 + written);
    zws.insert(zws.end(), props, props + 5);
    zws.insert(zws.end(), lzma.begin(), lzma.begin() + static_cast<std::ptrdiff_t>(written));
    return zws;
}

struct MovieCase {
    const char* name;
    swf::MovieOptions options;
};

class WrittenMovie : public testing::TestWithParam<MovieCase> {};

swf::MovieOptions Options(int frames, double rate, int w, int h, std::uint32_t bg, swf::Script script,
                    bool sound, bool compressed)
{
    return {frames, rate, w, h, bg, script, sound, compressed};
}

TEST_P(WrittenMovie, ReadsBackAsWritten)
{
    const auto& options = GetParam().options;
    const Bytes movie = swf::WriteMovie(options);
    swf::MovieOptions plainOptions = options;
    plainOptions.compressed = false;
    const Bytes plain = swf::WriteMovie(plainOptions);
    for (const Bytes& variant : {movie, ToZws(plain, true), ToZws(plain, false)}) {
        const auto info = swf::ReadInfo(variant);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->stageWidth, options.stageWidth);
        EXPECT_EQ(info->stageHeight, options.stageHeight);
        EXPECT_NEAR(info->frameRate, options.frameRate, 1.0 / 256);
        EXPECT_EQ(info->frameCount, options.frameCount);
        EXPECT_EQ(info->isAs3, options.script == swf::Script::As3);
        EXPECT_EQ(info->version, options.script == swf::Script::As3 ? 10 : 8);
        EXPECT_EQ(info->backgroundRgb, options.backgroundRgb);
    }
    EXPECT_EQ(movie[0], options.compressed ? 'C' : 'F');
    if (!options.compressed) {
        EXPECT_EQ(swf::ReadInfo(movie)->fileLength, movie.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Swf, WrittenMovie,
    testing::Values(MovieCase{"As2Plain", Options(60, 12, 320, 240, 0xFFFFFF, swf::Script::As2, false, false)},
                    MovieCase{"As2CompressedSound", Options(3, 29.97, 550, 400, 0x336699, swf::Script::As2, true, true)},
                    MovieCase{"As3Plain", Options(1, 24, 800, 600, 0x000000, swf::Script::As3, false, false)},
                    MovieCase{"As3Compressed", Options(500, 0.5, 1, 1, 0x102030, swf::Script::As3, true, true)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Swf, CompressedFileLengthIsTheUncompressedOne)
{
    swf::MovieOptions options;
    const Bytes plain = swf::WriteMovie(options);
    options.compressed = true;
    const Bytes packed = swf::WriteMovie(options);
    EXPECT_LT(packed.size(), plain.size());
    EXPECT_EQ(swf::ReadInfo(packed)->fileLength, plain.size());
}

// A minimal FWS header: RECT 0..20 x 0..20 twips in 6-bit fields, rate 12, 7 frames.
Bytes TinyHeader()
{
    // nbits 6 -> 5 + 24 bits = 4 bytes: 00110 000000 010100 000000 010100 (pad)
    Bytes b = {'F', 'W', 'S', 6, 0, 0, 0, 0, 0x30, 0x0A, 0x00, 0x50, 0x00, 12, 7, 0};
    SetLe32(b, 4, static_cast<std::uint32_t>(b.size()));
    return b;
}

struct BadCase {
    const char* name;
    Bytes bytes;
};

Bytes Mutated(Bytes b, std::size_t at, std::uint8_t v)
{
    b.at(at) = v;
    return b;
}

Bytes Truncated(Bytes b, std::size_t size)
{
    b.resize(size);
    return b;
}

Bytes Garbage(std::size_t size, std::uint8_t first)
{
    std::mt19937 rng(7);
    Bytes b(size);
    for (auto& v : b)
        v = static_cast<std::uint8_t>(rng());
    b[0] = first;
    b[1] = 'W';
    b[2] = 'S';
    return b;
}

class BadInput : public testing::TestWithParam<BadCase> {};

TEST_P(BadInput, GivesNothing) { EXPECT_FALSE(swf::ReadInfo(GetParam().bytes)); }

const Bytes kCompressed = swf::WriteMovie({12, 12, 320, 240, 0xFFFFFF, swf::Script::As2, false, true});

INSTANTIATE_TEST_SUITE_P(
    Swf, BadInput,
    testing::Values(BadCase{"Empty", {}}, BadCase{"ThreeBytes", Text("FWS")},
                    BadCase{"NotAMovie", Text("<html><body>not found</body></html>")},
                    BadCase{"HeaderOnly", Truncated(TinyHeader(), 8)},
                    BadCase{"CutInsideRect", Truncated(TinyHeader(), 10)},
                    BadCase{"CutBeforeFrameCount", Truncated(TinyHeader(), 14)},
                    BadCase{"WideRectCut", Mutated(Truncated(TinyHeader(), 12), 8, 0xF8)},
                    BadCase{"CwsCorruptZlib", Mutated(Mutated(kCompressed, 8, 0x12), 9, 0x34)},
                    BadCase{"CwsCut", Truncated(kCompressed, 10)},
                    BadCase{"CwsGarbage", Garbage(4096, 'C')},
                    BadCase{"ZwsGarbage", Garbage(4096, 'Z')},
                    BadCase{"ZwsHugeDictionary", Mutated(Mutated(Garbage(64, 'Z'), 12, 0x5D), 16, 0xFF)},
                    BadCase{"ZwsCut", Truncated(Garbage(64, 'Z'), 15)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Swf, LyingHeadersAreReportedAsStated)
{
    Bytes huge = kCompressed;
    SetLe32(huge, 4, 0xFFFFFFFF);
    const auto hugeInfo = swf::ReadInfo(huge);
    ASSERT_TRUE(hugeInfo);
    EXPECT_EQ(hugeInfo->fileLength, 0xFFFFFFFFu);
    EXPECT_EQ(hugeInfo->frameCount, 12);

    Bytes frames = TinyHeader();
    frames[14] = 0x0F;
    frames[15] = 0x27;                // 9999 frames stated, none there
    EXPECT_EQ(swf::ReadInfo(frames)->frameCount, 9999);

    Bytes tiny = TinyHeader();
    SetLe32(tiny, 4, 3);              // length shorter than the header
    const auto tinyInfo = swf::ReadInfo(tiny);
    ASSERT_TRUE(tinyInfo);
    EXPECT_EQ(tinyInfo->stageWidth, 1);
    EXPECT_EQ(tinyInfo->frameRate, 12);
}

TEST(Swf, TagsAfterTheHeaderAreBestEffort)
{
    Bytes b = TinyHeader();
    // A long tag claiming 2 GB, then nothing: the header facts remain.
    for (const std::uint8_t v : {0x3F, 0x00, 0xFF, 0xFF, 0xFF, 0x7F})
        b.push_back(v);
    const auto info = swf::ReadInfo(b);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->frameCount, 7);
    EXPECT_FALSE(info->isAs3);
    EXPECT_EQ(info->backgroundRgb, 0xFFFFFFu);

    // A background tag cut short keeps the default.
    Bytes cut = TinyHeader();
    for (const std::uint8_t v : {0x43, 0x02, 0x11, 0x22})
        cut.push_back(v);
    EXPECT_EQ(swf::ReadInfo(cut)->backgroundRgb, 0xFFFFFFu);
}

TEST(Swf, Signatures)
{
    for (const char* s : {"FWS", "CWS", "ZWS"})
        EXPECT_TRUE(swf::HasMovieSignature(reinterpret_cast<const std::uint8_t*>(s), 3)) << s;
    for (const char* s : {"GWS", "FW", "fws", "<ht"})
        EXPECT_FALSE(swf::HasMovieSignature(reinterpret_cast<const std::uint8_t*>(s), std::strlen(s))) << s;
    EXPECT_FALSE(swf::HasMovieSignature(nullptr, 0));
}

TEST(Swf, ReadsFromFile)
{
    testsupport::ScratchDir dir;
    const Bytes movie = swf::WriteMovie({});
    testsupport::WriteFile(dir.Path() / "m.swf", std::string(movie.begin(), movie.end()));
    const auto info = swf::ReadInfoFromFile((dir.Path() / "m.swf").string());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->frameCount, 60);
    EXPECT_FALSE(swf::ReadInfoFromFile((dir.Path() / "none.swf").string()));
    EXPECT_FALSE(swf::ReadInfoFromFile(dir.Path().string()));
}

TEST(Swf, BridgeCarriesTheTitlesStage)
{
    for (const auto script : {swf::Script::As2, swf::Script::As3}) {
        const auto title = swf::ReadInfo(swf::WriteMovie({90, 25, 550, 400, 0x123456, script, false, true}));
        ASSERT_TRUE(title);
        const Bytes bridge = swf::WriteBridge(*title, "file:///tmp/a b/\xE4\xB8\xAD.swf");
        const auto info = swf::ReadInfo(bridge);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->stageWidth, 550);
        EXPECT_EQ(info->stageHeight, 400);
        EXPECT_EQ(info->frameRate, 25);
        EXPECT_EQ(info->backgroundRgb, 0x123456u);
        EXPECT_EQ(info->isAs3, title->isAs3);
        EXPECT_EQ(info->frameCount, 1);
        EXPECT_GE(info->version, title->isAs3 ? 9 : 8);
        EXPECT_TRUE(Contains(bridge, "file:///tmp/a%20b/%E4%B8%AD.swf"));
        for (const char* callback : {"laloraTotalFrames", "laloraCurrentFrame", "laloraGotoFrame", "laloraPlay",
                                     "laloraStop", "laloraRewind", "laloraReady"})
            EXPECT_TRUE(Contains(bridge, callback)) << callback;
    }
}

TEST(Swf, BridgeUrlCannotEndItsString)
{
    swf::SwfInfo title;
    title.stageWidth = 100;
    title.stageHeight = 100;
    title.frameRate = 12;
    const Bytes bridge = swf::WriteBridge(title, std::string("a\0b\"c%41", 9));
    EXPECT_TRUE(Contains(bridge, "a%00b%22c%41"));
}

}  // namespace
