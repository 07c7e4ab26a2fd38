#include "render/record_card_pdf.h"

#include <QPainter>

#include "render/memory_pdf.h"
#include "render/painter_surface.h"
#include "resources/strings.h"

namespace zelvo::render {

bool writeCardPagesPdf(bool a4, int cards, const CardDrawer& draw, const std::string& path,
                       std::string& error, const CardProgress& progress) {
    MemoryPdf pdf(a4);
    QPainter painter;
    bool ok = painter.begin(&pdf.writer());
    bool cancelled = false;
    if (ok) {
        PainterSurface surface(painter, kPdfDpi, kPdfDpi);
        for (int i = 0; i < cards && ok && !cancelled; ++i) {
            if (i > 0) ok = pdf.writer().newPage();
            draw(surface, i);
            cancelled = progress && !progress(i + 1, cards);
        }
        ok = painter.end() && ok;
    }
    if (cancelled) {
        error = res::kPdfCancelled;
        return false;
    }
    return pdf.save(path, ok, error);
}

}  // namespace zelvo::render
