#pragma once
// Stored paths (data folders, sound and picture files) are kept exactly as the user wrote
// them, often on Windows: "C:\BUS\DATA\", "12.HY3". When a path is used, "\" becomes "/"
// and each name is matched without regard to case, so files copied from Windows are found.
#include <QString>

namespace PathResolver {

// The path on this system that `stored` names. Components that exist with another case are
// replaced by the name on disk; the first component that matches nothing, and all after it,
// are kept as written (so the result names a missing file, and opening it fails cleanly).
QString resolve(const QString& stored);

// `folder` with "\" appended when it is not empty and does not already end in "\" or "/".
QString withTrailingSeparator(const QString& folder);

} // namespace PathResolver
