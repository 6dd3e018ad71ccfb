#pragma once

#include "dispenser.h"

// The dispenser's intervals shortened for tests: frames follow each other as fast as the line
// takes them and the version query comes soon after connecting. Port discovery keeps its pace,
// since it replaces the port entries tests put in the list.
inline DispenserTiming fastTiming()
{
    DispenserTiming timing;
    timing.link.firstSendDelay = 0;
    timing.link.sendGap = 1;
    timing.versionQueryDelay = 100;
    // Long enough for a device under a sanitizer to answer.
    timing.answerTimeout = 2000;
    // No query of its own while idle, so a test reads only what its actions send; the tests
    // of the query switch it on.
    timing.livenessInterval = -1;
    return timing;
}
