#pragma once

#include <array>
#include <string>

#include "pdf/weblinks.h"

// The fixed texts of the certificate, one set per language; the layout is
// the same for all (pdf/epc_ewni.h). Texts are held in the encoding of the
// document's fonts: WinAnsi for English, ISO8859-14 for Welsh.
//
// In a technical label, kSuperscriptTwo and kSubscriptTwo mark where a small
// "2" is set (m², CO₂); the label shows a blank there.
inline constexpr char kSuperscriptTwo = '\x01';
inline constexpr char kSubscriptTwo = '\x02';

// A paragraph that carries a web address in its text, once.
struct LinkedParagraph {
    std::string text;
    WebAddress link;
};

struct EpcTexts {
    // Fonts: the standard Helvetica pair, or Liberation Sans embedded in the
    // document, which has the same measures and the Welsh letters.
    bool embeddedFont = false;
    const char* encoding = "WinAnsiEncoding";

    // Page 1.
    std::string title, subtitle, ratingBar, technicalBar, benchmarksBar;
    std::string northernIreland;  // under the banner; empty for none
    std::string referenceLabel;
    float referenceLabelX = 730;
    std::array<std::string, 2> benchmarkLines;     // bold, above the arrows
    std::array<std::string, 3> benchmarkCaptions;  // beside the arrows
    float benchmarkCaptionSize = 12;
    std::array<std::string, 5> technicalLabels;
    std::array<float, 5> technicalValueX{};
    float technicalSize = 11;
    LinkedParagraph explanation;
    float explanationSize = 12.8f;
    std::array<std::string, 2> pointerLines;  // in the rating's box
    std::string netZero;                      // with its subscript mark
    std::string moreEfficient, lessEfficient;
    std::string over;              // before the top of G
    bool securityPatterns = true;  // the security code microtext and the dot count

    // Page 2.
    std::string adminBar, complaintHeading;
    float complaintHeadingSize = 13;
    std::string legalLine;
    LinkedParagraph complaint;
    std::array<std::string, 10> rowLabels;
    std::string validSuffix;
    std::string recommendations;
    std::array<std::string, 3> adviceLines;  // the last runs on into the link
    std::string adviceAfterLink;
    std::string telephone;  // before the number
};

// The English certificate for England and Wales, or Northern Ireland.
EpcTexts EnglishEpcTexts(bool northernIreland);
// The Welsh-language certificate (Wales only), in ISO8859-14.
const EpcTexts& WelshEpcTexts();

// The explanation under the rating scale, ending in the responsible
// department's web address, and the complaint text of page 2, which names it.
LinkedParagraph EpcExplanation(bool northernIreland);
LinkedParagraph EpcComplaint(bool northernIreland);

// Welsh names of the input's codes and dates, in ISO8859-14. Unknown codes
// give an empty text.
std::string WelshFuelName(int code);
std::string WelshEnvironmentName(int code);
// A date "05 Mar 2009" as "05 Mawrth 2009"; a text of another form as it is.
std::string WelshDate(const std::string& date);
