// File access for the data folder: bounded reads, atomic writes, and names that may differ in
// letter case (folders copied from Windows).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/bytes.h"

namespace zelvo {

namespace fs = std::filesystem;

// `folder / relative`, where `relative` may hold '/'-separated components. A component that does
// not exist under its exact name is matched against the folder's entries without regard to
// letter case. When nothing matches, the exact path is returned.
fs::path resolvePath(const fs::path& folder, std::string_view relative);

// Whole file, at most `limit` bytes (the rest is not read). Nothing when it cannot be opened.
std::optional<Bytes> readFileBytes(const fs::path& path, std::size_t limit);

bool fileExists(const fs::path& path);
std::optional<std::uintmax_t> fileSize(const fs::path& path);

// The temporary name a write of the file `name` uses: "NAME.<pid>.<n>.tmp~", unique per process
// and per call, so two writers never share one.
std::string tempFileName(std::string_view name);
// The process id of the writer when `fileName` is such a temporary name.
std::optional<long> tempFileWriter(std::string_view fileName);

// Writes to a temporary file in the same folder (private while written), flushes it to disk and
// renames it over `path`. The file keeps its permission bits (a new file gets the default ones).
// On failure the old file is left as it was and the temporary file is removed.
[[nodiscard]] bool writeFileAtomic(const fs::path& path, const Byte* data, std::size_t size);
[[nodiscard]] inline bool writeFileAtomic(const fs::path& path, const Bytes& data) {
    return writeFileAtomic(path, data.data(), data.size());
}
[[nodiscard]] bool writeFileAtomic(const fs::path& path, std::string_view text);

// Copies `from` over `to` atomically. The copy is never readable by more people than `from`.
// False when `from` cannot be read or `to` not written.
[[nodiscard]] bool copyFileAtomic(const fs::path& from, const fs::path& to);

// Removes a file; true when it is gone afterwards.
[[nodiscard]] bool removeFile(const fs::path& path);

}  // namespace zelvo
