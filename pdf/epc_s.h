#pragma once

#include <hpdf.h>

#include <string>

#include "pdf/epc_common.h"
#include "pdf/epc_layout_s.h"
#include "project/written.h"

// The one-page Energy Performance Certificate of a non-domestic building in
// Scotland: the carbon dioxide rating on the scale from "Carbon Neutral" to
// G, the two benchmarks, the building services, the first six
// recommendations and the statutory notice.
//
// Usage: fill the texts through the setters, then ask once for the document.
class EPCS {
  public:
    EPCS() { colours_.fSetRGBColors(kScottishBands); }

    // The rating: its signed text, and its magnitude.
    void fSetEPC(int rating);
    void fSetTER(int rating) { TER = std::to_string(rating); }
    void fSetPER(int rating) { PER = std::to_string(rating); }
    void fSetKWHM2(int kwhPerM2) { KWHM2 = std::to_string(kwhPerM2); }
    void fSetEPC_BAND(const std::string& band) { EPC_BAND = band; }
    void fSetTER_BAND(const std::string& band) { TER_BAND = band; }
    void fSetPER_BAND(const std::string& band) { PER_BAND = band; }

    void fSetB_ADDRESS(const std::string& text) { B_ADDRESS = text; }
    // The address's last line (its postcode): shown even when the address is cut.
    void fSetB_ADDRESS_LAST(const std::string& text) { B_ADDRESS_LAST = text; }
    void fSetMAIN_FUEL_TYPE(const std::string& text) { MAIN_FUEL_TYPE = text; }
    void fSetVENT(const std::string& text) { VENT = text; }
    void fSetRENEWABLE(const std::string& text) { RENEWABLE = text; }
    void fSetELECTRICITY(const std::string& text) { ELECTRICITY = text; }
    void fSetBUILDING_AREA(const std::string& text) { BUILDING_AREA = text; }
    void fSetTOOL(const std::string& text) { TOOL = text; }
    void fSetB_TYPE(const std::string& text) { B_TYPE = text; }
    void fSetC_REG_NUMBER(const std::string& text) { C_REG_NUMBER = text; }
    void fSetC_PROTOCOL_ORG(const std::string& text) { C_PROTOCOL_ORG = text; }
    void fSetISSUE_DATE(const std::string& text) { ISSUE_DATE = text; }
    void fSetREC1(const std::string& text) { REC[0] = text; }
    void fSetREC2(const std::string& text) { REC[1] = text; }
    void fSetREC3(const std::string& text) { REC[2] = text; }
    void fSetREC4(const std::string& text) { REC[3] = text; }
    void fSetREC5(const std::string& text) { REC[4] = text; }
    void fSetREC6(const std::string& text) { REC[5] = text; }
    void fSetCert_Background(const std::string& text) { Cert_Background = text; }

    // Draws the page and saves the document protected to pdfFile. False when
    // a libharu error abandoned the document (no file is written then). A
    // file that cannot be written stops the run at once, without a wait.
    WrittenDocument PDF_EPC_Report(const std::string& pdfFile);

    // The eight rows of the scale with their labels and ranges.
    void pHPDF_draw_scale(HPDF_Page page, HPDF_Font regular, HPDF_Font bold) const;
    // An arrow in the band's colour with `value` on it; black for a text
    // that names no band.
    void pHPDF_draw_benchmark(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                              const std::string& value, const std::string& band) const;
    // Sets the band's fill colour; black for a text that names no band.
    void pHPDF_SetRGBColors(HPDF_Page page, const std::string& band) const;

    // The contents, as set.
    std::string EPC, TER, PER, KWHM2;
    int EPC_number = 0;
    std::string EPC_BAND, TER_BAND, PER_BAND;
    std::string B_ADDRESS, B_ADDRESS_LAST, MAIN_FUEL_TYPE, VENT, RENEWABLE, ELECTRICITY,
        BUILDING_AREA;
    std::string TOOL, B_TYPE, C_REG_NUMBER, C_PROTOCOL_ORG, ISSUE_DATE;
    std::string REC[6];
    std::string Cert_Background;

  private:
    void DrawPage(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const;

    BandColours colours_;
};
