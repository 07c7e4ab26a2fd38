#include "render/memory_pdf.h"

#include <QMarginsF>
#include <QPageSize>

#include "resources/strings.h"
#include "store/data_files.h"
#include "store/file_io.h"

namespace zelvo::render {

MemoryPdf::MemoryPdf(bool a4) : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(kPdfDpi);
    writer_.setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer_.setCreator(QString::fromUtf8(res::kProgramName.data(), std::ssize(res::kProgramName)));
}

bool MemoryPdf::save(const std::string& path, bool drawn, std::string& error) {
    buffer_.close();
    if (files::isProgramFileName(path)) {
        error = res::format(res::kProgramFileName, path);
        return false;
    }
    const QByteArray& bytes = buffer_.data();
    if (!drawn || !writeFileAtomic(path, reinterpret_cast<const Byte*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()))) {
        error = res::format(res::kPdfNotWritten, path);
        return false;
    }
    return true;
}

}  // namespace zelvo::render
