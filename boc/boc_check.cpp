// Value checks, object counts, required keywords, completion with defaults and
// the code and reference positions.
#include <algorithm>

#include "app/codes.h"
#include "app/runlog.h"
#include "boc/boc.h"

namespace {

// The first of the six bounds that the number breaks, or -1. Even bounds are
// lower limits, odd ones upper limits; a value equal to a bound passes. A
// number that is not a number breaks the first bound that is set.
int BrokenBound(double v, const std::array<double, 6>& bounds) {
    for (int b = 0; b < 6; ++b) {
        if (bounds[b] == kNoLimit) continue;
        const bool ok = b % 2 == 0 ? v >= bounds[b] : v <= bounds[b];
        if (!ok) return b;
    }
    return -1;
}

bool IsReference(const Propiedad& def) {
    return def.keyType == kTypeRef || def.keyType == kTypeLref;
}

// A left-out keyword gets its default; one without a default a blank.
void Complete(BObject& object, const Objeto& cls) {
    static const std::string kBlank = " ";
    for (const Propiedad& def : cls.properties) {
        // One search finds the keyword or makes its place.
        const auto [at, added] = object.keywords.try_emplace(def.name);
        if (!added) continue;
        const bool noDefault =
            def.defaultText == "NC" || def.defaultText == "EXP" || def.defaultText == "REQ";
        at->second.Init(def.keyType, noDefault ? kBlank : def.defaultText);
    }
}
}  // namespace

void BOC::CheckValue(const Propiedad& def, KeywordValue& value, const std::string& refClass,
                     FindingLevel level, TextFlag flag, int position, const std::string& name) {
    const auto outOfBounds = [&](int b) {
        if (b < 2)
            errors.AddError(level, kErrOutOfRange, flag, position).name = name;
        else if (b < 4)
            errors.AddWarn(level, kWarnCode, flag, position).name = name;
        else
            errors.AddCwarn(level, kCwarnCode, flag, position).name = name;
    };
    switch (def.keyType) {
        case kTypeNum: {
            const int b = BrokenBound(value.num, def.bounds);
            if (b >= 0) outOfBounds(b);
            break;
        }
        case kTypeLnum:
            // One record at most: the first item that breaks a bound.
            for (double item : value.lnum) {
                const int b = BrokenBound(item, def.bounds);
                if (b >= 0) {
                    outOfBounds(b);
                    break;
                }
            }
            break;
        case kTypeRef: {
            const int found = FirstMatch(value.ref, refClass);
            if (found >= 0)
                value.refid = found;
            else
                errors.AddError(level, kErrBadReference, flag, position).name = name;
            break;
        }
        case kTypeLref:
            for (const std::string& item : value.lref)
                if (FirstMatch(item, refClass) < 0)
                    errors.AddError(level, kErrBadReference, flag, position).name = name;
            break;
        case kTypeCod: {
            bool known = false;
            for (std::size_t j = 0; j < def.codes.size() && !known; ++j) {
                if (def.codes[j].name == value.cod) {
                    value.codid = static_cast<int>(j) + 1;
                    known = true;
                }
            }
            if (!known) {
                Serror& e = errors.AddError(level, kErrCodeUnknown, flag, position);
                e.name = name;
                e.info = value.cod;
            }
            break;
        }
        default:
            break;
    }
}

void BOC::ComKey(const BObject& object, KeywordValue& value, int lineIndex, int classIndex,
                 int keyIndex) {
    const Propiedad& def = classes[classIndex].properties[keyIndex];
    std::string refClass = def.refType;
    if (IsReference(def) && def.byKeyword) {
        // The class comes from a keyword on an earlier line of the same object.
        const auto it = object.keywords.find(def.refType);
        if (it == object.keywords.end())
            errors.AddError(kLevelLine, kErrRefTypeKeyword, kFlagCatalogue, lineIndex);
        else
            refClass = it->second.cod;
    }
    CheckValue(def, value, refClass, kLevelLine, kFlagCatalogue, lineIndex, " ");
}

void BOC::ComKeyExe(const std::string& keywordName, KeywordValue& value, int objectIndex,
                    int classIndex, int keyIndex) {
    const Propiedad& def = classes[classIndex].properties[keyIndex];
    const std::string refClass =
        IsReference(def) && def.byKeyword ? Vcod(objectIndex, def.refType) : def.refType;
    CheckValue(def, value, refClass, kLevelModification, kFlagModification, objectIndex,
               keywordName);
}

