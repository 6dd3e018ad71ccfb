#pragma once

#include <functional>

class QObject;

// Modal dialogs run their own event loop; this answers one from inside that loop as soon as
// the handler finds it (the handler returns true once it has answered). The polling timer
// lives as a child of `owner`.
void answerWhenShown(QObject *owner, std::function<bool()> handler);
