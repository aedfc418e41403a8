#include "fuzz/entries.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <streambuf>

#include "app/driver.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "boc/boc.h"
#include "library/defaults.h"
#include "library/inpkey.h"
#include "library/ncmkeys.h"
#include "library/tables.h"
#include "reports/sealed_messages.h"
#include "tools/batch.h"

namespace {

// Swallows the console text of the readers.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Points the console at a NullBuffer for as long as it lives, and back before
// the buffer goes: the standard streams are flushed after static objects are
// destroyed.
class SilentConsole {
  public:
    SilentConsole() : saved_(std::cout.rdbuf(&sink_)) {}
    ~SilentConsole() { std::cout.rdbuf(saved_); }
    SilentConsole(const SilentConsole&) = delete;
    SilentConsole& operator=(const SilentConsole&) = delete;

  private:
    NullBuffer sink_;
    std::streambuf* saved_;
};

// The private work folder and the process set up for entries, for as long
// as the process lives; the folder goes with it.
class Workspace {
  public:
    Workspace() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/tarvex-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder_ = pattern + "/";
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& folder() const { return folder_; }

  private:
    std::string folder_;
    SilentConsole silent_;
};

const std::string& WorkFolder() {
    static const Workspace workspace;
    return workspace.folder();
}

std::string ShippedData(const std::string& file) {
    return std::string(TARVEX_SOURCE_DIR) + "/data/" + file;
}

std::string WriteWorkFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = WorkFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// Runs one reader with the log in the work folder; the text the log gathered
// is dropped afterwards, so that a long fuzzing session does not grow it.
template <typename F>
void Guarded(F reader) {
    SetFileLog(WorkFolder() + "Tarvex.log");
    try {
        reader();
    } catch (const RunStop&) {
        // A stopped run is an ordinary outcome of a bad file.
    }
    LogStream().str("");
    LogStream().clear();
}

void InputFile(const std::uint8_t* data, std::size_t size) {
    const std::string input = WriteWorkFile("fuzz.inp", data, size);
    Guarded([&] {
        BOC boc;
        boc.Init(input, ShippedData("csv/Tarvex.csv"));
    });
}

void LibraryDefinition(const std::uint8_t* data, std::size_t size) {
    const std::string definition = WriteWorkFile("Tarvex.csv", data, size);
    Guarded([&] {
        BOC boc;
        boc.Init_NOT(definition);
    });
}

void DefaultsFile(const std::uint8_t* data, std::size_t size) {
    const std::string file = WriteWorkFile("TarvexlibraryDef.lib", data, size);
    Guarded([&] {
        PROJECTDefaults defaults;
        defaults.Init(file.c_str(), 0);
    });
}

// The tables file and the AS tables file share this reader.
void TablesFile(const std::uint8_t* data, std::size_t size) {
    const std::string file = WriteWorkFile("TarvexlibraryTab.lib", data, size);
    Guarded([&] {
        PROJECTTables tables;
        tables.Init(file.c_str(), 0);
    });
}

void RunConfiguration(const std::uint8_t* data, std::size_t size) {
    const std::string file = WriteWorkFile("Tarvex.ini", data, size);
    Guarded([&] {
        RunSettings settings;
        ReadRunConfiguration(file, settings);
    });
}

void InputKeyFile(const std::uint8_t* data, std::size_t size) {
    static const std::string input = [] {
        const std::string path = WorkFolder() + "keyed.inp";
        std::ofstream(path, std::ios::binary) << "$ the input a key file is checked against\n";
        return path;
    }();
    const std::string key = WriteWorkFile("keyed_inpkey.txt", data, size);
    static const NCMKEYS keys = [] {
        NCMKEYS k;
        k.Init();
        return k;
    }();
    Guarded([&] {
        for (int k = -1; k <= 1; ++k) InputKeyMatches(keys, k, input, key);
    });
}

void XmlCheck(const std::uint8_t* data, std::size_t size) {
    const std::string message = WriteWorkFile("fuzz.xml", data, size);
    Guarded([&] { XMLcheck(message); });
}

// The package read under both names it may carry (a ".zas" also leaves its
// uncompressed ".ias" beside it), with and without extracting the input.
// Each run starts from the fuzzed bytes: a ".zas" run may have rewritten
// the ".ias".
void IasPackage(const std::uint8_t* data, std::size_t size) {
    for (const char* name : {"fuzz.ias", "fuzz.zas"}) {
        for (const bool extract : {false, true}) {
            const std::string package = WriteWorkFile(name, data, size);
            Guarded([&] { IasProcess(package, WorkFolder() + "fuzz.inp", extract); });
        }
    }
}

// A line of a batch summary, read back by --resume. What it reads must write
// a line that reads back the same.
void BatchSummaryLine(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    BatchRow row;
    if (!ParseJsonLine(line, row)) return;
    const std::string written = JsonLine(row);
    BatchRow again;
    if (!ParseJsonLine(written.substr(0, written.size() - 1), again) ||
        JsonLine(again) != written) {
        std::fprintf(stderr, "a summary row does not read back as written: %s", written.c_str());
        std::abort();
    }
}

}  // namespace

const std::vector<FuzzEntry>& FuzzEntries() {
    static const std::vector<FuzzEntry> entries{
        {"input", InputFile},
        {"library_definition", LibraryDefinition},
        {"defaults", DefaultsFile},
        {"tables", TablesFile},
        {"run_configuration", RunConfiguration},
        {"input_key", InputKeyFile},
        {"xml_check", XmlCheck},
        {"ias_package", IasPackage},
        {"batch_summary_line", BatchSummaryLine},
    };
    return entries;
}

const FuzzEntry* FindFuzzEntry(const std::string& name) {
    for (const FuzzEntry& e : FuzzEntries())
        if (name == e.name) return &e;
    return nullptr;
}
