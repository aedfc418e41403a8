#include "project/recommendations.h"

#include "app/textutil.h"
#include "project/project.h"

namespace {

// CODE number of a recommendation whose text the assessor wrote.
constexpr int kAssessorRecCode = 1;

}  // namespace

bool AssessorWritten(int code) {
    return code == kAssessorRecCode;
}

std::vector<ShownRec> ShownRecs(const PROJECT& p, RecGroup group) {
    struct Group {
        const std::deque<int>* sorted;
        const char* cap;
    };
    const Group groups[kRecGroups] = {
        {&p.recShortSorted, "RecShortN"},
        {&p.recMediumSorted, "RecMediumN"},
        {&p.recLongSorted, "RecLongN"},
        {&p.recOtherSorted, "RecOtherN"},
    };
    const Group& g = groups[group];
    const int cap = p.defaults.Vint(g.cap);
    std::vector<ShownRec> shown;
    for (int o : *g.sorted) {
        if (static_cast<int>(shown.size()) >= cap) break;
        const int code = p.boc.Vcodid(o, "CODE");
        shown.push_back({o, code, group == kRecOther && AssessorWritten(code)});
    }
    return shown;
}

std::string RecTableText(const PROJECT& p, int code) {
    return p.tables.TValue("sRec", code, 2);
}

std::string RecPdfText(PROJECT& p, const ShownRec& rec) {
    if (!rec.assessorText) return RecTableText(p, rec.code);
    return p.OutputText(rec.object, "REC-TEXT", ResetQuotes(p.boc.Vtext(rec.object, "REC-TEXT")),
                        OutputEncoding::kUtf8);
}
