#pragma once

#include <map>
#include <memory>
#include <string>

#include "library/ncmkeys.h"
#include "project/project.h"
#include "project/record.h"
#include "tests/support/tempdir.h"

// A building input for the shipped library, with keyword lines that tests
// replace or add: Set("EPC", "BER", "30") rewrites (or adds) that keyword in
// the object named "EPC".
class BuildingInput {
  public:
    BuildingInput();
    BuildingInput& Set(const std::string& object, const std::string& keyword,
                       const std::string& value);
    // Appends whole objects (text) at the end of the input.
    BuildingInput& Append(const std::string& objects);
    std::string Text() const;

  private:
    struct Object {
        std::string header;
        std::vector<std::pair<std::string, std::string>> keywords;
    };
    std::vector<std::pair<std::string, Object>> objects_;
    std::string tail_;
};

// A project read from an input in a temporary folder, with the run log kept
// there too. The input key file is written for the input unless told not to.
class ProjectRun {
  public:
    explicit ProjectRun(const BuildingInput& input, bool writeKeyFile = true);
    PROJECT& project() { return *project_; }
    BOC& boc() { return project_->boc; }
    int general() const { return project_->generalObject; }
    int epc() const { return project_->epcObject; }
    const TempDir& dir() const { return dir_; }
    std::string inputPath() const { return dir_.file("building.inp"); }
    std::string keyPath() const { return dir_.file("building_inpkey.txt"); }
    // What the documents say, as a run gathers it once the checks and ratings
    // are done; `welsh` adds the Welsh certificate's texts.
    DocumentRecord record(bool welsh = false) { return BuildDocumentRecord(*project_, welsh); }
    const std::string& fingerprintKey() const {
        return project_->keys.keys().at(kFingerprintKeyIndex);
    }

  private:
    TempDir dir_;
    std::unique_ptr<PROJECT> project_;
};

// The shipped data folder, ending in "/".
std::string DataFolder();
