#include "app/outputs.h"
#include "app/textutil.h"
#include "pdf/rec_gather.h"
#include "pdf/rec_report.h"
#include "pdf/scottish_names.h"
#include "project/project.h"

WrittenDocument PROJECT::PDF_REC_Report_S(const char* inputFile) {
    const std::string output = OutputName(inputFile, ending::kRecommendations);
    const int g = generalObject;

    RECS w;
    GatherRecCommon(*this, w);
    w.fSetC_PROTOCOL_ORG(OutputText(
        g, "C-PROTOCOL-ORG", StripQuotes(boc.Vtext(g, "C-PROTOCOL-ORG")), OutputEncoding::kUtf8));
    w.fSetB_TYPE(ScottishBuildingTypeName(boc.Vcodid(g, "B-TYPE"), boc.Vcod(g, "B-TYPE")));

    return WrittenDocument{output, Fingerprint(), !w.PDF_REC_Report(output).empty()};
}
