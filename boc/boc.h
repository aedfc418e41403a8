#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/encoding.h"
#include "boc/bocerror.h"
#include "boc/keyword.h"
#include "boc/scanner.h"

// What Vcodid answers for a code word that is not in the keyword's code list
// (a keyword filled with a blank). The library definition numbers codes from
// 1, so no code bears it.
inline constexpr int kNoCode = 0;

// The building-objects constructor: reads the library definition and an input
// file into the object matrix, checks and completes it, and afterwards serves
// every stage of the run through the keyword accessors.
//
// Usage: BOC boc; boc.Init(inputFile, libraryFile); if (!boc.IsOriginal()) ...
// then read values with boc.Vnum(objectIndex, "KEYWORD") and its sisters.
// Init returns only with a clean matrix; an input with errors ends the run
// after the report copy (.bdl), the error report (.err) and the run log have
// been written.
class BOC {
  public:
    std::vector<BObject> objects;  // the object matrix; an object's index is its position
    std::vector<Objeto> classes;   // the library definition, in file order
    BOCERROR errors;
    std::vector<SLINE> inputLines;
    std::string inputFile;
    std::string bdlFile = "default.bdl";
    std::string errFile;
    bool libraryIntact = false;
    // How the input's texts are encoded; the matrix keeps the input's bytes.
    TextEncoding inputEncoding = TextEncoding::kWindows1252;

    // Warnings for the error stream found while reading (numbers written
    // with a decimal comma, numbers that are not numbers, keywords given
    // twice), each a line "file:line: warning: ..."; the report files do not
    // count them. At most kErrorStreamLimit are kept, the rest counted in the
    // last.
    std::vector<std::string> streamWarnings;

    // Numeric keywords whose value the run works out itself, replacing what
    // the input gives: a text there that is not wholly a number is only
    // warned of. Any other numeric keyword whose text is not wholly a number
    // is an input error: the documents and the message are worked out from
    // it. Set before Init.
    std::vector<std::string> keywordsTheRunWrites;
    // Numeric keywords that an object of their class must give, above 0 (a
    // floor area): their default is no fact about the building. Set before Init.
    std::vector<std::string> keywordsAbove0;

    // Reading.
    void Init(const std::string& inputFileName, const std::string& libraryFile);
    // Loads the library definition only: no progress texts, no integrity check.
    void Init_NOT(const std::string& libraryFile);
    // Whether the library definition's protection line matched.
    bool IsOriginal() const { return libraryIntact; }
    // Reads the input in stages, stopping after any stage that found errors:
    // scan the lines, add the objects, require keywords, fill defaults,
    // number codes and references, write the report copy.
    void InpProceso();
    void AddObj();
    void AddKey(BObject& object, int lineIndex, int classIndex);

    // Checks and completion.
    void ComKey(const BObject& object, KeywordValue& value, int lineIndex, int classIndex,
                int keyIndex);
    void ComKeyExe(const std::string& keywordName, KeywordValue& value, int objectIndex,
                   int classIndex, int keyIndex);
    void Require();
    // What Require records, in its order: the classes with too few or too
    // many objects, and the required keywords that objects lack.
    struct CountFinding {
        int classIndex = 0;
        int count = 0;
        bool tooFew = false;
    };
    struct MissingKeyword {
        int objectIndex = 0;
        std::string keyword;
    };
    std::vector<CountFinding> CountFindings() const;
    std::vector<MissingKeyword> MissingKeywords() const;
    void Fill();
    void FillId(int objectIndex);
    void CODREFid();

    // Keyword access. A keyword that the object lacks ends the run.
    double Vnum(int objectIndex, std::string_view keyword) const;
    int Vint(int objectIndex, std::string_view keyword) const;
    std::string Vtext(int objectIndex, std::string_view keyword) const;
    std::string Vcod(int objectIndex, std::string_view keyword) const;
    // Record number of the keyword's code; kNoCode when its word is not a code.
    int Vcodid(int objectIndex, std::string_view keyword) const;
    // Word of the n-th code (1-based) of the keyword; a single blank when the
    // keyword has no n-th code.
    std::string Vcod(int objectIndex, std::string_view keyword, int n) const;
    std::string Vref(int objectIndex, std::string_view keyword) const;
    int Vrefid(int objectIndex, std::string_view keyword) const;
    std::vector<double> Vlnum(int objectIndex, std::string_view keyword) const;
    std::vector<double> Vlnum_Div(int objectIndex, std::string_view keyword, double d) const;
    std::vector<double> Vlnum_Mul(int objectIndex, std::string_view keyword, double d) const;
    double V1lnum(int objectIndex, std::string_view keyword, int i) const;
    int V1lint(int objectIndex, std::string_view keyword, int i) const;
    std::vector<std::string> Vlref(int objectIndex, std::string_view keyword) const;
    std::string V1lref(int objectIndex, std::string_view keyword, int i) const;
    std::vector<int> Vlrefid(int objectIndex, std::string_view keyword) const;
    std::vector<std::string> Vltext(int objectIndex, std::string_view keyword) const;
    // The input line (counted from 1) that gave the keyword its value; 0 for
    // a value the input did not give (a default), a missing keyword or object.
    int KeywordLine(int objectIndex, std::string_view keyword) const;
    std::string V1ltext(int objectIndex, std::string_view keyword, int i) const;

