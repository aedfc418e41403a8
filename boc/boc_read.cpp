// Reading: the library definition, the input lines, and the objects built from them.
#include <algorithm>
#include <cmath>

#include "app/codes.h"
#include "app/encoding.h"
#include "app/inputfile.h"
#include "app/outputs.h"
#include "app/runlog.h"
#include "app/stop.h"
#include "app/textutil.h"
#include "boc/boc.h"
#include "boc/diagnostics.h"
#include "boc/fileguard.h"
#include "library/ncmd5.h"

namespace {

template <typename Sink>
void ForEachLine(std::string_view content, Sink sink) {
    TextLines lines(content);
    std::string line;
    while (lines.Next(line)) {
        sink(line);
        line.clear();
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// How many lines TextLines cuts the text into.
std::size_t CountLines(std::string_view content) {
    std::size_t n = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'));
    return n + (!content.empty() && content.back() != '\n' ? 1 : 0);
}

// Moves a text over; what stays behind is empty, so a record read again
// starts from empty texts.
void MoveText(std::string& to, std::string& from) {
    to = std::move(from);
    from.clear();
}

}  // namespace

void BOC::RejectLibrary(std::size_t lineIndex, const std::string& what) const {
    StopRun("\nERROR: Library definition " + libraryFile_ + ", line " +
            std::to_string(lineIndex + 1) + ": " + what + "\n");
}

void BOC::Init(const std::string& inputFileName, const std::string& libraryFile) {
    errors.Init();
    streamWarnings.clear();
    uncountedWarnings_ = 0;
    uncountedAreCommas_ = true;
    readingWarnings_ = 0;
    loggedWarnings_.clear();
    warningsSaid_ = false;
    objects.clear();
    inputLines.clear();
    nameIndex_.clear();
    indexedObjects_ = 0;
    libraryFile_ = libraryFile;

    const std::string definition = ReadLogged(libraryFile);
    SendLog("\n  Initializing Matrix...");
    // Read once: the protection check and the classes take the same bytes.
    libraryIntact = NCMD5().flibcheckText(PathFileName(libraryFile), definition);
    ReadDefinition(definition);
    SendLog(" OK\n");

    SendLog("  Reading Input file...");
    const std::string input = ReadLogged(inputFileName);
    inputFile = inputFileName;
    bdlFile = OutputName(inputFile, ending::kReportCopy);
    errFile = OutputName(inputFile, ending::kErrorReport);
    // A byte-order mark is no part of the first line's text; the file's own
    // bytes (and its key digest) are left as they are.
    bool hadBom = false;
    InputEncodingScan encoding;
    inputLines.reserve(CountLines(input));
    ForEachLine(input, [this, &hadBom, &encoding](std::string& line) {
        if (inputLines.empty()) hadBom = StripUtf8Bom(line);
        encoding.Add(line);
        inputLines.emplace_back();
        inputLines.back().Load(std::move(line));
    });
    inputEncoding = encoding.Result(hadBom);
    SendLog(" OK\n");

    SendLog("  Processing Input file...\n");
    InpProceso();
    SendLog("  OK!\n");
    // An input with errors has stopped the run with these among its lines.
    SayReadingWarnings(true);
}

void BOC::SayReadingWarnings(bool onErrorStream) {
    if (warningsSaid_ || readingWarnings_ == 0) return;
    warningsSaid_ = true;
    LogStream() << loggedWarnings_;
    NoteWarnings(streamWarnings.front(), readingWarnings_);
    if (!onErrorStream) return;
    std::string warnings;
    for (const std::string& w : streamWarnings) warnings += w;
    SayOnErrorStream(warnings);
}

void BOC::AddStreamWarning(const std::string& text, bool logged, bool comma) {
    ++readingWarnings_;
    if (logged) loggedWarnings_ += text;
    // A file full of them is not copied to the screen: the count stands for
    // the rest, and for the last one kept, which it replaces.
    if (streamWarnings.size() < kErrorStreamLimit) {
        streamWarnings.push_back(text);
        lastKeptIsComma_ = comma;
        return;
    }
    if (uncountedWarnings_ == 0) uncountedAreCommas_ = lastKeptIsComma_;
    ++uncountedWarnings_;
    uncountedAreCommas_ = uncountedAreCommas_ && comma;
    streamWarnings.back() =
        Where(inputFile, 0) + ": warning: " + std::to_string(uncountedWarnings_ + 1) +
        (uncountedAreCommas_ ? " more numbers are written with a decimal comma\n"
                             : " more warnings are not shown here (the run log has all but "
                               "the decimal commas)\n");
}

bool BOC::NoteCommaDecimal(int lineIndex, const std::string& keyword,
                           const std::string& valueText) {
    // A number without a comma is never worth the warning: its place is not
    // even written out.
    if (valueText.find(',') == std::string::npos) return false;
    const std::string warning =
        CommaDecimalWarning(Where(inputFile, lineIndex + 1), keyword, valueText);
    if (warning.empty()) return false;
    AddStreamWarning(warning, false, true);
    return true;
}

void BOC::CheckNumberText(int lineIndex, const std::string& keyword, int keyType,
                          const std::string& valueText) {
    // Past any double, a number reads as infinite: no figure either.
    const auto isNumber = [](const std::string& text) {
        return IsWholeNumber(text) && std::isfinite(TextToDouble(text));
    };
    std::string bad;
    if (keyType == kTypeNum) {
        if (isNumber(valueText)) return;
        // A decimal comma keeps its own warning and its reading: the
        // assessor's first slip, and nothing else is wrong with the number.
        if (CommaDecimalNumber(valueText) && NoteCommaDecimal(lineIndex, keyword, valueText))
            return;
        bad = valueText;
    } else {
        const std::vector<std::string> items = SplitListItems(valueText);
        const auto notNumber =
            std::find_if(items.begin(), items.end(),
                         [&isNumber](const std::string& item) { return !isNumber(item); });
        if (notNumber == items.end()) return;
        bad = *notNumber;
    }
    const bool replaced = std::find(keywordsTheRunWrites.begin(), keywordsTheRunWrites.end(),
                                    keyword) != keywordsTheRunWrites.end();
    if (!replaced) {
        errors.AddError(kLevelLine, kErrNotANumber, kFlagCatalogue, lineIndex).info = bad;
        return;
    }
    AddStreamWarning(
        NotANumberWarning(Where(inputFile, lineIndex + 1), keyword, keyType, valueText, bad), true);
}

void BOC::NoteRepeatedKeyword(const BObject& object, const KeywordValue& kept, int lineIndex,
                              const std::string& keyword, const std::string& valueText) {
    AddStreamWarning(Where(inputFile, lineIndex + 1) + ": warning: " + keyword +
                         " is given again in object \"" + object.name + "\" (line " +
                         std::to_string(kept.line) + " gave it first): the first value, " +
                         Trimmed(kept.text) + ", is kept and " + Trimmed(valueText) +
                         " here is not read\n",
                     true);
}

void BOC::Init_NOT(const std::string& libraryFile) {
    errors.Init();
    libraryFile_ = libraryFile;
    ReadDefinition(ReadLogged(libraryFile));
}

void BOC::ReadDefinition(std::string_view definition) {
    classes.clear();
    classIndex_.clear();
    keyIndex_.clear();
    // One line at a time through the same record, whose texts the classes
    // take over: the definition is not kept as lines.
    TextLines lines(definition);
    CSVLINE l;
    for (std::size_t n = 0; lines.Next(l.line); ++n) {
        l.Init();
        Define(l, n);
    }
}

void BOC::Define(CSVLINE& l, std::size_t n) {
    if (l.kind == kCsvClass) {
        // Objects find their class at position classNumber - 1.
        if (l.number != static_cast<int>(classes.size()) + 1)
            RejectLibrary(n, "object class " + l.name + " has the number " +
                                 std::to_string(l.number) +
                                 "; classes are numbered 1, 2, 3 "
                                 "... in file order, so it must be " +
                                 std::to_string(classes.size() + 1));
        if (!classIndex_.emplace(l.name, static_cast<int>(classes.size())).second)
            RejectLibrary(n, "object class " + l.name + " is defined twice");
        Objeto o;
        o.number = l.number;
        MoveText(o.name, l.name);
        o.minCount = l.minCount;
        o.maxCount = l.maxCount;
        MoveText(o.classNote, l.classNote);
        classes.push_back(std::move(o));
        keyIndex_.emplace_back();
    } else if (l.kind == kCsvKeyword) {
        if (classes.empty())
            RejectLibrary(n, "keyword " + l.name + " comes before any object class");
        if (l.keyType < kTypeNum || l.keyType > kTypeLtext)
            RejectLibrary(n, "keyword " + l.name + " has the value type " +
                                 std::to_string(l.keyType) + "; types are 1 to 7");
        Objeto& cls = classes.back();
        if (!keyIndex_.back().emplace(l.name, static_cast<int>(cls.properties.size())).second)
            RejectLibrary(n, "keyword " + l.name + " is defined twice in object class " + cls.name);
        Propiedad p;
        p.number = l.number;
        MoveText(p.name, l.name);
        p.keyType = l.keyType;
        MoveText(p.defaultText, l.defaultText);
        MoveText(p.refType, l.refType);
        p.byKeyword = l.byKeyword;
        p.bounds = l.bounds;
        MoveText(p.note, l.note);
        cls.properties.push_back(std::move(p));
    } else if (l.kind == kCsvCode) {
        if (classes.empty() || classes.back().properties.empty())
            RejectLibrary(n, "code " + l.name + " comes before any keyword of its class");
        Propiedad& key = classes.back().properties.back();
        // 0 answers for a code word that is not in the list.
        if (l.number < 1)
            RejectLibrary(n, "code " + l.name + " of keyword " + key.name + " has the number " +
                                 std::to_string(l.number) + "; codes are numbered from 1");
        for (const Codigo& c : key.codes)
            if (c.name == l.name)
                RejectLibrary(n, "code " + l.name + " is defined twice for keyword " + key.name);
        Codigo code{l.number, std::string()};
        MoveText(code.name, l.name);
        key.codes.push_back(std::move(code));
    }
}

int BOC::FindClass(const std::string& className) const {
    const auto it = classIndex_.find(className);
    return it == classIndex_.end() ? -1 : it->second;
}

int BOC::FindKey(int classIndex, const std::string& keyword) const {
    if (classIndex < 0 || classIndex >= static_cast<int>(keyIndex_.size())) return -1;
    const auto& keys = keyIndex_[classIndex];
    const auto it = keys.find(keyword);
    return it == keys.end() ? -1 : it->second;
}

void BOC::StopCheck() {
    if (!errors.Any()) return;
    errors.AddEWC();
    BDL();
}

void BOC::ReportScanError(int line, ScanResult err) {
    if (err == kScanNotInLibrary)
        errors.AddError(kLevelSyntax, kErrNotInLibrary, kFlagCatalogue, line);
    else if (err == kScanBadSyntax)
        errors.AddError(kLevelSyntax, kErrBadSyntax, kFlagCatalogue, line);
}

void BOC::ScanLines() {
    const int count = static_cast<int>(inputLines.size());

    for (int i = 0; i < count; ++i) {
        inputLines[i].pComments();
        ReportScanError(i, inputLines[i].err);
    }

    for (int i = 0; i < count; ++i) {
        SLINE& line = inputLines[i];
        if (line.kind != kLinePlain && line.kind != kLineCommented) continue;
        line.pLibrary();
        ReportScanError(i, line.err);
    }

    // A header opens the input and follows every terminator; the other lines
    // of an object are keyword lines.
    bool expectHeader = true;
    for (SLINE& line : inputLines) {
        if (line.kind == kLineBad || line.kind == kLineEmpty || line.kind == kLineLibrary) continue;
        if (expectHeader) {
            line.kind = kLineHeader;
            expectHeader = false;
        } else if (line.ObjEnd()) {
            line.kind = kLineTerminator;
            expectHeader = true;
        } else {
            line.kind = kLineKeyword;
        }
    }

    for (int i = 0; i < count; ++i) {
        if (inputLines[i].kind != kLineHeader) continue;
        inputLines[i].pObj();
        ReportScanError(i, inputLines[i].err);
    }

    for (int i = 0; i < count; ++i) {
        if (inputLines[i].kind != kLineKeyword) continue;
        const int opener = i;
        int open = inputLines[opener].pKey();
        ReportScanError(opener, inputLines[opener].err);
        // An open list takes the keyword lines after it until one closes it;
        // the terminator (not a keyword line) always stops it.
        while (open == 1 && i + 1 < count && inputLines[i + 1].kind == kLineKeyword) {
            ++i;
            SLINE& part = inputLines[i];
            open = part.cKey();
            if (part.err == kScanOk)
                inputLines[opener].value += part.value;
            else
                ReportScanError(i, part.err);
        }
        // A list still open when its object or the file ends would take the
        // keyword lines after it into its value without a word: an error.
        if (open == 1) errors.AddError(kLevelSyntax, kErrBadSyntax, kFlagCatalogue, opener);
    }
}

void BOC::InpProceso() {
    ScanLines();
    StopCheck();

    SendLog("    Adding Objects...");
    AddObj();
    SendLog(" OK\n");
    StopCheck();

    Require();
    StopCheck();

    SendLog("\n    Assigning Default values to keywords...");
    Fill();
    SendLog(" OK\n");
    StopCheck();

    SendLog("\n    Checking Code Keywords...");
    CODREFid();
    SendLog(" OK\n");

    SendLog("    Writing BDL...");
    errors.AddEWC();
    BDL();
    SendLog(" OK\n");
}

void BOC::AddObj() {
    int dots = 0;
    for (int i = 0; i < static_cast<int>(inputLines.size()); ++i) {
        const SLINE& header = inputLines[i];
        if (header.kind != kLineHeader) continue;
        const int c = FindClass(header.objType);
        if (c < 0) {
            errors.AddError(kLevelLine, kErrObjectUnknown, kFlagCatalogue, i);
            continue;
        }
        BObject object;
        object.name = header.objName;
        object.type = header.objType;
        object.classNumber = classes[c].number;
        object.lines.push_back(i);
        // The object joins the matrix only after its keywords are checked, so
        // its references can only reach the objects before it.
        AddKey(object, i, c);
        objects.push_back(std::move(object));
        if (++dots == kDotEveryObjects) {
            SendLog(".");
            dots = 0;
        }
    }
}

void BOC::AddKey(BObject& object, int lineIndex, int classIndex) {
    const Objeto& cls = classes[classIndex];
    // After a header read as a keyword line (the ".." before it missing), the
    // keywords are another object's: that they repeat is no news.
    bool strayHeader = false;
    // An input that ends inside an object ends the object there.
    for (int i = lineIndex + 1; i < static_cast<int>(inputLines.size()); ++i) {
        const SLINE& line = inputLines[i];
        if (line.kind == kLineKeyword) {
            if (!line.keyword.empty() && line.keyword[0] == '"') strayHeader = true;
            const int k = FindKey(classIndex, line.keyword);
            if (k >= 0) {
                const Propiedad& def = cls.properties[k];
                KeywordValue value;
                value.Init(def.keyType, line.value);
                value.line = i + 1;
                // A keyword given twice keeps its first value; both are checked
                // against the library, the one not read is only warned of.
                const std::size_t before = errors.errorList.size();
                const auto given = object.keywords.find(line.keyword);
                if (given != object.keywords.end()) {
                    if (!strayHeader)
                        NoteRepeatedKeyword(object, given->second, i, line.keyword, line.value);
                } else if (def.keyType == kTypeNum || def.keyType == kTypeLnum)
                    CheckNumberText(i, line.keyword, def.keyType, line.value);
                ComKey(object, value, i, classIndex, k);
                // Not above 0, and a number in range: an error of its own.
                // Otherwise it has one already.
                if (given == object.keywords.end() && def.keyType == kTypeNum && !(value.num > 0) &&
                    errors.errorList.size() == before &&
                    std::find(keywordsAbove0.begin(), keywordsAbove0.end(), line.keyword) !=
                        keywordsAbove0.end())
                    errors.AddError(kLevelLine, kErrOutOfRange, kFlagCatalogue, i).info =
                        "a number above 0";
                value.id = def.number;
                object.keywords.try_emplace(line.keyword, std::move(value));
            } else {
                errors.AddError(kLevelLine, kErrKeywordUnknown, kFlagCatalogue, i);
            }
            object.lines.push_back(i);
        } else if (line.kind == kLineContinued || line.kind == kLineEmpty) {
            object.lines.push_back(i);
        } else {
            return;
        }
    }
}

void BOC::IndexObjects() const {
    if (indexedObjects_ > objects.size()) {
        nameIndex_.clear();
        indexedObjects_ = 0;
    }
    for (; indexedObjects_ < objects.size(); ++indexedObjects_)
        nameIndex_[objects[indexedObjects_].name].push_back(static_cast<int>(indexedObjects_));
}

const std::vector<int>& BOC::ObjectsNamed(const std::string& name) const {
    static const std::vector<int> kNone;
    IndexObjects();
    const auto it = nameIndex_.find(name);
    return it == nameIndex_.end() ? kNone : it->second;
}

int BOC::FirstMatch(const std::string& name, const std::string& className) const {
    for (int idx : ObjectsNamed(name))
        if (objects[idx].type == className) return idx;
    return -1;
}

int BOC::LastMatch(const std::string& name, const std::string& className) const {
    const std::vector<int>& named = ObjectsNamed(name);
    for (auto it = named.rbegin(); it != named.rend(); ++it)
        if (objects[*it].type == className) return *it;
    return -1;
}
