#include "pdf/epc_texts.h"

#include <cstring>

#include "pdf/iso8859_14.h"

namespace {

// The Welsh texts are written here in UTF-8, as a Welsh reader would write
// them, and held in ISO8859-14 (the code page of the Welsh fonts).
std::string W(const std::string& utf8) {
    return Iso885914FromText(utf8);
}

const WebAddress& Department(bool northernIreland) {
    return northernIreland ? kWebDepartmentNorthernIreland : kWebDepartmentEnglandWales;
}

EpcTexts MakeWelshTexts() {
    EpcTexts t;
    t.embeddedFont = true;
    t.encoding = "ISO8859-14";

    t.title = W("Tystysgrif Perfformiad Ynni");
    t.subtitle = W("Adeilad Annomestig");
    t.ratingBar = W("Dosbarthiad Perfformiad Ynni Ased");
    t.technicalBar = W("Gwybodaeth dechnegol");
    t.benchmarksBar = W("Meincnodau");
    t.referenceLabel = W("Cyfeirif Tystysgrif:");
    t.referenceLabelX = 880;
    t.benchmarkLines = {W("Gallai adeiladau tebyg i hwn fod"), W("â dosbarthiadau fel a ganlyn:")};
    t.benchmarkCaptions = {W("Os newydd ei adeiladu"), W("Os yn nodweddiadol"),
                           W("o'r stoc gyfredol")};
    t.benchmarkCaptionSize = 9;
    t.technicalLabels = {
        W("Prif danwydd gwresogi:"), W("Amgylchedd yr adeilad:"),
        W("Cyfanswm arwynebedd llawr a ddefnyddir (m") + kSuperscriptTwo + "):",
        W("Cymhlethdod yr adeilad (Lefel NOS):"),
        W("Allyriad gyfradd yr adeilad (kgCO") + kSubscriptTwo + "/m" + kSuperscriptTwo + "):"};
    t.technicalValueX = {380, 380, 565, 565, 565};
    t.technicalSize = 10;
    const WebAddress& site = kWebDepartmentEnglandWales;
    t.explanation = {
        W("Mae'r dystysgrif hon yn dangos dosbarthiad ynni'r adeilad hwn. Mae'n adlewyrchu'r "
          "carbon deuocsid a allyrrir wrth wresogi, oeri, awyru a goleuo'r adeilad ac wrth "
          "ddarparu ei ddŵr poeth: po isaf yr allyriadau, gorau'r dosbarthiad. Mae'r "
          "meincnodau'n dangos y dosbarthiad a gâi adeilad newydd ac adeilad nodweddiadol o'r "
          "math hwn. Ceir canllawiau ar ddarllen y dystysgrif ar wefan y Llywodraeth yn ") +
            site.text + ".",
        site};
    t.explanationSize = 12.3f;
    t.pointerLines = {W("Dyma pa mor effeithlon"), W("o ran ynni yw'r adeilad.")};
    t.netZero = W("Allyriadau CO") + kSubscriptTwo + W(" net sero");
    t.moreEfficient = W("Mwy effeithlon o ran ynni");
    t.lessEfficient = W("Llai effeithlon o ran ynni");
    t.over = W("Dros ");
    t.securityPatterns = false;

    t.adminBar = W("Gwybodaeth weinyddol");
    t.complaintHeading =
        W("Os oes gennych gŵyn neu eich bod yn dymuno cadarnhau bod y dystysgrif yn un ddilys");
    t.complaintHeadingSize = 12.4f;
    t.legalLine =
        W("Tystysgrif Perfformiad Ynni yw hon fel y'i diffinnir yn SI2007:991 fel y'i diwygiwyd");
    t.complaint = {
        W("Mae manylion yr asesydd a'r cynllun achredu perthnasol ar y dystysgrif. Gallwch gael "
          "manylion cyswllt y cynllun achredu o wefan y Llywodraeth yn ") +
            site.text +
            W(", ynghyd â manylion y gweithdrefnau ar gyfer cadarnhau dilysrwydd tystysgrif ac "
              "ar gyfer gwneud cwyn."),
        site};
    t.rowLabels = {W("Meddalwedd Asesu:"),
                   W("Cyfeirnod yr Eiddo:"),
                   W("Enw'r Asesydd:"),
                   W("Rhif yr Asesydd:"),
                   W("Cynllun Achredu:"),
                   W("Enw Cyflogwr/Masnachu:"),
                   W("Cyfeiriad Cyflogwr/Masnachu:"),
                   W("Dyddiad Cyhoeddi:"),
                   W("Dilys Hyd:"),
                   W("Datgeliad Parti Cysylltiedig:")};
    t.validSuffix = W(" (oni bai ei bod yn cael ei disodli gan dystysgrif ddiweddarach)");
    t.recommendations = W("Gwelir argymhellion ar gyfer gwella'r eiddo yn Adroddiad Cyfeirif ");
    t.adviceLines = {W("Am gyngor ar sut i weithredu ac i gael gwybod am gynlluniau"),
                     W("cymorth technegol ac ariannol i helpu i wneud adeiladau yn"),
                     W("fwy effeithlon o ran ynni ewch i ")};
    t.adviceAfterLink = W(" neu");
    t.telephone = W("ffoniwch ni ar ");
    return t;
}

}  // namespace

