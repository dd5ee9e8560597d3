#pragma once
// The modal loops running on the GUI thread, innermost last; the quit message
// ends them all.
class QEventLoop;

namespace platform {

void PushModalLoop(QEventLoop* loop);
void PopModalLoop(QEventLoop* loop);
void EndAllModalLoops(int exitCode);

}  // namespace platform
