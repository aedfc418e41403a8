// The error stream's account of an input: each finding at its file and line,
// with the likely fix.
#include "boc/diagnostics.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/codes.h"
#include "app/runlog.h"
#include "boc/boc.h"

namespace {

// How many code words of a keyword the error stream names; a keyword that
// takes more is named with its nearest and the reference that lists them.
constexpr std::size_t kCodeWordsShown = 4;
// Words longer than this by more are ranked by their length alone: a value
// of a megabyte is not compared letter by letter.
constexpr std::size_t kLongestCompared = 64;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string Number(double value) {
    std::ostringstream s;
    s << value;
    return s.str();
}

std::string Plural(std::size_t n, const std::string& word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string DidYouMean(const std::string& word, const std::vector<std::string>& candidates) {
    const std::string nearest = NearestWord(word, candidates);
    return nearest.empty() ? "" : " (did you mean " + nearest + "?)";
}

// The range that a number's first two bounds (the error bounds) allow.
std::string RangeText(const Propiedad& def) {
    const bool low = def.bounds[0] != kNoLimit;
    const bool high = def.bounds[1] != kNoLimit;
    if (low && high) return "from " + Number(def.bounds[0]) + " to " + Number(def.bounds[1]);
    if (low) return "at least " + Number(def.bounds[0]);
    if (high) return "at most " + Number(def.bounds[1]);
    return "any number";
}

// One error as the error stream shows it: where, and the text after "error: ".
struct Item {
    int line = 0;  // from 1; 0 for a finding of the whole input
    std::size_t record = 0;
    std::string text;  // set only for the items shown
    std::string note;  // a second line, "note: ...", or empty
};

// The error stream's view of the report: which object each line belongs to,
// and the findings turned into words.
class Account {
  public:
    explicit Account(const BOC& boc) : boc_(boc), objectOfLine_(boc.inputLines.size(), -1) {
        for (std::size_t o = 0; o < boc.objects.size(); ++o)
            for (int line : boc.objects[o].lines)
                if (line >= 0 && static_cast<std::size_t>(line) < objectOfLine_.size())
                    objectOfLine_[static_cast<std::size_t>(line)] = static_cast<int>(o);
    }

    std::string Report(std::size_t limit) {
        std::vector<Item> items = Collect();
        std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
            return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
        });
        const std::string& file = boc_.inputFile;
        std::string out;
        const std::size_t shown = std::min(limit, items.size());
        for (std::size_t i = 0; i < shown; ++i) {
            Item& item = items[i];
            if (item.text.empty()) Describe(item);
            out += Where(file, item.line) + ": error: " + item.text + "\n";
            if (!item.note.empty()) out += Where(file, item.line) + ": note: " + item.note + "\n";
        }
        if (items.size() > shown)
            out += file + ": " + Plural(items.size() - shown, "more error") + " not shown here\n";
        out += "see " + boc_.errFile + " for the whole report\n";
        return out;
    }

  private:
    const Serror& Record(const Item& item) const { return boc_.errors.errorList[item.record]; }
    const SLINE* LineOf(const Serror& e) const {
        if (e.level >= kLevelInput || e.position < 0 ||
            static_cast<std::size_t>(e.position) >= boc_.inputLines.size())
            return nullptr;
        return &boc_.inputLines[static_cast<std::size_t>(e.position)];
    }
    int ClassOfLine(int line) const {
        if (line < 0 || static_cast<std::size_t>(line) >= objectOfLine_.size()) return -1;
        const int o = objectOfLine_[static_cast<std::size_t>(line)];
        return o < 0 ? -1 : boc_.FindClass(boc_.objects[static_cast<std::size_t>(o)].type);
    }
    const Propiedad* KeywordOfLine(int line, const std::string& keyword) const {
        const int c = ClassOfLine(line);
        const int k = c < 0 ? -1 : boc_.FindKey(c, keyword);
        if (k < 0) return nullptr;
        return &boc_.classes[static_cast<std::size_t>(c)].properties[static_cast<std::size_t>(k)];
    }

