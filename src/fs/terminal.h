#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwick::Terminal {

// The command that opens the user's terminal, as a desktop finds it: the
// TERMINAL variable, then xdg-terminal-exec, then Debian's
// x-terminal-emulator, then the desktop's own setting where one is
// installed, then the common terminals on PATH. Its first word is a full
// path; empty when there is none. Looks along PATH, so it is for a worker
// thread.
QList<QByteArray> find();

} // namespace tarnwick::Terminal
