#pragma once

#include "dispenser.h"

#include <QString>

// The words for a device job and each of its outcomes, once, in the interface language; the
// window and the command line both say these.

QString jobName(Dispenser::Job job);
QString jobQueuedText(Dispenser::Job job);
// `sent` of `frames` frames are written.
QString jobProgressText(Dispenser::Job job, int sent, int frames);
// Every frame is written; the device's answer is awaited.
QString jobWaitingText(Dispenser::Job job);
QString jobConfirmedText(Dispenser::Job job);
// What a job that failed leaves behind, having written `sent` of its `frames` frames.
QString jobFailedText(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames);
// A job refused before anything was queued, and why.
QString jobRefusedText(Dispenser::Job job, const QString &why);

// What a download stopped half way leaves on the device.
QString incompleteDesignText();