    // An object header read as a keyword line: the ".." of the object before
    // it is missing. The open object, or -1; `header` is the line read as the
    // header it is.
    int OpenObjectAt(const Serror& e, SLINE& header) const {
        const SLINE* line = LineOf(e);
        if (e.code != kErrKeywordUnknown || line == nullptr || line->keyword.empty() ||
            line->keyword[0] != '"')
            return -1;
        header.Load(std::string(line->text()));
        header.pObj();
        if (header.err != kScanOk || boc_.FindClass(header.objType) < 0) return -1;
        return objectOfLine_[static_cast<std::size_t>(e.position)];
    }

    std::vector<Item> Collect() {
        const auto& errors = boc_.errors.errorList;
        // Where the findings of lines are, for counting those after a point.
        std::vector<int> positions;
        for (const Serror& e : errors)
            if (LineOf(e) != nullptr) positions.push_back(e.position);
        std::sort(positions.begin(), positions.end());
        // Lines swallowed by an object left open, after its first stray
        // header: their findings follow from the missing "..".
        std::vector<bool> swallowed(boc_.inputLines.size(), false);
        std::vector<Item> items;
        for (std::size_t r = 0; r < errors.size(); ++r) {
            const Serror& e = errors[r];
            const bool lined = LineOf(e) != nullptr;
            if (lined && swallowed[static_cast<std::size_t>(e.position)]) continue;
            Item item;
            item.line = lined ? e.position + 1 : 0;
            item.record = r;
            // A keyword an object lacks is told at the object's first line.
            if (!lined && e.code == kErrRequired) {
                if (missing_.empty()) missing_ = boc_.MissingKeywords();
                if (nextMissing_ < missing_.size()) {
                    const BOC::MissingKeyword& m = missing_[nextMissing_++];
                    const BObject& o = boc_.objects[static_cast<std::size_t>(m.objectIndex)];
                    item.line = o.lines.empty() ? 0 : o.lines.front() + 1;
                    item.text = "object \"" + o.name + "\" (" + o.type + ", line " +
                                std::to_string(item.line) + ") lacks the keyword " + m.keyword +
                                ", which it must give";
                }
            }
            SLINE stray;
            const int open = OpenObjectAt(e, stray);
            if (open >= 0) {
                const BObject& o = boc_.objects[static_cast<std::size_t>(open)];
                item.text = "\"..\" missing: object \"" + o.name + "\" (line " +
                            std::to_string(o.lines.front() + 1) + ") is still open where \"" +
                            stray.objName + "\" = " + stray.objType + " begins";
                const int last = o.lines.back();
                const auto follows =
                    std::upper_bound(positions.begin(), positions.end(), last) -
                    std::upper_bound(positions.begin(), positions.end(), e.position);
                if (follows > 0)
                    item.note = "the " + Plural(static_cast<std::size_t>(follows), "error") +
                                " after this line in " + boc_.errFile +
                                (follows == 1 ? " follows" : " follow") + " from it";
                for (int l = e.position + 1; l <= last; ++l)
                    swallowed[static_cast<std::size_t>(l)] = true;
            }
            items.push_back(std::move(item));
        }
        return items;
    }

