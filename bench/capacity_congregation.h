// The capacity congregation every benchmark measures: 1,509 people with every side table full
// (3,898 remarks, 600 contact extras, 1,000 emergency contacts, 1,300 special needs, 1,500
// appointments, 20 groups), written once per run into a temporary folder removed at exit.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "demo/demo_congregation.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::bench {

inline constexpr Date kToday{2026, 12, 8};

class CapacityFolder {
public:
    static const std::string& path() {
        static const CapacityFolder folder;
        return folder.path_;
    }

private:
    CapacityFolder() {
        namespace fs = std::filesystem;
        path_ =
            (fs::temp_directory_path() / ("zelvo_bench_" + std::to_string(::getpid()))).string();
        fs::remove_all(path_);
        demo::DemoOptions options;
        options.people = static_cast<int>(CZelvoDoc::kMaxRows) - 1;
        options.fullSideTables = true;
        options.seed = 2026;
        options.today = kToday;
        if (!demo::writeDemoCongregation(path_, options)) {
            std::fprintf(stderr, "could not write the capacity congregation into %s\n",
                         path_.c_str());
            std::abort();
        }
    }
    ~CapacityFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path_;
};

// A copy of the capacity congregation of its own (named after `name`), removed at exit, for a
// benchmark that changes its folder: the others read the shared one.
class CapacityCopy {
public:
    explicit CapacityCopy(const std::string& name) {
        namespace fs = std::filesystem;
        path_ =
            (fs::temp_directory_path() / ("zelvo_bench_" + name + "_" + std::to_string(::getpid())))
                .string();
        fs::remove_all(path_);
        fs::copy(CapacityFolder::path(), path_, fs::copy_options::recursive);
    }
    ~CapacityCopy() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CapacityCopy(const CapacityCopy&) = delete;
    CapacityCopy& operator=(const CapacityCopy&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The capacity congregation loaded read-only once, for the benchmarks that only read it.
inline CZelvoDoc& capacityDoc() {
    static CZelvoDoc doc;
    static const bool loaded = [] {
        ScriptedPrompts prompts;
        doc.startUp(CapacityFolder::path(), kToday, LoadMode::ReadOnly);
        return doc.load(prompts, LoadMode::ReadOnly).ok;
    }();
    if (!loaded) {
        std::fprintf(stderr, "could not load the capacity congregation\n");
        std::abort();
    }
    return doc;
}

}  // namespace zelvo::bench
