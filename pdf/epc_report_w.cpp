#include <cmath>

#include "app/textutil.h"
#include "pdf/documents.h"
#include "pdf/epc_ewni.h"
#include "pdf/epc_layout.h"
#include "pdf/epc_texts.h"
#include "pdf/iso8859_14.h"

WrittenDocument WriteWelshCertificate(const DocumentRecord& record, const std::string& path,
                                      const std::string& fingerprintKey) {
    if (!record.welsh) return WrittenDocument{path, SavedBytes(), false};
    const HeaderTexts& h = record.welsh->header;
    EPCW w;
    w.fSetCert_Background(Iso885914FromText(record.certificateBackground));
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
    w.fSetMAIN_FUEL_TYPE(WelshFuelName(record.mainFuel.number));
    w.fSetBUILDING_ENVIRONMENT(WelshEnvironmentName(record.environment.number));
    w.fSetNOS_LEVEL(Iso885914FromText(fNosLevelText(record.nosLevel)));
    w.fSetBER(std::round(record.ber * 100) / 100);
    w.fSetTOOL(ToolLine(h.tool, " defnyddio peiriant cyfrifo "));
    w.fSetUPRN(h.uprn);
    w.fSetC_REG_NUMBER(h.registrationNumber);
    w.fSetC_ACCRED_SCHEME(h.accreditationScheme);
    w.fSetC_NAME(h.assessorName);
    w.fSetC_EMP_TRAD_NAME(h.employerName);
    w.fSetC_EMP_TRAD_ADDRESS(h.employerAddress);
    w.fSetC_REL_PART_DISC(h.relatedParty);
    w.fSetISSUE_DATE(WelshDate(record.issueDate));
    w.fSetVALID_DATE(WelshDate(record.validUntilDate));

    // The run goes on to the reports and ends failed once they are written.
    return w.PDF_EPC_Report(fingerprintKey, path);
}
