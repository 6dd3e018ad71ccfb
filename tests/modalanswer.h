#pragma once

class QObject;
class QString;

// Types `path` into the next modal file dialog and accepts it, as an operator would. The name
// field is filled directly: selectFile() leaves it alone once the field has focus, which
// depends on window activation. A dialog still up after `deadlineMs` (not shown, or refusing
// the name) is rejected, so its event loop always ends; `*answered` tells whether it was
// accepted in time.
void pickInNextFileDialog(QObject *owner, const QString &path, bool *answered,
                          int deadlineMs = 10000);
