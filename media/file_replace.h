// The one file the program writes: a copy that replaces its target atomically.
#pragma once

#include <QString>

namespace media {

// Copies source over target through a temporary file in the target's folder that is renamed
// over the target, so the target is always either the old file or the new one. On failure the
// target is untouched and errorText (if given) says why.
bool replaceFile(const QString& source, const QString& target, QString* errorText = nullptr);

} // namespace media
