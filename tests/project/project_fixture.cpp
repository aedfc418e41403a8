#include "tests/project/project_fixture.h"

#include <gtest/gtest.h>

#include "app/runlog.h"
#include "library/inpkey.h"
#include "tests/support/process.h"

std::string DataFolder() {
    return std::string(TARVEX_SOURCE_DIR) + "/data/";
}

BuildingInput::BuildingInput() {
    auto add = [this](const std::string& name, const std::string& cls,
                      std::vector<std::pair<std::string, std::string>> keys) {
        objects_.push_back({name, Object{"\"" + name + "\" = " + cls, std::move(keys)}});
    };
    add("General", "GENERAL",
        {{"P-NAME", "\"Test House\""},
         {"B-TYPE", "B1 Offices and Workshop businesses"},
         {"BUILDING-AREA", "1000"},
         {"B-ADDRESS", "\"1 Test Street\""},
         {"B-CITY", "\"Testford\""},
         {"B-POSTCODE", "\"TE1 1ST\""},
         {"C-NAME", "\"A. Assessor\""},
         {"C-REG-NUMBER", "\"ABCD123456\""},
         {"C-REL-PART-DISC", "Not related to the owner"},
         {"UPRN", "\"123456789012\""},
         {"B-INSP-DATE", "( 2024, 1, 31 )"},
         {"INTERFACE-VERSION", "\"v1\""},
         {"CENGINE-VAL", "ZOLM"}});
    add("EPC", "EPC",
        {{"TYPE", "England and Wales"},
         {"TRANSACTION-TYPE", "Mandatory issue (Property to let)"},
         {"BER", "30"},
         {"SER", "40"},
         {"TER", "35"},
         {"TYR", "80"}});
    add("Rec project", "REC-PROJECT", {});
    add("Actual", "BUILDING-DATA", {{"ANALYSIS", "ACTUAL"}});
    add("Actual heating", "HVAC-SYSTEM-DATA", {});
    add("Actual cooling", "HVAC-SYSTEM-DATA", {});
    add("Notional", "BUILDING-DATA", {{"ANALYSIS", "NOTIONAL"}});
    add("Notional heating", "HVAC-SYSTEM-DATA", {});
    add("Reference", "BUILDING-DATA", {{"ANALYSIS", "REFERENCE"}});
}

BuildingInput& BuildingInput::Set(const std::string& object, const std::string& keyword,
                                  const std::string& value) {
    for (auto& [name, o] : objects_) {
        if (name != object) continue;
        for (auto& kv : o.keywords)
            if (kv.first == keyword) {
                kv.second = value;
                return *this;
            }
        o.keywords.emplace_back(keyword, value);
        return *this;
    }
    ADD_FAILURE() << "no object " << object;
    return *this;
}

BuildingInput& BuildingInput::Append(const std::string& objects) {
    tail_ += objects;
    return *this;
}

std::string BuildingInput::Text() const {
    std::string s = "$ A building for the project tests\n";
    for (const auto& [name, o] : objects_) {
        s += o.header + "\n";
        for (const auto& [k, v] : o.keywords) s += "   " + k + " = " + v + "\n";
        s += "   ..\n";
    }
    return s + tail_;
}

ProjectRun::ProjectRun(const BuildingInput& input, bool writeKeyFile) {
    SetFileLog(dir_.file("Tarvex.log"));
    WriteFileBytes(inputPath(), input.Text());
    project_ = std::make_unique<PROJECT>();
    if (writeKeyFile) {
        project_->keys.Init();
        WriteFileBytes(keyPath(), InputKeyDigest(project_->keys, 1, inputPath()) + "\n");
    }
    const std::string data = DataFolder();
    project_->Reset();
    project_->Init((data + "KORULib/TarvexlibraryDef.lib").c_str(),
                   (data + "KORULib/TarvexlibraryTab.lib").c_str(),
                   (data + "KORULib/ASlib.lib").c_str(), (data + "csv/Tarvex.csv").c_str(),
                   inputPath().c_str(), 2);
}
