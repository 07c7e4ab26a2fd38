#include "store/remark_file.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace zelvo {

namespace {

using RemarkKey = std::tuple<int, int, int>;

RemarkKey keyOf(const RemarkRecord& r) {
    return {r.month(), r.slot() & 1, r.publisherId()};
}

bool isEmptyRecord(const RemarkRecord& r) {
    return r.month() == 0 || r.publisherId() == 0 || r.remarkText().empty();
}

}  // namespace

std::vector<RemarkRecord> parseRemarkFile(const Bytes& data) {
    std::vector<RemarkRecord> out;
    out.reserve(data.size() / RemarkRecord::kSize);
    for (std::size_t at = 0; at + RemarkRecord::kSize <= data.size(); at += RemarkRecord::kSize) {
        RemarkRecord r;
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(at), RemarkRecord::kSize,
                    r.bytes.begin());
        out.push_back(r);
    }
    return out;
}

Bytes remarkFileBytes(const std::vector<RemarkRecord>& records) {
    Bytes out;
    out.reserve(records.size() * RemarkRecord::kSize);
    for (const RemarkRecord& r : records) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
    return out;
}

std::vector<RemarkRecord> compactRemarks(const std::vector<RemarkRecord>& records) {
    std::vector<RemarkRecord> kept;
    std::map<RemarkKey, std::size_t> latest;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const RemarkRecord& r = records[i];
        if (r.remarkText().empty() || r.month() == 0 || r.publisherId() <= 10) continue;
        latest[keyOf(r)] = kept.size();
        kept.push_back(r);
    }
    std::vector<RemarkRecord> out(1);
    out.reserve(kept.size() + 1);
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (latest[keyOf(kept[i])] == i) out.push_back(kept[i]);
    return out;
}

void mergeRemarksIntoFile(std::vector<RemarkRecord>& file, const std::vector<RemarkRecord>& table) {
    if (file.empty()) file.emplace_back();
    std::map<RemarkKey, std::size_t> position;
    for (std::size_t i = 1; i < file.size(); ++i) position.try_emplace(keyOf(file[i]), i);
    std::size_t firstEmpty = 1;
    for (std::size_t t = 1; t < table.size(); ++t) {
        const RemarkRecord& r = table[t];
        if (const auto it = position.find(keyOf(r)); it != position.end()) {
            file[it->second] = r;
            continue;
        }
        while (firstEmpty < file.size() && !isEmptyRecord(file[firstEmpty])) ++firstEmpty;
        if (firstEmpty < file.size()) {
            file[firstEmpty] = r;
        } else {
            file.push_back(r);
        }
        position.emplace(keyOf(r), firstEmpty);
        ++firstEmpty;
    }
}

}  // namespace zelvo
