#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/ncmd5.h"
#include "pdf/rec_texts.h"
#include "pdf/unicode.h"
#include "pdf/weblinks.h"
#include "project/recommendations.h"
#include "project/written.h"

// The recommendations report that accompanies a certificate: a cover with
// the building and assessor data, a table of contents and five sections
// (background, introduction, the recommendations in four payback groups,
// next steps, glossary). England and Wales, Northern Ireland and Scotland
// share the layout; the law, the bodies and the person who assesses differ.

// One recommendation as the report prints it.
struct RecEntry {
    std::string text;
    std::string impact;  // its carbon impact: "HIGH", "MEDIUM" or "LOW"
};

// What the report prints, filled through the setters.
struct RecReportContent {
    void fSetRRN_REC(const std::string& text) { RRN_REC = text; }
    void fSetB_ADDRESS_0(const std::string& text) { B_ADDRESS[0] = text; }
    void fSetB_ADDRESS_1(const std::string& text) { B_ADDRESS[1] = text; }
    void fSetB_ADDRESS_2(const std::string& text) { B_ADDRESS[2] = text; }
    void fSetB_ADDRESS_3(const std::string& text) { B_ADDRESS[3] = text; }
    void fSetB_ADDRESS_4(const std::string& text) { B_ADDRESS[4] = text; }
    void fSetB_ADDRESS_5(const std::string& text) { B_ADDRESS[5] = text; }
    void fSetBUILDING_ENVIRONMENT(const std::string& text) { BUILDING_ENVIRONMENT = text; }
    void fSetB_TYPE(const std::string& text) { B_TYPE = text; }
    void fSetBUILDING_AREA(const std::string& text) { BUILDING_AREA = text; }
    void fSetTOOL(const std::string& text) { TOOL = text; }
    void fSetUPRN(const std::string& text) { UPRN = text; }
    void fSetC_NAME(const std::string& text) { C_NAME = text; }
    void fSetC_REG_NUMBER(const std::string& text) { C_REG_NUMBER = text; }
    void fSetC_EMP_TRAD_NAME(const std::string& text) { C_EMP_TRAD_NAME = text; }
    void fSetC_EMP_TRAD_ADDRESS(const std::string& text) { C_EMP_TRAD_ADDRESS = text; }
    void fSetC_REL_PART_DISC(const std::string& text) { C_REL_PART_DISC = text; }
    void fSetISSUE_DATE(const std::string& text) { ISSUE_DATE = text; }
    void fSetVALID_DATE(const std::string& text) { VALID_DATE = text; }
    void fSetENG_HERITAGE(const std::string& text) { ENG_HERITAGE = text; }
    void fSetCert_Background(const std::string& text) { Cert_Background = text; }

    // The recommendations of each group (RecGroup), in print order.
    std::vector<RecEntry> groups[kRecGroups];
    std::string RRN_REC;
    std::string RRN_EPC;  // England, Wales and Northern Ireland
    std::string B_ADDRESS[6];
    std::string BUILDING_ENVIRONMENT, B_TYPE, BUILDING_AREA, TOOL, UPRN;
    std::string C_NAME, C_REG_NUMBER, C_EMP_TRAD_NAME, C_EMP_TRAD_ADDRESS, C_REL_PART_DISC;
    std::string C_ACCRED_SCHEME;  // England, Wales and Northern Ireland
    std::string C_PROTOCOL_ORG;   // Scotland
    std::string ISSUE_DATE, VALID_DATE, ENG_HERITAGE;
    std::string Cert_Background;
};

// Each value typed into the input that the report prints.
void VisitTypedTexts(RecReportContent& content, const TextVisitor& visit);

// Draws the report and saves it protected to pdfFile, with the fingerprint of
// the saved bytes under `key`; not written when a libharu error abandoned the
// document (nothing is written then). A file that cannot be written stops the
// run.
WrittenDocument WriteRecReport(const RecReportContent& content, RecRegion region,
                               const std::string& key, const std::string& pdfFile);

// The report of England, Wales and Northern Ireland.
class RECEWNI : public RecReportContent {
  public:
    bool northernIreland = false;

    void fSetRRN_EPC(const std::string& text) { RRN_EPC = text; }
    void fSetC_ACCRED_SCHEME(const std::string& text) { C_ACCRED_SCHEME = text; }

    WrittenDocument PDF_REC_Report(const std::string& key, const std::string& pdfFile) const;
    WrittenDocument PDF_REC_Report(const std::string& pdfFile) const;
};

// The report of Scotland: the Qualified / Accredited Person and the
// protocol organisation in place of the energy assessor and the accreditation
// scheme; no certificate reference number.
class RECS : public RecReportContent {
  public:
    void fSetC_PROTOCOL_ORG(const std::string& text) { C_PROTOCOL_ORG = text; }

    // Writes the report; not written when a libharu error abandoned it.
    WrittenDocument PDF_REC_Report(const std::string& pdfFile) const;
};
