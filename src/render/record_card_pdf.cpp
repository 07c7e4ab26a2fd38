#include "render/record_card_pdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "render/painter_surface.h"
#include "resources/strings.h"
#include "store/file_io.h"

namespace zelvo::render {

namespace {
constexpr int kPdfDpi = 300;
}

bool writeRecordCardsPdf(const CZelvoDoc& doc, const std::vector<int>& rows,
                         const reports::CardOptions& options, const std::string& path,
                         std::string& error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(kPdfDpi);
    writer.setPageSize(QPageSize(options.a4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QString::fromUtf8(res::kProgramName.data(), std::ssize(res::kProgramName)));
    QPainter painter;
    bool ok = painter.begin(&writer);
    if (ok) {
        PainterSurface surface(painter, kPdfDpi, kPdfDpi);
        for (std::size_t i = 0; i < rows.size() && ok; ++i) {
            if (i > 0) ok = writer.newPage();
            reports::drawRecordCard(doc, rows[i], options, surface);
        }
        ok = painter.end() && ok;
    }
    pdf.close();
    const QByteArray& bytes = pdf.data();
    if (!ok || !writeFileAtomic(path, reinterpret_cast<const Byte*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size()))) {
        error = res::format(res::kPdfNotWritten, path);
        return false;
    }
    return true;
}

}  // namespace zelvo::render