    void Describe(Item& item) {
        const Serror& e = Record(item);
        const SLINE* line = LineOf(e);
        if (line == nullptr) {
            item.text = WholeInput(e);
            return;
        }
        switch (e.code) {
            case kErrBadSyntax:
                item.text = "bad syntax: " + SyntaxHint(e.position);
                return;
            case kErrObjectUnknown: {
                std::vector<std::string> names;
                for (const Objeto& c : boc_.classes) names.push_back(c.name);
                item.text =
                    "unknown object class " + line->objType + DidYouMean(line->objType, names);
                return;
            }
            case kErrKeywordUnknown: {
                const int c = ClassOfLine(e.position);
                std::vector<std::string> names;
                if (c >= 0)
                    for (const Propiedad& p : boc_.classes[static_cast<std::size_t>(c)].properties)
                        names.push_back(p.name);
                item.text =
                    "unknown keyword " + line->keyword +
                    (c >= 0 ? " of class " + boc_.classes[static_cast<std::size_t>(c)].name : "") +
                    DidYouMean(line->keyword, names);
                return;
            }
            default:
                break;
        }
        const Propiedad* def = KeywordOfLine(e.position, line->keyword);
        if (def == nullptr) {
            item.text = ErrorCatalogue(e.code);
            return;
        }
        const std::string& key = line->keyword;
        switch (e.code) {
            case kErrOutOfRange:
                item.text = (def->keyType == kTypeLnum ? "an item of " : "") + key + " = " +
                            line->value + " is out of range: " + key + " takes " +
                            (e.info.empty() ? RangeText(*def) : e.info);
                return;
            case kErrCodeUnknown: {
                std::vector<std::string> words;
                for (const Codigo& c : def->codes) words.push_back(c.name);
                const int c = ClassOfLine(e.position);
                item.text = "unknown code word " + e.info + " for " + key +
                            DidYouMean(e.info, words) + "; " +
                            CodeWords(e.info, *def,
                                      c < 0 ? std::string()
                                            : boc_.classes[static_cast<std::size_t>(c)].name);
                return;
            }
            case kErrBadReference:
                item.text =
                    key + " = " + line->value +
                    (def->byKeyword ? " names no object, given before it, of the class "
                                      "that " +
                                          def->refType + " names"
                                    : " names no " + def->refType + " object given before it");
                return;
            case kErrNotANumber:
                item.text = NotANumberText(key, def->keyType, line->value, e.info) +
                            ", and the documents and the message are worked out from it";
                return;
            case kErrRefTypeKeyword:
                item.text = key + " takes the class of the object it names from " + def->refType +
                            ", which must come before it in the object";
                return;
            default:
                item.text = ErrorCatalogue(e.code);
                return;
        }
    }

    // What a line that could not be read lacks.
    std::string SyntaxHint(int position) const {
        const SLINE& l = boc_.inputLines[static_cast<std::size_t>(position)];
        if (l.kind == kLineContinued)
            return "a line that goes on with a list must hold more than one character: put the ) "
                   "after the list's last item";
        if (l.kind == kLineKeyword) return "the list of " + l.keyword + " is not closed with )";
        if (std::count(l.raw.begin(), l.raw.end(), '"') % 2 != 0)
            return "a double quote is not closed";
        const std::string_view text = l.text();
        const std::size_t first = text.find_first_not_of(' ');
        if (first != std::string_view::npos && text.substr(first).rfind("LIBRARY-ENTRY", 0) == 0)
            return "a library entry reads LIBRARY-ENTRY name = \"file\"";
        if (HeaderExpected(position)) return "an object begins here, with \"name\" = CLASS";
        const std::size_t eq = text.find('=');
        if (first == std::string_view::npos || eq == std::string_view::npos)
            return "a keyword line reads KEYWORD = value";
        const std::size_t blank = text.find(' ', first);
        if (blank == std::string_view::npos || blank > eq)
            return "put a blank between " + std::string(text.substr(first, eq - first)) +
                   " and its =";
        if (text.find_first_not_of(' ', eq + 1) == std::string_view::npos)
            return std::string(text.substr(first, blank - first)) + " has no value after its =";
        return "a keyword line reads KEYWORD = value";
    }

    // Whether the reader wanted an object header at the line: it opens the
    // input or follows a "..".
    bool HeaderExpected(int position) const {
        for (int i = position - 1; i >= 0; --i) {
            const LineKind kind = boc_.inputLines[static_cast<std::size_t>(i)].kind;
            if (kind == kLineBad || kind == kLineEmpty || kind == kLineLibrary) continue;
            return kind == kLineTerminator;
        }
        return true;
    }

    // The findings of the whole input, in the order the reader made them.
    std::string WholeInput(const Serror& e) {
        if (e.code == kErrTooFew || e.code == kErrTooMany) {
            if (counts_.empty()) counts_ = boc_.CountFindings();
            if (nextCount_ < counts_.size()) {
                const BOC::CountFinding& f = counts_[nextCount_++];
                const Objeto& c = boc_.classes[static_cast<std::size_t>(f.classIndex)];
                return f.tooFew
                           ? "the input needs at least " +
                                 Plural(static_cast<std::size_t>(c.minCount), c.name + " object") +
                                 " and has " + std::to_string(f.count)
                           : "the input may have at most " +
                                 Plural(static_cast<std::size_t>(c.maxCount), c.name + " object") +
                                 " and has " + std::to_string(f.count);
            }
        }
        // Our own texts carry the report's marks; the error stream says "error:" already.
        std::string text = e.text;
        const std::string mark = "*** ERROR *** ";
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) text = text.substr(at + mark.size());
        return text;
    }

    const BOC& boc_;
    std::vector<int> objectOfLine_;
    std::vector<BOC::CountFinding> counts_;
    std::size_t nextCount_ = 0;
    std::vector<BOC::MissingKeyword> missing_;
    std::size_t nextMissing_ = 0;
};

}  // namespace

