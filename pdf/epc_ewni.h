#pragma once

#include <hpdf.h>

#include <functional>
#include <string>

#include "pdf/document.h"
#include "pdf/epc_common.h"
#include "pdf/epc_layout.h"
#include "pdf/epc_texts.h"
#include "pdf/unicode.h"
#include "pdf/weblinks.h"

struct Ratings;

// The two-page Energy Performance Certificate of a non-domestic building:
// page 1 the asset rating on the A+ to G scale with the two benchmarks and
// the technical data, page 2 the administrative data, how to complain and
// where to get advice. One layout for every language; the fixed texts come
// from an EpcTexts set (EPCEWNI English, EPCW Welsh).
//
// Usage: fill the texts through the setters, then ask once for the document.
class EpcCertificate {
  public:
    EpcCertificate() { colours_.fSetRGBColors(); }

    // The asset rating: its signed text, and its magnitude for the security
    // patterns.
    void fSetEPC(int rating);
    void fSetTER(int rating);
    void fSetTYR(int rating);
    void fSetEPC_BAND(const std::string& band) { EPC_BAND = band; }
    void fSetTER_BAND(const std::string& band) { TER_BAND = band; }
    void fSetTYR_BAND(const std::string& band) { TYR_BAND = band; }
    // The three ratings, their bands and the scale's limits, as the rating
    // stage handed them over.
    void fSetRatings(const Ratings& r);

    void fSetA_bot(const std::string& text) { limits[0] = text; }
    void fSetB_top(const std::string& text) { limits[1] = text; }
    void fSetB_bot(const std::string& text) { limits[2] = text; }
    void fSetC_top(const std::string& text) { limits[3] = text; }
    void fSetC_bot(const std::string& text) { limits[4] = text; }
    void fSetD_top(const std::string& text) { limits[5] = text; }
    void fSetD_bot(const std::string& text) { limits[6] = text; }
    void fSetE_top(const std::string& text) { limits[7] = text; }
    void fSetE_bot(const std::string& text) { limits[8] = text; }
    void fSetF_top(const std::string& text) { limits[9] = text; }
    void fSetF_bot(const std::string& text) { limits[10] = text; }
    void fSetG_top(const std::string& text) { limits[11] = text; }

    void fSetRRN_EPC(const std::string& text) { RRN_EPC = text; }
    void fSetRRN_REC(const std::string& text) { RRN_REC = text; }

    void fSetB_ADDRESS_0(const std::string& text) { B_ADDRESS[0] = text; }
    void fSetB_ADDRESS_1(const std::string& text) { B_ADDRESS[1] = text; }
    void fSetB_ADDRESS_2(const std::string& text) { B_ADDRESS[2] = text; }
    void fSetB_ADDRESS_3(const std::string& text) { B_ADDRESS[3] = text; }
    void fSetB_ADDRESS_4(const std::string& text) { B_ADDRESS[4] = text; }
    void fSetB_ADDRESS_5(const std::string& text) { B_ADDRESS[5] = text; }

    void fSetMAIN_FUEL_TYPE(const std::string& text) { MAIN_FUEL_TYPE = text; }
    void fSetBUILDING_ENVIRONMENT(const std::string& text) { BUILDING_ENVIRONMENT = text; }
    void fSetBUILDING_AREA(const std::string& text) { BUILDING_AREA = text; }
    void fSetNOS_LEVEL(const std::string& text) { NOS_LEVEL = text; }
    // Written as a stream writes a double: up to six significant digits.
    void fSetBER(double rate);

    void fSetTOOL(const std::string& text) { TOOL = text; }
    void fSetUPRN(const std::string& text) { UPRN = text; }
    void fSetC_NAME(const std::string& text) { C_NAME = text; }
    void fSetC_REG_NUMBER(const std::string& text) { C_REG_NUMBER = text; }
    void fSetC_ACCRED_SCHEME(const std::string& text) { C_ACCRED_SCHEME = text; }
    void fSetC_EMP_TRAD_NAME(const std::string& text) { C_EMP_TRAD_NAME = text; }
    void fSetC_EMP_TRAD_ADDRESS(const std::string& text) { C_EMP_TRAD_ADDRESS = text; }
    void fSetC_REL_PART_DISC(const std::string& text) { C_REL_PART_DISC = text; }
    void fSetISSUE_DATE(const std::string& text) { ISSUE_DATE = text; }
    void fSetVALID_DATE(const std::string& text) { VALID_DATE = text; }
    void fSetCert_Background(const std::string& text) { Cert_Background = text; }

