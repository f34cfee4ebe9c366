// SPDX-License-Identifier: MIT
#include "engine.h"

namespace {
SpeechEngine *theEngine = nullptr;
} // namespace

void SpeechEngine::provide(SpeechEngine *engine)
{
    theEngine = engine;
}

SpeechEngine *SpeechEngine::provided()
{
    return theEngine;
}

void SpeechEngine::expectReading()
{
    if (theEngine)
        theEngine->prepare();
}