std::vector<BOC::CountFinding> BOC::CountFindings() const {
    std::vector<int> counts(classes.size(), 0);
    for (const BObject& o : objects)
        if (o.classNumber >= 1 && o.classNumber <= static_cast<int>(classes.size()))
            ++counts[o.classNumber - 1];

    std::vector<CountFinding> findings;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const Objeto& cls = classes[c];
        const int index = static_cast<int>(c);
        if (cls.minCount != kNoLimit && counts[c] < cls.minCount)
            findings.push_back({index, counts[c], true});
        if (cls.maxCount != kNoLimit && counts[c] > cls.maxCount)
            findings.push_back({index, counts[c], false});
    }
    return findings;
}

std::vector<BOC::MissingKeyword> BOC::MissingKeywords() const {
    std::vector<MissingKeyword> missing;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const BObject& o = objects[i];
        const int c = o.classNumber - 1;
        if (c < 0 || c >= static_cast<int>(classes.size())) continue;
        for (const Propiedad& def : classes[c].properties) {
            const bool required =
                def.defaultText == "REQ" || std::find(keywordsAbove0.begin(), keywordsAbove0.end(),
                                                      def.name) != keywordsAbove0.end();
            if (!required || o.keywords.count(def.name) != 0) continue;
            missing.push_back({static_cast<int>(i), def.name});
        }
    }
    return missing;
}

void BOC::Require() {
    for (const CountFinding& f : CountFindings()) {
        const Objeto& cls = classes[f.classIndex];
        if (f.tooFew) {
            errors.AddError(kLevelInput, kErrTooFew, kFlagOwnText, 0).text =
                "       *** ERROR *** At least " + std::to_string(cls.minCount) + " " + cls.name +
                " needed";
        } else {
            errors.AddError(kLevelInput, kErrTooMany, kFlagOwnText, 0).text =
                "       *** ERROR *** Number of " + cls.name + " = " + std::to_string(f.count) +
                ". Maximum admisible = " + std::to_string(cls.maxCount);
        }
    }
    for (const MissingKeyword& m : MissingKeywords()) {
        const BObject& o = objects[m.objectIndex];
        errors.AddError(kLevelInput, kErrRequired, kFlagOwnText, 0).text =
            "       *** ERROR *** Keyword " + m.keyword + " in Object [" + o.type + "] \"" +
            o.name + "\" is required.";
    }
}

void BOC::Fill() {
    int dots = 0;
    for (int i = 0; i < static_cast<int>(objects.size()); ++i) {
        FillId(i);
        if (++dots == kDotEveryObjects) {
            SendLog(".");
            dots = 0;
        }
    }
}

void BOC::FillId(int objectIndex) {
    if (objectIndex < 0 || objectIndex >= static_cast<int>(objects.size())) return;
    BObject& o = objects[objectIndex];
    const int c = o.classNumber - 1;
    if (c < 0 || c >= static_cast<int>(classes.size())) return;
    Complete(o, classes[c]);
}

void BOC::CODREFid() {
    int counter = 0;
    for (BObject& o : objects) {
        const int c = o.classNumber - 1;
        for (auto& [name, value] : o.keywords) {
            const int k = FindKey(c, name);
            if (k >= 0) {
                const Propiedad& d = classes[c].properties[k];
                if (d.keyType == kTypeCod) {
                    for (std::size_t j = 0; j < d.codes.size(); ++j)
                        if (d.codes[j].name == value.cod) value.codid = static_cast<int>(j) + 1;
                } else if (d.keyType == kTypeRef) {
                    // A reference whose class a keyword names keeps what its check found.
                    if (!d.byKeyword) {
                        const int found = LastMatch(value.ref, d.refType);
                        if (found >= 0) value.refid = found;
                    }
                } else if (d.keyType == kTypeLref) {
                    std::string cls = d.refType;
                    if (d.byKeyword) {
                        const auto it = o.keywords.find(d.refType);
                        cls = it == o.keywords.end() ? std::string() : it->second.cod;
                    }
                    value.lrefid.clear();
                    for (const std::string& item : value.lref)
                        for (int idx : ObjectsNamed(item))
                            if (objects[idx].type == cls) value.lrefid.push_back(idx);
                }
            }
            if (counter > 40) {
                SendLog(".");
                counter = 0;
            }
        }
        ++counter;
    }
}
