#pragma once

#include <functional>

class QFileDialog;
class QObject;
class QString;

// Modal dialogs run their own event loop; this answers one from inside that loop as soon as
// the handler finds it (the handler returns true once it has answered). The polling timer
// lives as a child of `owner`.
void answerWhenShown(QObject *owner, std::function<bool()> handler);

// Presses `button` in the next message box that comes up within a few seconds, as the window
// asks about unsaved edits or overwriting a file.
void answerNextMessageBox(QObject *owner, int button);

// Calls `answer` with the next modal file dialog as soon as it is up.
void answerNextFileDialog(QObject *owner, std::function<void(QFileDialog *)> answer);

// Types `path` into the next file dialog and accepts it. The name field is filled directly:
// selectFile() leaves it alone once the field has focus, which depends on window activation.
void pickInNextFileDialog(QObject *owner, const QString &path);
