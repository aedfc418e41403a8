#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "app/encoding.h"
#include "boc/boc.h"
#include "library/b64.h"
#include "library/defaults.h"
#include "library/ncmd5.h"
#include "library/ncmkeys.h"
#include "library/tables.h"
#include "project/rating.h"
#include "project/written.h"

// Base of the index records: where an input object sits in the matrix and
// which general and EPC objects precede it. Records copy no keyword values;
// every stage asks the matrix by position.
struct PROJECTObject {
    int objectIndex = 0;
    int ordinal = 0;
    int parentObjectIndex = 0;
    int parentOrdinal = 0;
    int generalObjectIndex = 0;
    int epcObjectIndex = 0;

    PROJECTObject() {}  // fields are set when the record is built; 0 until then
};

struct GENERAL : PROJECTObject {
    // Property reference, registration number and inspection dates; stops
    // the run on an invalid reference or registration number.
    void Checks(const PROJECTDefaults& defaults, const PROJECTTables& tables, BOC& boc,
                const std::string& isoDate, const std::string& shortDate) const;
    // Writes the report reference numbers RRN-EPC and RRN-REC.
    void fRRN(const PROJECTDefaults& defaults, const PROJECTTables& tables, BOC& boc) const;
};

struct EPC : PROJECTObject {
    bool fromIasPackage = false;
    bool onlineServicesUsed = false;
    std::string registerUser;
    std::string messageFormat;   // "xml" or "ias" once the rating has run
    std::string certBackground;  // watermark text of the certificate pages
    bool addressChecked = false;
    bool lodged = false;
    Ratings ratings;  // set by Calc or Calc_Scotland

    // Normalises two codes and checks the two declarations of the EPC object.
    void Init(const PROJECTDefaults& defaults, const PROJECTTables& tables,
              const PROJECTTables& asTables, BOC& boc);
    // Ratings and bands of England, Wales and Northern Ireland.
    void Calc(const PROJECTDefaults& defaults, const PROJECTTables& tables,
              const PROJECTTables& asTables, BOC& boc);
    // Ratings and bands on the Scottish scale.
    void Calc_Scotland(const PROJECTDefaults& defaults, const PROJECTTables& tables, BOC& boc);
    // The certificate number must name the computed band.
    void Validation(const PROJECTDefaults& defaults, const PROJECTTables& tables, BOC& boc) const;
};

struct REC_PROJECT : PROJECTObject {};
struct RECOMMENDATION : PROJECTObject {};
struct HVAC_SYSTEM_DATA : PROJECTObject {};
struct BUILDING_DATA : PROJECTObject {
    std::deque<HVAC_SYSTEM_DATA> hvacSystems;
};
struct AIR_CON_INSPECTION : PROJECTObject {};

// Everything a run knows: the stores, the object matrix, the index records,
// the dates and the recommendation orderings.

class PROJECT {
  public:
    PROJECTDefaults defaults;
    PROJECTTables tables;
    PROJECTTables asTables;
    BOC boc;
    NCMKEYS keys;
    std::string validationNote;
    // The input's bytes as INP_Validate read them and their digest under the
    // note's key; the message states that digest of the same bytes again.
    // Empty when the input could not be read.
    std::string validatedInput;
    std::string validatedDigest;
    std::deque<GENERAL> generals;
    std::deque<EPC> epcs;
    std::deque<RECOMMENDATION> recommendations;
    REC_PROJECT recProject;
    std::deque<BUILDING_DATA> buildings;
    AIR_CON_INSPECTION acInspection;
    bool hasAcInspection = false;
    int generalObject = -1;
    int epcObject = -1;
    std::deque<int> recShort, recMedium, recLong, recOther;
    std::deque<int> recShortSorted, recMediumSorted, recLongSorted, recOtherSorted;
    std::deque<int> recOrder;
    std::string todayIso, todayShort, issueDate, validUntilIso, validUntilDate;
    std::string interfaceProjectPath;
    B64 b64;
    bool fromIasPackage = false;
    std::string iasLodgementText;

    PROJECT();
    void Reset();
    // Loads the three library files and the input; ends the run when a store
    // or the matrix fails its check, or when the input cannot be indexed.
    void Init(const char* defaultsFile, const char* tablesFile, const char* asTablesFile,
              const char* definitionFile, const char* inputFile, int platformCode);

    // The one way input text reaches an output. `text` is the value of
    // `keyword` of the object as the writer prepared it (quotes stripped and
    // so on); the result is in the output's encoding (app/encoding.h):
    //   kWinAnsi      PDF standard fonts (Helvetica and its sisters)
    //   kXml          XML messages: replaces StripXMLQuotes, whose references it writes
    //   kIso8859_14   the Welsh certificate's embedded font
    // A character the output cannot carry becomes its plain base letter, and
    // the run log names it with the keyword and input line, once per run.
    // Gather each writer's texts in one place and call it there, e.g.
    //   w.fSetB_ADDRESS_1(OutputText(g, "B-ADDRESS-1",
    //                                ResetQuotes(boc.Vtext(g, "B-ADDRESS-1")),
    //                                OutputEncoding::kWinAnsi));
    std::string OutputText(int objectIndex, const std::string& keyword, const std::string& text,
                           OutputEncoding target);

    // Compares the input's keyed digest with the one the engine left beside it.
    void INP_Validate(const char* inputFile, const char* inputKeyFile);
    void fDates();
    void Calc();
    void Calc_Scotland();
    // Whether the run ends with the lodgement message (rather than an IAS
    // package, or nothing); known once Calc has run.
    bool WritesLodgementMessage() const;
    void fREC_Report();
    void fSORT(const std::deque<int>& input, std::deque<int>& output);

  private:
    // Replaced characters already named in the run log (keyword, line, character).
    std::set<std::string> reportedReplacements_;

    void BuildRecords();
    // An HVAC system with no building-data object before it: an input error.
    void ReportOrphanHvac(int objectIndex);
};
