#include "cli/json_writer.h"

#include <cstdio>

#include "store/json_string.h"

namespace zelvo::cli {

void JsonWriter::separator() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separator();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separator();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separator();
    writeString(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    separator();
    writeString(utf8);
    return *this;
}

void JsonWriter::writeString(std::string_view utf8) {
    appendJsonString(out_, utf8);
}

JsonWriter& JsonWriter::value(long long number) {
    separator();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    separator();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", number);
    out_ += buf;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separator();
    out_ += flag ? "true" : "false";
    return *this;
}

}  // namespace zelvo::cli
