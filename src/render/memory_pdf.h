// A PDF drawn in memory and written to its file whole, or not at all: a cancelled or failed
// drawing leaves nothing behind (nor changes a file of that name already there).
#pragma once

#include <QBuffer>
#include <QPdfWriter>
#include <string>

namespace zelvo::render {

// The resolution PDF pages are drawn at.
inline constexpr int kPdfDpi = 300;

class MemoryPdf {
public:
    // Pages of Letter or A4 size, no margins, at the printing resolution.
    explicit MemoryPdf(bool a4);
    QPdfWriter& writer() { return writer_; }
    // Writes the file when `drawn`; false with `error` (Greek, for the user) otherwise or when the
    // file could not be written.
    bool save(const std::string& path, bool drawn, std::string& error);

private:
    QBuffer buffer_;
    QPdfWriter writer_;
};

}  // namespace zelvo::render
