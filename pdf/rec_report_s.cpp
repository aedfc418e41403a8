#include "pdf/documents.h"
#include "pdf/rec_gather.h"
#include "pdf/rec_report.h"
#include "pdf/scottish_names.h"

WrittenDocument WriteScottishRecommendationsReport(const DocumentRecord& record,
                                                   const std::string& path) {
    RECS w;
    GatherRecCommon(record, w);
    w.fSetC_PROTOCOL_ORG(record.header.protocolOrganisation);
    w.fSetB_TYPE(ScottishBuildingTypeName(record.buildingType.number, record.buildingType.word));
    WrittenDocument written = w.PDF_REC_Report(path);
    // No message carries it: its bytes are not kept.
    written.content = SavedBytes();
    return written;
}