    // The scale of the eight bands at (x0, y0) with the pointer on the
    // certificate's band.
    void pHPDF_draw_scale(HPDF_Page page, float x0, float y0, float sx, float sy, HPDF_Font regular,
                          HPDF_Font bold) const;
    // One row of the scale whose lower left corner is (x0, bottom).
    void pHPDF_draw_band(HPDF_Page page, float x0, float bottom, float width, float height,
                         float sx, float sy, const std::string& label, const std::string& range,
                         const RGBColour& fill, const RGBColour& outline, bool certificateBand,
                         HPDF_Font bold) const;
    // The box that points at the certificate's row from the right: the
    // rating in the band's colour and what it means.
    void pHPDF_draw_rating(HPDF_Page page, float x, float y, float h, const RGBColour& colour,
                           float sx, float sy, HPDF_Font regular, HPDF_Font bold) const;
    // A benchmark's arrow, in its band's colour, with its rating.
    void pHPDF_draw_benchmark(HPDF_Page page, float x, float y, float sx, float sy, HPDF_Font bold,
                              const std::string& value, const std::string& band) const;

    // The contents, as set.
    std::string EPC, TER, TYR;
    int EPC_number = 0;
    std::string EPC_BAND, TER_BAND, TYR_BAND;
    BandLimitTexts limits;
    std::string RRN_EPC, RRN_REC;
    std::string B_ADDRESS[6];
    std::string MAIN_FUEL_TYPE, BUILDING_ENVIRONMENT, BUILDING_AREA, NOS_LEVEL, BER;
    std::string TOOL, UPRN, C_NAME, C_REG_NUMBER, C_ACCRED_SCHEME, C_EMP_TRAD_NAME,
        C_EMP_TRAD_ADDRESS, C_REL_PART_DISC;
    std::string ISSUE_DATE, VALID_DATE;
    std::string Cert_Background;

  protected:
    // Draws both pages with `texts` and saves the document protected to
    // pdfFile, with the fingerprint of the saved bytes under `key`. Nothing
    // is saved when a libharu error abandoned the document or the fonts the
    // texts need are missing (said in the log). A file that cannot be written
    // stops the run after a wait for a key.
    WrittenDocument WriteDocument(const EpcTexts& texts, const std::string& key,
                                  const std::string& pdfFile);

  private:
    // Each value typed into the input that the pages print.
    void VisitTypedTexts(const TextVisitor& visit);
    void DrawPage1(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const;
    void DrawPage2(PdfDocument& doc, HPDF_Font regular, HPDF_Font bold) const;

    // The texts of the document being drawn; English outside a document.
    const EpcTexts& Texts() const;

    BandColours colours_;
    const EpcTexts* texts_ = nullptr;
};

// The English certificate for England, Wales and Northern Ireland.
class EPCEWNI : public EpcCertificate {
  public:
    // The Northern Ireland certificate names the province and its own law,
    // department and web address.
    bool northernIreland = false;

    // Draws both pages and saves the document protected to pdfFile, with the
    // fingerprint of the saved bytes under `key`; not written when a libharu
    // error abandoned the document (no file is written then). A file that
    // cannot be written stops the run after a wait for a key.
    WrittenDocument PDF_EPC_Report(const std::string& key, const std::string& pdfFile);
    WrittenDocument PDF_EPC_Report(const std::string& pdfFile);
};

// The Welsh-language certificate for Wales: the same document with every
// fixed text in Welsh, drawn in Liberation Sans embedded with the ISO8859-14
// code page, so that ŵ and ŷ are drawn and measured right. Values must be
// set in ISO8859-14. It carries the day track but neither the security code
// microtext nor the dot count.
class EPCW : public EpcCertificate {
  public:
    // As EPCEWNI::PDF_EPC_Report. Without the font nothing is written.
    WrittenDocument PDF_EPC_Report(const std::string& key, const std::string& pdfFile);
};
