#pragma once

#include <QString>

/// The file manager's way of ordering names: numbers inside names compare by value and
/// case is ignored ("Card 2" before "card 10"). Returns <0, 0 or >0.
namespace LocalizedCompare {
int compare(const QString &a, const QString &b);
}