std::string ErrorStreamReport(const BOC& boc, std::size_t limit) {
    std::string out;
    for (const std::string& warning : boc.streamWarnings) out += warning;
    return out + Account(boc).Report(limit);
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    // Three rows: a swap of two neighbours looks two rows back.
    std::vector<std::size_t> before(b.size() + 1);
    std::vector<std::size_t> above(b.size() + 1);
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        before.swap(above);
        above.swap(row);
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            row[j] =
                std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
        }
    }
    return row[b.size()];
}

std::size_t SuggestionReach(std::size_t length) {
    // One slip in a short word, one more for every four letters; in a word
    // of one or two letters a slip is half of it, another word.
    return length < 3 ? 0 : std::max<std::size_t>(1, length / 4);
}

std::string NearestWord(const std::string& word, const std::vector<std::string>& candidates) {
    const std::string lower = Lower(word);
    std::string best;
    std::size_t bestDistance = 0;
    for (const std::string& c : candidates) {
        // Measured on the longer of the two, so that "BE" finds "BER".
        const std::size_t allowed = SuggestionReach(std::max(c.size(), word.size()));
        const std::size_t gap =
            c.size() > word.size() ? c.size() - word.size() : word.size() - c.size();
        if (gap > allowed) continue;
        const std::string candidate = Lower(c);
        if (candidate == lower) return c;
        const std::size_t d = EditDistance(lower, candidate);
        if (d <= allowed && (best.empty() || d < bestDistance)) {
            best = c;
            bestDistance = d;
        }
    }
    if (!best.empty() || word.size() < 3) return best;
    // A word the assessor shortened: the one candidate that holds it.
    std::string holder;
    for (const std::string& c : candidates) {
        if (Lower(c).find(lower) == std::string::npos) continue;
        if (!holder.empty()) return "";
        holder = c;
    }
    return holder;
}

std::vector<std::string> NearestCodeWords(const std::string& word, const Propiedad& keyword,
                                          std::size_t count) {
    const std::string lower = Lower(word);
    struct Ranked {
        bool held;  // the one holds the other: a word shortened or run on
        std::size_t distance;
        std::size_t order;
    };
    std::vector<Ranked> ranked;
    for (std::size_t i = 0; i < keyword.codes.size(); ++i) {
        const std::string code = Lower(keyword.codes[i].name);
        const bool held = !lower.empty() && (code.find(lower) != std::string::npos ||
                                             lower.find(code) != std::string::npos);
        const std::size_t gap =
            code.size() > lower.size() ? code.size() - lower.size() : lower.size() - code.size();
        // Past a gap this wide the gap ranks as well as the letters would.
        ranked.push_back({held, gap > kLongestCompared ? gap : EditDistance(lower, code), i});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.held != b.held ? a.held : a.distance < b.distance;
    });
    std::vector<std::string> out;
    std::vector<std::string> names;
    for (const Codigo& c : keyword.codes) names.push_back(c.name);
    // The word suggested comes first, whatever the ranking says.
    const std::string nearest = NearestWord(word, names);
    if (!nearest.empty()) out.push_back(nearest);
    for (const Ranked& r : ranked) {
        if (out.size() >= count) break;
        if (keyword.codes[r.order].name != nearest) out.push_back(keyword.codes[r.order].name);
    }
    return out;
}

std::string CodeWords(const std::string& word, const Propiedad& keyword,
                      const std::string& className) {
    const std::string& key = keyword.name;
    std::string out;
    if (keyword.codes.size() <= kCodeWordsShown) {
        for (const Codigo& c : keyword.codes) out += (out.empty() ? "" : ", ") + c.name;
        return key + " takes " + out;
    }
    for (const std::string& w : NearestCodeWords(word, keyword, kCodeWordsShown))
        out += (out.empty() ? "" : ", ") + w;
    return key + " takes " + std::to_string(keyword.codes.size()) + " code words, the nearest " +
           out + "; all are listed" + (className.empty() ? "" : " under " + className) +
           " in the input reference (" + kInputReferenceName + ")";
}

