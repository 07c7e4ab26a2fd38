#include "cli/print_output.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "cli/json_writer.h"

namespace zelvo::cli {

std::unique_ptr<QGuiApplication> guiApplicationForPdf() {
    // The PDF writer draws through Qt's printing path, which needs an application object; a
    // machine without a display draws offscreen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns on every run without a runtime folder; a private one in the temporary folder (which
    // Qt would pick anyway) keeps the command's output to what the user asked for.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime =
            QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
        if (QDir().mkpath(runtime))
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "zelvo-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() != nullptr) return nullptr;
    return std::make_unique<QGuiApplication>(argc, argv);
}

double inches(int units, int dpi) {
    return std::round(units * 100.0 / dpi) / 100.0;
}

std::string_view alignName(reports::Align a) {
    switch (a) {
        case reports::Align::Right:
            return "right";
        case reports::Align::Centre:
            return "centre";
        case reports::Align::Left:
            break;
    }
    return "left";
}

std::vector<PageItem> pageItems(const reports::RecordingSurface& surface, int band) {
    std::vector<PageItem> items;
    const auto& pages = surface.pages();
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const reports::RecordedText& t : pages[p].texts) {
            if (t.text.empty()) continue;
            const int cut = band > 0 && t.y >= 0 ? t.y / band : 0;
            items.push_back({static_cast<int>(p) + cut, t.y - cut * band, &t});
        }
    std::stable_sort(items.begin(), items.end(), [](const PageItem& a, const PageItem& b) {
        if (a.page != b.page) return a.page < b.page;
        if (a.y != b.y) return a.y < b.y;
        return a.text->x < b.text->x;
    });
    return items;
}

void writeTextPages(const std::vector<PageItem>& items, int pages, std::ostream& out) {
    std::size_t i = 0;
    for (int page = 0; page < pages; ++page) {
        out << "page " << page + 1 << "\n";
        while (i < items.size() && items[i].page == page) {
            const int y = items[i].y;
            bool first = true;
            for (; i < items.size() && items[i].page == page && items[i].y == y; ++i) {
                out << (first ? "" : "\t") << items[i].text->text;
                first = false;
            }
            out << "\n";
        }
    }
}

void writeTexts(JsonWriter& json, const std::vector<PageItem>& items,
                const reports::RecordingSurface& surface, std::string_view fixedFace) {
    json.key("texts").beginArray();
    for (const PageItem& item : items) {
        const reports::RecordedText& t = *item.text;
        json.beginObject()
            .field("page", item.page + 1)
            .field("x", inches(t.x, surface.dpiX()))
            .field("y", inches(item.y, surface.dpiY()))
            .field("align", alignName(t.align))
            .field("font",
                   t.font == reports::FontRole::Fixed ? fixedFace : reports::roleName(t.font))
            .field("text", std::string_view(t.text))
            .endObject();
    }
    json.endArray();
}

void writeLines(JsonWriter& json, const reports::RecordingSurface& surface, int band) {
    const int dx = surface.dpiX();
    const int dy = surface.dpiY();
    json.key("lines").beginArray();
    const auto& pages = surface.pages();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const reports::RecordedLine& l : pages[p].lines) {
            const int strip = band > 0 && l.y1 >= 0 ? l.y1 / band : 0;
            const int top = strip * band;
            json.beginObject()
                .field("page", static_cast<int>(p) + strip + 1)
                .field("x1", inches(l.x1, dx))
                .field("y1", inches(l.y1 - top, dy))
                .field("x2", inches(l.x2, dx))
                .field("y2", inches(l.y2 - top, dy))
                .endObject();
        }
        // A box is drawn as a rectangle: its four sides.
        for (const reports::RecordedRect& r : pages[p].rects) {
            const reports::Rect& b = r.rect;
            const int strip = band > 0 && b.top >= 0 ? b.top / band : 0;
            const int top = strip * band;
            const int corners[4][4] = {{b.left, b.top, b.right, b.top},
                                       {b.right, b.top, b.right, b.bottom},
                                       {b.left, b.bottom, b.right, b.bottom},
                                       {b.left, b.top, b.left, b.bottom}};
            for (const auto& c : corners)
                json.beginObject()
                    .field("page", static_cast<int>(p) + strip + 1)
                    .field("x1", inches(c[0], dx))
                    .field("y1", inches(c[1] - top, dy))
                    .field("x2", inches(c[2], dx))
                    .field("y2", inches(c[3] - top, dy))
                    .endObject();
        }
    }
    json.endArray();
}

}  // namespace zelvo::cli
