// Small real movies: a square that crosses the stage and changes colour on
// every frame, so that playback, pause and seek show in a screenshot.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Abc.h"
#include "Swf.h"
#include "SwfEncoding.h"

namespace swf {
namespace {

using detail::BitWriter;
using detail::ByteWriter;
using detail::TagStream;

constexpr std::uint16_t kSquareId = 1, kToneId = 2, kDepth = 1;
constexpr int kAs2Version = 8, kAs3Version = 10;

struct Placement {
    std::int32_t x = 0, y = 0;        // twips
    std::uint32_t rgb = 0;
};

Bytes SquareShape(std::int32_t side)
{
    ByteWriter out;
    out.U16(kSquareId);
    out.Append(detail::Rect(0, side, 0, side));
    out.U8(1);                        // one fill style: solid black, tinted when placed
    out.U8(0x00);
    out.U8(0);
    out.U8(0);
    out.U8(0);
    out.U8(0);                        // no line styles

    BitWriter bits;
    bits.Bits(1, 4);                  // fill index bits
    bits.Bits(0, 4);                  // line index bits
    bits.Bits(0, 1);                  // style change record
    bits.Bits(0b00011, 5);            // fill style 0 and move-to
    const int moveBits = detail::SignedBitCount(0);
    bits.Bits(static_cast<std::uint32_t>(moveBits), 5);
    bits.SignedBits(0, moveBits);
    bits.SignedBits(0, moveBits);
    bits.Bits(1, 1);                  // fill style 0 = 1
    const int n = detail::SignedBitCount(side);
    const std::pair<std::int32_t, bool> edges[] = {{side, false}, {side, true}, {-side, false}, {-side, true}};
    for (const auto& [delta, vertical] : edges) {
        bits.Bits(0b11, 2);           // straight edge
        bits.Bits(static_cast<std::uint32_t>(n - 2), 4);
        bits.Bits(0, 1);              // not a general line
        bits.Bits(vertical ? 1 : 0, 1);
        bits.SignedBits(delta, n);
    }
    bits.Bits(0, 6);                  // end of shape
    out.Append(bits.Take());
    return out.Take();
}

Bytes Place(const Placement& p, bool first)
{
    ByteWriter out;
    // Matrix and colour transform, plus the character on the first frame or
    // "move" on the others.
    out.U8(0x04 | 0x08 | (first ? 0x02 : 0x01));
    out.U16(kDepth);
    if (first)
        out.U16(kSquareId);
    BitWriter bits;
    bits.Bits(0, 2);                  // no scale, no rotation
    const int t = detail::SignedBitCount({p.x, p.y});
    bits.Bits(static_cast<std::uint32_t>(t), 5);
    bits.SignedBits(p.x, t);
    bits.SignedBits(p.y, t);
    bits.Flush();
    // Colour transform with alpha: add terms only; black plus the terms is the colour.
    bits.Bits(0b10, 2);
    const int c = detail::SignedBitCount(255);
    bits.Bits(static_cast<std::uint32_t>(c), 4);
    for (const std::uint32_t v : {p.rgb >> 16, (p.rgb >> 8) & 0xFF, p.rgb & 0xFF, 0u})
        bits.SignedBits(static_cast<std::int32_t>(v), c);
    out.Append(bits.Take());
    return out.Take();
}

std::uint32_t HueColour(double hue)
{
    const auto channel = [hue](double offset) {
        const double v = 0.5 + 0.5 * std::cos(2 * std::numbers::pi * (hue - offset));
        return static_cast<std::uint32_t>(std::lround(40 + 200 * v));
    };
    return (channel(0) << 16) | (channel(1.0 / 3) << 8) | channel(2.0 / 3);
}

// A quarter-second 440 Hz tone, 16-bit mono at 11025 Hz, as an event sound.
Bytes Tone()
{
    constexpr int kRate = 11025, kSamples = kRate / 4;
    ByteWriter out;
    out.U16(kToneId);
    out.U8((3 << 4) | (1 << 2) | (1 << 1));   // uncompressed little-endian, 11 kHz, 16-bit, mono
    out.U32(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / kSamples;
        const double v = 8000 * fade * std::sin(2 * std::numbers::pi * 440 * i / kRate);
        out.U16(static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(v))));
    }
    return out.Take();
}

Bytes StartTone()
{
    return {static_cast<std::uint8_t>(kToneId), static_cast<std::uint8_t>(kToneId >> 8), 0};
}

// The document class an ActionScript 3 movie needs for its main timeline.
Bytes MovieClass()
{
    detail::AbcFile abc;
    detail::AbcFile::Body ctor;
    ctor.code.Do(detail::Op::GetLocal0);
    ctor.code.Do(detail::Op::PushScope);
    ctor.code.Do(detail::Op::GetLocal0);
    ctor.code.Do(detail::Op::ConstructSuper, 0);
    ctor.code.Do(detail::Op::ReturnVoid);
    abc.AddClass("LaloraMovie", abc.QName("flash.display", "MovieClip"), std::move(ctor), {}, {});
    return detail::DoAbcBody(abc.Finish());
}

}  // namespace

Bytes WriteMovie(const MovieOptions& options)
{
    const int frames = std::clamp(options.frameCount, 1, 65535);
    const int width = std::clamp(options.stageWidth, 1, 8191);
    const int height = std::clamp(options.stageHeight, 1, 8191);
    const bool as3 = options.script == Script::As3;
    const std::int32_t side = std::max(1, std::min(width, height) / 4) * 20;
    const std::int32_t travel = std::max(0, width * 20 - side);

    TagStream tags;
    tags.Tag(detail::kFileAttributes, detail::FileAttributesBody(as3));
    tags.Tag(detail::kSetBackgroundColor, detail::BackgroundBody(options.backgroundRgb));
    if (as3) {
        tags.Tag(detail::kDoAbc, MovieClass());
        tags.Tag(detail::kSymbolClass, detail::SymbolClassBody("LaloraMovie"));
    }
    tags.Tag(detail::kDefineShape, SquareShape(side));
    if (options.withSound) {
        tags.Tag(detail::kDefineSound, Tone());
        tags.Tag(detail::kStartSound, StartTone());
    }
    for (int i = 0; i < frames; ++i) {
        const double progress = frames > 1 ? static_cast<double>(i) / (frames - 1) : 0;
        Placement p;
        p.x = static_cast<std::int32_t>(std::lround(travel * progress));
        p.y = (height * 20 - side) / 2;
        p.rgb = HueColour(progress);
        tags.Tag(detail::kPlaceObject2, Place(p, i == 0));
        tags.Tag(detail::kShowFrame);
    }
    tags.Tag(detail::kEnd);

    const detail::Frame frame{width, height, options.frameRate, frames};
    return detail::AssembleMovie(as3 ? kAs3Version : kAs2Version, frame, tags, options.compressed);
}

}  // namespace swf
