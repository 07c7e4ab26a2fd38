// A minimal streaming JSON writer: objects, arrays, strings (UTF-8) and integers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::cli {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);

    template <typename T>
    JsonWriter& field(std::string_view name, T v) {
        key(name);
        return value(v);
    }

    const std::string& text() const { return out_; }

private:
    std::string out_;
    std::vector<bool> first_;  // per open container: no element written yet
    bool afterKey_ = false;

    void separator();
    void writeString(std::string_view utf8);
};

}  // namespace zelvo::cli
