#pragma once

#include <QStringView>

namespace tarnwick {

// Compares names the way people count: without regard to case, and with runs
// of digits compared by value, so "file2" sorts before "file10". Returns <0, 0
// or >0. Names equal in that order fall back to plain code-unit order so that
// the result is a total order.
int naturalCompare(QStringView a, QStringView b);

} // namespace tarnwick