LinkedParagraph EpcExplanation(bool northernIreland) {
    const std::string whose = northernIreland ? "Department's" : "Government's";
    const WebAddress& site = Department(northernIreland);
    return {
        "This certificate shows the energy rating of this building. It reflects the carbon "
        "dioxide emitted in heating, cooling, ventilating and lighting the building and in "
        "providing its hot water: the lower the emissions, the better the rating. The "
        "benchmarks show how a new and a typical existing building of this kind would be "
        "rated. Guidance on reading the certificate is on the " +
            whose + " " + site.text + ".",
        site};
}

LinkedParagraph EpcComplaint(bool northernIreland) {
    const std::string whose = northernIreland ? "Department's" : "Government's";
    const WebAddress& site = Department(northernIreland);
    return {
        "Details of the assessor and the relevant accreditation scheme are on the "
        "certificate. You can get contact details of the accreditation scheme from the " +
            whose + " website at " + site.text +
            ", together with details of the procedures for confirming authenticity of a "
            "certificate and for making a complaint.",
        site};
}

EpcTexts EnglishEpcTexts(bool northernIreland) {
    EpcTexts t;
    t.title = "Energy Performance Certificate";
    t.subtitle = "Non-Domestic Building";
    t.ratingBar = "Energy Performance Asset Rating";
    t.technicalBar = "Technical information";
    t.benchmarksBar = "Benchmarks";
    if (northernIreland) t.northernIreland = "Northern Ireland";
    t.referenceLabel = "Certificate Reference Number:";
    t.benchmarkLines = {"Buildings similar to this one ", "could have ratings as follows:"};
    t.benchmarkCaptions = {"If newly built", "If typical of the", "existing stock"};
    t.technicalLabels = {"Main heating fuel: ", "Building environment: ",
                         std::string("Total useful floor area (m") + kSuperscriptTwo + "): ",
                         "Building complexity (NOS level):",
                         std::string("Building emission rate (kgCO") + kSubscriptTwo + "/m" +
                             kSuperscriptTwo + "): "};
    t.technicalValueX = {380, 380, 480, 480, 480};
    t.explanation = EpcExplanation(northernIreland);
    t.pointerLines = {"This is how energy efficient", "the building is."};
    t.netZero = std::string("Net zero CO") + kSubscriptTwo + " emissions";
    t.moreEfficient = "More energy efficient";
    t.lessEfficient = "Less energy efficient";
    t.over = "Over ";

    t.adminBar = "Administrative information";
    t.complaintHeading =
        "If you have a complaint or wish to confirm that the certificate is genuine";
    t.legalLine =
        northernIreland
            ? "This is an Energy Performance Certificate as defined in SR 2008 No.170 as amended"
            : "This is an Energy Performance Certificate as defined in SI2007:991 as amended";
    t.complaint = EpcComplaint(northernIreland);
    t.rowLabels = {"Assessment Software:",      "Property Reference:",   "Assessor Name:",
                   "Assessor Number:",          "Accreditation Scheme:", "Employer/Trading Name:",
                   "Employer/Trading Address:", "Issue Date:",           "Valid Until:",
                   "Related Party Disclosure:"};
    t.validSuffix = " (unless superseded by a later certificate)";
    t.recommendations =
        "Recommendations for improving the property are contained in Report Reference Number:";
    t.adviceLines = {"For advice on how to take action and to find out about",
                     "technical and financial assistance schemes to help make",
                     "buildings more energy efficient visit "};
    t.telephone = "or call us on ";
    return t;
}

const EpcTexts& WelshEpcTexts() {
    static const EpcTexts texts = MakeWelshTexts();
    return texts;
}

std::string WelshFuelName(int code) {
    static const char* const kNames[] = {"",
                                         "Nwy Naturiol",
                                         "LPG",
                                         "Bionwy",
                                         "Olew",
                                         "Glo",
                                         "Glo Carreg",
                                         "Tanwydd Difwg (Gan Gynnwys Golosg)",
                                         "Offer Dau Danwydd (Mwynau + Coed)",
                                         "Biomas",
                                         "Trydan grid",
                                         "Trydan grid",
                                         "Waste Heat",
                                         "District Heating",
                                         "Llall"};
    if (code < 1 || code >= static_cast<int>(sizeof kNames / sizeof kNames[0])) return "";
    return W(kNames[code]);
}

std::string WelshEnvironmentName(int code) {
    static const char* const kNames[] = {"",
                                         "Gwresogi ac Awyru Naturiol",
                                         "Gwresogi ac Awyru Mecanyddol",
                                         "System Dymheru",
                                         "Dull cymysg gydag Awyru Naturiol",
                                         "Dull cymysg gydag Awyru Mecanyddol",
                                         "Unconditioned"};
    if (code < 1 || code >= static_cast<int>(sizeof kNames / sizeof kNames[0])) return "";
    return W(kNames[code]);
}

std::string WelshDate(const std::string& date) {
    static const char* const kMonths[12][2] = {
        {"Jan", "Ionawr"}, {"Feb", "Chwefror"}, {"Mar", "Mawrth"},     {"Apr", "Ebrill"},
        {"May", "Mai"},    {"Jun", "Mehefin"},  {"Jul", "Gorffennaf"}, {"Aug", "Awst"},
        {"Sep", "Medi"},   {"Oct", "Hydref"},   {"Nov", "Tachwedd"},   {"Dec", "Rhagfyr"}};
    // "dd Mmm yyyy"
    if (date.size() != 11 || date[2] != ' ' || date[6] != ' ') return date;
    const std::string month = date.substr(3, 3);
    for (const auto& m : kMonths) {
        if (month == m[0]) return date.substr(0, 2) + " " + W(m[1]) + " " + date.substr(7);
    }
    return date;
}
