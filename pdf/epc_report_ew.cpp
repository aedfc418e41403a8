#include <cmath>

#include "pdf/documents.h"
#include "pdf/epc_ewni.h"
#include "pdf/epc_layout.h"

std::string ToolLine(const ToolUsed& tool, const std::string& link) {
    return tool.interface + " " + tool.interfaceVersion + link + tool.engine + " " +
           tool.engineVersion + " ";
}

WrittenDocument WriteCertificate(const DocumentRecord& record, const std::string& path,
                                 const std::string& fingerprintKey) {
    const HeaderTexts& h = record.header;
    EPCEWNI w;
    w.northernIreland = record.northernIreland;
    w.fSetCert_Background(record.certificateBackground);
    w.fSetRatings(record.ratings);
    w.fSetRRN_EPC(h.rrnCertificate);
    w.fSetRRN_REC(h.rrnReport);
    w.fSetB_ADDRESS_0(h.address[0]);
    w.fSetB_ADDRESS_1(h.address[1]);
    w.fSetB_ADDRESS_2(h.address[2]);
    w.fSetB_ADDRESS_3(h.address[3]);
    w.fSetB_ADDRESS_4(h.address[4]);
    w.fSetB_ADDRESS_5(h.address[5]);
    w.fSetBUILDING_AREA(h.buildingArea);
    w.fSetMAIN_FUEL_TYPE(record.mainFuel.word);
    w.fSetBUILDING_ENVIRONMENT(record.environment.word);
    w.fSetNOS_LEVEL(fNosLevelText(record.nosLevel));
    w.fSetBER(std::round(record.ber * 100) / 100);
    w.fSetTOOL(ToolLine(h.tool, "   using calculation engine   "));
    w.fSetUPRN(h.uprn);
    w.fSetC_REG_NUMBER(h.registrationNumber);
    w.fSetC_ACCRED_SCHEME(h.accreditationScheme);
    w.fSetC_NAME(h.assessorName);
    w.fSetC_EMP_TRAD_NAME(h.employerName);
    w.fSetC_EMP_TRAD_ADDRESS(h.employerAddress);
    w.fSetC_REL_PART_DISC(h.relatedParty);
    w.fSetISSUE_DATE(record.issueDate);
    w.fSetVALID_DATE(record.validUntilDate);

    return w.PDF_EPC_Report(fingerprintKey, path);
}
