#include "tests/boc/boc_testing.h"

#include <sstream>

#include "app/runlog.h"
#include "app/stop.h"
#include "library/ncmd5.h"
#include "tests/support/process.h"
#include "tests/support/stops.h"

std::string FixturePath(const std::string& name) {
    return std::string(TARVEX_SOURCE_DIR) + "/tests/boc/fixtures/" + name;
}

std::string ReadFixture(const std::string& name) {
    return ReadFileBytes(FixturePath(name));
}

std::string WriteLibrary(const TempDir& dir, const std::string& fixture,
                         const std::string& fileName) {
    std::string protectedText;
    ProtectText(ReadFixture(fixture), fileName, protectedText);
    WriteFileBytes(dir.file(fileName), protectedText);
    return dir.file(fileName);
}

std::string WriteInput(const TempDir& dir, const std::string& name, const std::string& text) {
    WriteFileBytes(dir.file(name), text);
    return dir.file(name);
}

std::string WithCrlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

void ReadInput(BOC& boc, const TempDir& dir, const std::string& input, const std::string& library) {
    SetFileLog(dir.file("Tarvex.log"));
    boc.Init(input, library);
}

int ReadToStop(const std::string& input, const std::string& library, const std::string& logFile) {
    SetFileLog(logFile);
    return RunToStop([&] {
               BOC boc;
               boc.Init(input, library);
           })
        .status;
}

namespace {
template <typename T>
std::string Joined(const std::vector<T>& items) {
    std::ostringstream s;
    s << "[";
    for (std::size_t i = 0; i < items.size(); ++i) s << (i ? "|" : "") << items[i];
    s << "]";
    return s.str();
}
}  // namespace

std::string DumpMatrix(const BOC& boc) {
    std::ostringstream s;
    for (std::size_t i = 0; i < boc.objects.size(); ++i) {
        const BObject& o = boc.objects[i];
        s << i << " <" << o.name << "> " << o.type << " class " << o.classNumber << " lines "
          << o.lines.size() << "\n";
        for (const auto& [name, v] : o.keywords) {
            s << "  " << name << " id " << v.id << " type " << v.type << " text <" << v.text
              << "> num " << v.num << " ref <" << v.ref << "> refid " << v.refid << " cod <"
              << v.cod << "> codid " << v.codid << " lnum " << Joined(v.lnum) << " lref "
              << Joined(v.lref) << " ltext " << Joined(v.ltext) << " lrefid " << Joined(v.lrefid)
              << (v.modified ? " modified" : "") << "\n";
        }
    }
    return s.str();
}
