// A small JSON reader for comparing two dumps of `zelvo-cli dump` field by field: objects keep
// their key order, numbers keep their text, so two values compare equal exactly when they were
// written alike.
#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zelvo::test {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    std::string text;  // the number's text, the string's value, "true" / "false"
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    bool operator==(const Json&) const = default;

    const Json* find(const std::string& key) const {
        for (const auto& [k, v] : members)
            if (k == key) return &v;
        return nullptr;
    }
    // The member `key`, or a null value when there is none.
    const Json& operator[](const std::string& key) const {
        static const Json none;
        const Json* v = find(key);
        return v != nullptr ? *v : none;
    }
    long number() const { return std::strtol(text.c_str(), nullptr, 10); }

    // Written back compactly, for messages.
    std::string toText() const {
        switch (type) {
            case Type::String:
                return '"' + text + '"';
            case Type::Array: {
                std::string out = "[";
                for (std::size_t i = 0; i < items.size(); ++i)
                    out += (i == 0 ? "" : ",") + items[i].toText();
                return out + "]";
            }
            case Type::Object: {
                std::string out = "{";
                for (std::size_t i = 0; i < members.size(); ++i)
                    out += (i == 0 ? "\"" : ",\"") + members[i].first +
                           "\":" + members[i].second.toText();
                return out + "}";
            }
            case Type::Null:
                return "null";
            default:
                return text;
        }
    }
};

// gtest shows a value by its text.
inline void PrintTo(const Json& value, std::ostream* out) {
    *out << value.toText();
}

class JsonReader {
public:
    // Nothing when the text is not one well-formed value.
    static std::optional<Json> parse(const std::string& text) {
        JsonReader r(text);
        Json v;
        if (!r.value(v)) return std::nullopt;
        r.blanks();
        if (r.at_ != r.s_.size()) return std::nullopt;
        return v;
    }

private:
    explicit JsonReader(const std::string& s) : s_(s) {}
    const std::string& s_;
    std::size_t at_ = 0;

    void blanks() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    bool eat(char c) {
        blanks();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(const char* w, Json& v, Json::Type type) {
        const std::string expected(w);
        if (s_.compare(at_, expected.size(), expected) != 0) return false;
        at_ += expected.size();
        v.type = type;
        v.text = expected;
        return true;
    }
    bool string(std::string& out) {
        if (!eat('"')) return false;
        while (at_ < s_.size() && s_[at_] != '"') {
            char c = s_[at_++];
            if (c == '\\') {
                if (at_ >= s_.size()) return false;
                c = s_[at_++];
                switch (c) {
                    case 'n':
                        c = '\n';
                        break;
                    case 't':
                        c = '\t';
                        break;
                    case 'r':
                        c = '\r';
                        break;
                    case 'b':
                        c = '\b';
                        break;
                    case 'f':
                        c = '\f';
                        break;
                    case 'u': {
                        if (at_ + 4 > s_.size()) return false;
                        const long code = std::strtol(s_.substr(at_, 4).c_str(), nullptr, 16);
                        at_ += 4;
                        // Only control characters are written this way.
                        c = static_cast<char>(code);
                        break;
                    }
                    default:
                        break;  // '"', '\\', '/'
                }
            }
            out += c;
        }
        return eat('"');
    }
    bool value(Json& v) {
        blanks();
        if (at_ >= s_.size()) return false;
        const char c = s_[at_];
        if (c == '{') {
            ++at_;
            v.type = Json::Type::Object;
            if (eat('}')) return true;
            do {
                std::string key;
                Json member;
                if (!string(key) || !eat(':') || !value(member)) return false;
                v.members.emplace_back(std::move(key), std::move(member));
            } while (eat(','));
            return eat('}');
        }
        if (c == '[') {
            ++at_;
            v.type = Json::Type::Array;
            if (eat(']')) return true;
            do {
                Json item;
                if (!value(item)) return false;
                v.items.push_back(std::move(item));
            } while (eat(','));
            return eat(']');
        }
        if (c == '"') {
            v.type = Json::Type::String;
            return string(v.text);
        }
        if (c == 't') return word("true", v, Json::Type::Bool);
        if (c == 'f') return word("false", v, Json::Type::Bool);
        if (c == 'n') return word("null", v, Json::Type::Null);
        const std::size_t start = at_;
        while (at_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[at_])) || s_[at_] == '-' ||
                s_[at_] == '+' || s_[at_] == '.' || s_[at_] == 'e' || s_[at_] == 'E'))
            ++at_;
        if (at_ == start) return false;
        v.type = Json::Type::Number;
        v.text = s_.substr(start, at_ - start);
        return true;
    }
};

}  // namespace zelvo::test
