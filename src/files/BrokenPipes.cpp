#include "files/BrokenPipes.h"

#include <csignal>

void ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}
