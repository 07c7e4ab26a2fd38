#include "render/record_card_pdf.h"

#include <QPainter>

#include "render/memory_pdf.h"
#include "render/painter_surface.h"

namespace zelvo::render {

bool writeRecordCardsPdf(const CZelvoDoc& doc, const std::vector<int>& rows,
                         const reports::CardOptions& options, const std::string& path,
                         std::string& error) {
    MemoryPdf pdf(options.a4);
    QPainter painter;
    bool ok = painter.begin(&pdf.writer());
    if (ok) {
        PainterSurface surface(painter, kPdfDpi, kPdfDpi);
        for (std::size_t i = 0; i < rows.size() && ok; ++i) {
            if (i > 0) ok = pdf.writer().newPage();
            reports::drawRecordCard(doc, rows[i], options, surface);
        }
        ok = painter.end() && ok;
    }
    return pdf.save(path, ok, error);
}

}  // namespace zelvo::render
