#include "pdf/documents.h"
#include "pdf/rec_gather.h"
#include "pdf/rec_report.h"

void GatherRecCommon(const DocumentRecord& record, RecReportContent& w) {
    const HeaderTexts& h = record.header;
    w.fSetCert_Background(record.certificateBackground);
    w.fSetRRN_REC(h.rrnReport);
    w.fSetUPRN(h.uprn);
    w.fSetC_REG_NUMBER(h.registrationNumber);
    w.fSetB_ADDRESS_0(h.address[0]);
    w.fSetB_ADDRESS_1(h.address[1]);
    w.fSetB_ADDRESS_2(h.address[2]);
    w.fSetB_ADDRESS_3(h.address[3]);
    w.fSetB_ADDRESS_4(h.address[4]);
    w.fSetB_ADDRESS_5(h.address[5]);
    w.fSetC_NAME(h.assessorName);
    w.fSetC_EMP_TRAD_NAME(h.employerName);
    w.fSetC_EMP_TRAD_ADDRESS(h.employerAddress);
    w.fSetC_REL_PART_DISC(h.relatedParty);
    w.fSetBUILDING_AREA(h.buildingArea);
    w.fSetBUILDING_ENVIRONMENT(record.environment.word);
    w.fSetENG_HERITAGE(record.heritage);
    w.fSetTOOL(ToolLine(h.tool, " using calculation engine "));
    w.fSetISSUE_DATE(record.issueDate);
    w.fSetVALID_DATE(record.validUntilDate);
    for (int g = 0; g < kRecGroups; ++g) {
        for (const ReportRecommendation& rec : record.reportRecommendations[g])
            w.groups[g].push_back({rec.text, rec.impact});
    }
}

WrittenDocument WriteRecommendationsReport(const DocumentRecord& record, const std::string& path,
                                           const std::string& fingerprintKey) {
    RECEWNI w;
    w.northernIreland = record.northernIreland;
    GatherRecCommon(record, w);
    w.fSetRRN_EPC(record.header.rrnCertificate);
    w.fSetC_ACCRED_SCHEME(record.header.accreditationScheme);
    w.fSetB_TYPE(record.buildingType.word);

    return w.PDF_REC_Report(fingerprintKey, path);
}