namespace {

std::string Trimmed(const std::string& text) {
    std::string out = text;
    const std::size_t last = out.find_last_not_of(' ');
    out.erase(last == std::string::npos ? 0 : last + 1);
    out.erase(0, out.find_first_not_of(' '));
    return out;
}

// The number a text with commas was meant to be: one comma is a decimal
// point; commas beside a point, or several, group thousands.
std::string MeantWithoutCommas(const std::string& written) {
    std::string meant = written;
    if (std::count(meant.begin(), meant.end(), ',') == 1 && meant.find('.') == std::string::npos)
        std::replace(meant.begin(), meant.end(), ',', '.');
    else
        meant.erase(std::remove(meant.begin(), meant.end(), ','), meant.end());
    return meant;
}

// What the reader takes from the text; "-0" shows as 0.
std::string ReadAs(const std::string& text) {
    const double read = TextToDouble(text);
    return Number(read == 0 ? 0.0 : read);
}

}  // namespace

std::string CommaDecimalWarning(const std::string& where, const std::string& keyword,
                                const std::string& valueText) {
    const char* start = valueText.c_str();
    char* end = nullptr;
    const double read = std::strtod(start, &end);
    if (end == start || *end != ',' || !std::isdigit(static_cast<unsigned char>(end[1]))) return "";
    const std::string written = Trimmed(valueText);
    // "-0,5" reads as 0, not as "-0".
    const double shown = read == 0 ? 0.0 : read;
    return where + ": warning: " + keyword + " = " + written + " is read as " + Number(shown) +
           ": a comma is not a decimal point (write " + MeantWithoutCommas(written) + ")\n";
}

bool CommaDecimalNumber(const std::string& valueText) {
    return valueText.find(',') != std::string::npos &&
           IsWholeNumber(MeantWithoutCommas(Trimmed(valueText)));
}

std::string NotANumberText(const std::string& keyword, int keyType, const std::string& valueText,
                           const std::string& bad) {
    if (keyType == kTypeLnum)
        return keyword + " = " + Trimmed(valueText) + " holds \"" + Trimmed(bad) +
               "\", which is not a number: that item is read as " + ReadAs(bad);
    return keyword + " = " + Trimmed(valueText) + " is not a number: it is read as " +
           ReadAs(valueText);
}

std::string NotANumberWarning(const std::string& where, const std::string& keyword, int keyType,
                              const std::string& valueText, const std::string& bad) {
    return where + ": warning: " + NotANumberText(keyword, keyType, valueText, bad) + "\n";
}

namespace {
int HeaderLine(const BOC& boc, int objectIndex) {
    if (objectIndex < 0 || objectIndex >= static_cast<int>(boc.objects.size())) return 0;
    const BObject& o = boc.objects[static_cast<std::size_t>(objectIndex)];
    return o.lines.empty() ? 0 : o.lines.front() + 1;
}
}  // namespace

std::string KeywordPlace(const BOC& boc, int objectIndex, std::string_view keyword) {
    const int line = boc.KeywordLine(objectIndex, keyword);
    return Where(boc.inputFile, line > 0 ? line : HeaderLine(boc, objectIndex));
}

std::string ObjectNamed(const BOC& boc, int objectIndex) {
    if (objectIndex < 0 || objectIndex >= static_cast<int>(boc.objects.size())) return "object";
    const BObject& o = boc.objects[static_cast<std::size_t>(objectIndex)];
    return "object \"" + o.name + "\" (" + o.type + ", line " +
           std::to_string(HeaderLine(boc, objectIndex)) + ")";
}

std::string Where(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

void WarnOnErrorStream(const std::string& text) {
    NoteWarnings(text);
    SayOnErrorStream(text);
}

void SayOnErrorStream(const std::string& text) {
    if (text.empty()) return;
    std::cout.flush();
    std::cerr << text << std::flush;
}
