#pragma once

// A write into a pipe whose reader has gone raises SIGPIPE, which ends the process unless it is
// ignored; ignored, the write fails with EPIPE and is reported like any other failed write.
// Called once, before anything is written.
void ignoreBrokenPipes();