    // Modification. A failed check writes the short error report and the run
    // goes on.
    void ModKey(int objectIndex, const std::string& keyword, const std::string& valueText);
    // As ModKey, and marks the value for the modified-input writers.
    void ModKeyInp(int objectIndex, const std::string& keyword, const std::string& valueText);

    // The matrix as building-object text: every keyword, or only the modified ones.
    void Write_INP(const std::string& fileName) const;
    void Write_INP_MOD(const std::string& fileName) const;
    std::string String_INP_MOD() const;

    // Report files.
    void BDL();
    void WriteBdl();
    void WriteErr();
    // The progress dots of writing the report copy, without writing it.
    void SendReportDots() const;
    void Parar();

    // Lookups over the library definition: index of a class by name, of a
    // keyword definition within a class; -1 when there is none.
    int FindClass(const std::string& className) const;
    int FindKey(int classIndex, const std::string& keyword) const;

  private:
    // The library definition's classes, keywords and codes, read line by
    // line; a line that breaks their order or uniqueness stops the run.
    void ReadDefinition(std::string_view definition);
    // Adds the record of line n (from 0) to the classes; its texts are
    // taken over.
    void Define(CSVLINE& l, std::size_t n);
    // The scanning stage of InpProceso: comments, library entries, the kind
    // of every line, headers and keyword lines with their lists.
    void ScanLines();
    void ReportScanError(int line, ScanResult err);
    const BObject& Object(int objectIndex) const;
    const KeywordValue& Value(int objectIndex, std::string_view keyword) const;
    // The keyword's definition in the object's class, or nullptr.
    const Propiedad* Definition(int objectIndex, std::string_view keyword) const;
    void ModKeyTracked(int objectIndex, const std::string& keyword, const std::string& valueText,
                       bool mark);
    std::string InpText(bool modifiedOnly) const;
    void StopCheck();
    // Notes a number written with a decimal comma on the line (from 0);
    // false when the text is not a number with a decimal comma.
    bool NoteCommaDecimal(int lineIndex, const std::string& keyword, const std::string& valueText);
    // The text of a NUM or LNUM keyword on the line (from 0): a warning or an
    // error when it is not wholly a number (or a list of them).
    void CheckNumberText(int lineIndex, const std::string& keyword, int keyType,
                         const std::string& valueText);
    // A keyword given again in one object: the first value stays.
    void NoteRepeatedKeyword(const BObject& object, const KeywordValue& kept, int lineIndex,
                             const std::string& keyword, const std::string& valueText);
    // A warning for the error stream; `logged` ones also go to the run log
    // whole, where the error stream shows only the first few.
    void AddStreamWarning(const std::string& text, bool logged, bool comma = false);
    // Says the warnings gathered while reading: the log's, then, when asked,
    // the error stream's (a stop says those with its errors); each counts as
    // a warning of the run. Once.
    void SayReadingWarnings(bool onErrorStream);
    // The value checks shared by ComKey and ComKeyExe; findings are recorded
    // with the given level, text flag, position and name.
    void CheckValue(const Propiedad& def, KeywordValue& value, const std::string& refClass,
                    FindingLevel level, TextFlag flag, int position, const std::string& name);
    // Index of the first (or last) object named `name` of class `className`; -1 if none.
    int FirstMatch(const std::string& name, const std::string& className) const;
    int LastMatch(const std::string& name, const std::string& className) const;
    void WriteReport(const std::string& fileName, bool errorReport);
    // Object indexes by name, in matrix order, kept up with `objects`.
    const std::vector<int>& ObjectsNamed(const std::string& name) const;
    void IndexObjects() const;

    // Stops the run: the library definition breaks the order or uniqueness
    // that every lookup relies on.
    [[noreturn]] void RejectLibrary(std::size_t lineIndex, const std::string& what) const;

    std::string libraryFile_;
    // Warnings past those kept, less the one the count replaced, and
    // whether every one of those was a decimal comma.
    std::size_t uncountedWarnings_ = 0;
    bool uncountedAreCommas_ = true;
    bool lastKeptIsComma_ = false;
    // Every warning of the reading, and the lines of those that the log gets.
    std::size_t readingWarnings_ = 0;
    std::string loggedWarnings_;
    bool warningsSaid_ = false;
    std::unordered_map<std::string, int> classIndex_;
    std::vector<std::unordered_map<std::string, int>> keyIndex_;
    mutable std::unordered_map<std::string, std::vector<int>> nameIndex_;
    mutable std::size_t indexedObjects_ = 0;
};
