#pragma once

#include <QString>

namespace TestEnvironment {
/// Points HOME and the XDG folders at a fresh temporary folder, so no test touches the
/// real user's files. Call before the application object exists.
void isolateHome();
/// The temporary home made by isolateHome().
QString home();
} // namespace TestEnvironment
