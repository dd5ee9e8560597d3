#pragma once
// Reading and writing Flash movies (.swf): the header facts the player needs,
// small real movies for tests and the demo, and the bridge movies through which
// the player drives a title.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace swf {

using Bytes = std::vector<std::uint8_t>;

struct SwfInfo {
    int version = 0;
    std::uint32_t fileLength = 0;     // uncompressed length from the header
    int stageWidth = 0;               // pixels
    int stageHeight = 0;              // pixels
    double frameRate = 0;             // frames per second
    int frameCount = 0;               // as the header states it
    bool isAs3 = false;               // FileAttributes says ActionScript 3
    std::uint32_t backgroundRgb = 0xFFFFFF;  // 0xRRGGBB from SetBackgroundColor
};

// Facts from a movie's bytes (FWS, CWS/zlib or ZWS/LZMA); nothing for anything
// that is not a readable movie.
std::optional<SwfInfo> ReadInfo(const Bytes& movie);
std::optional<SwfInfo> ReadInfoFromFile(const std::string& utf8Path);

// True when the bytes start with a movie signature (FWS, CWS or ZWS).
bool HasMovieSignature(const std::uint8_t* data, std::size_t size);

enum class Script { As2, As3 };

struct MovieOptions {
    int frameCount = 60;
    double frameRate = 12;
    int stageWidth = 320;
    int stageHeight = 240;
    std::uint32_t backgroundRgb = 0xFFFFFF;
    Script script = Script::As2;
    bool withSound = false;
    bool compressed = false;          // CWS
};

// A small real movie whose picture changes on every frame: a square of side
// min(width, height) / 4, vertically centred, whose left edge moves from 0 to
// width - side over the frames (frame i of n at (width - side) * i / (n - 1))
// and whose colour changes with it, over the background colour. AS3 movies
// carry a document class (a plain MovieClip); the sound is a quarter-second
// event tone started on the first frame. Values are clamped to what the format
// holds (1..65535 frames, 1..8191 pixels).
Bytes WriteMovie(const MovieOptions& options);

// A bridge movie with the title's stage, rate and background that loads the
// title from `titleUrl` and registers the ExternalInterface callbacks
// laloraTotalFrames, laloraCurrentFrame, laloraGotoFrame, laloraPlay,
// laloraStop, laloraRewind, then calls laloraReady. AS2 titles get the AVM1
// bridge (title in _level1), AS3 titles the AVM2 one (title in a Loader).
// Frames count from 0 on this interface:
//   laloraTotalFrames()  -> frame count, -1 until the title has loaded
//   laloraCurrentFrame() -> frame shown now, -1 until the title has loaded
//   laloraGotoFrame(n)   -> go to frame n and halt there
//   laloraPlay(), laloraStop(), laloraRewind() (frame 0, halted)
// Commands before the title has loaded do nothing. An AS3 title whose root has
// no timeline reads as 1 frame, current frame 0. The URL should be absolute (a
// relative one resolves against the bridge's own address); it is
// percent-encoded where it is not plain ASCII. Throws std::length_error for a
// URL too long for an AVM1 string (over 65000 bytes).
Bytes WriteBridge(const SwfInfo& title, const std::string& titleUrl);

}  // namespace swf
