#pragma once
// The program's bitmap resources, addressed by their resource numbers.
#include <QImage>

namespace res {

inline constexpr int IDB_SEEK_CHANNEL = 159;  // 1 x 7, the seek bar's channel column
inline constexpr int IDB_SEEK_THUMB = 162;    // 7 x 7, the seek bar's thumb

// Decodes the bitmap afresh on every call, as 32-bit RGB so that callers can
// rewrite pixels; a null image when there is no such resource.
QImage LoadBitmap(int id);

}  // namespace res
