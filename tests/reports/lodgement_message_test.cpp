// The lodgement message and the IAS package written from a message record
// made by hand: no library files, no input.

#include <gtest/gtest.h>

#include "app/codes.h"
#include "library/b64.h"
#include "reports/ias_package.h"
#include "reports/seal.h"
#include "reports/unstructured_data.h"
#include "reports/xml_message.h"

namespace {

MessageRecord Record() {
    MessageRecord r;
    r.type = static_cast<int>(Jurisdiction::EnglandWales);
    r.reference = "0000-0000-0000-0000-0001";
    r.rrnCertificate = XmlText::Raw(r.reference);
    r.rrnReport = XmlText::Raw("0000-0000-0000-0000-0002");
    r.property.address[0] = XmlText::Escaped("\"Smith & Sons\"");
    r.property.address[5] = XmlText::Escaped("AB1 2CD");
    r.assessor.name = XmlText::Raw("Zo\xC3\xAB", TextEncoding::kUtf8);
    r.methodology = "ZOLM";
    r.ratings.asset = 38;
    r.ber = 30.004;
    r.recommendations[kRecShort].push_back(
        {XmlText::Raw("EPC-L1"), XmlText::Escaped("Fit LEDs <now>"), XmlText::Raw("HIGH")});
    r.recommendations[kRecOther].push_back({XmlText::Raw("USER"), {}, XmlText::Raw("LOW")});
    r.airConditioning = {true, XmlText::Raw("Yes"), true, kAirConExactOutput, 12.5, 2};
    r.data.input = {true, true, "", XmlText::Escaped("in & out.inp"), "the input"};
    r.data.validationNote = "0123 // validated";
    r.data.inputDigest = "4567";
    return r;
}

// Whether `text` is well-formed XML as our messages are: one root element,
// every start tag closed in order, text holding no "<" and only references
// after "&", comments and the declaration skipped.
std::string NotWellFormed(const std::string& text) {
    std::vector<std::string> open;
    int roots = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 4, "<!--") == 0 || text.compare(at, 2, "<?") == 0) {
            const std::string end = text[at + 1] == '!' ? "-->" : "?>";
            const std::size_t e = text.find(end, at);
            if (e == std::string::npos) return "unclosed comment at " + std::to_string(at);
            at = e + end.size();
        } else if (text[at] == '<') {
            const std::size_t e = text.find('>', at);
            if (e == std::string::npos) return "unclosed tag at " + std::to_string(at);
            const bool closing = text[at + 1] == '/';
            const std::size_t from = at + (closing ? 2 : 1);
            const std::string name = text.substr(from, text.find_first_of(" \t\r\n>", from) - from);
            if (closing) {
                if (open.empty() || open.back() != name) return "</" + name + "> out of place";
                open.pop_back();
            } else {
                if (open.empty()) ++roots;
                open.push_back(name);
            }
            at = e + 1;
        } else if (text[at] == '&') {
            const std::size_t e = text.find(';', at);
            const std::string ref = text.substr(at, e - at + 1);
            if (e == std::string::npos ||
                !(ref == "&amp;" || ref == "&lt;" || ref == "&gt;" || ref == "&quot;" ||
                  ref == "&apos;" || ref.compare(0, 2, "&#") == 0))
                return "a raw & at " + std::to_string(at);
            at = e + 1;
        } else {
            if (text[at] == '>') return "a raw > at " + std::to_string(at);
            ++at;
        }
    }
    if (!open.empty()) return "<" + open.back() + "> not closed";
    return roots == 1 ? "" : std::to_string(roots) + " root elements";
}

std::string Between(const std::string& text, const std::string& open, const std::string& close) {
    const std::size_t a = text.find(open);
    const std::size_t b = a == std::string::npos ? a : text.find(close, a);
    return b == std::string::npos ? "" : text.substr(a, b + close.size() - a);
}

// What lies between `open` and `close`, neither included.
std::string Inside(const std::string& text, const std::string& open, const std::string& close) {
    const std::size_t a = text.find(open);
    const std::size_t b = a == std::string::npos ? a : text.find(close, a + open.size());
    return b == std::string::npos ? "" : text.substr(a + open.size(), b - a - open.size());
}

std::string Decoded(const std::string& base64) {
    B64 b64;
    b64.text = base64;
    b64.b64decode();
    return std::string(b64.decoded.begin(), b64.decoded.end());
}

WrittenDocument Document(const std::string& bytes) {
    return {"doc.pdf", SavedBytes("key", std::vector<unsigned char>(bytes.begin(), bytes.end())),
            true};
}

TEST(LodgementMessage, SaysWhatTheRecordHoldsWellFormedAndSealed) {
    const std::string pdf(200, '%');
    const std::string m = LodgementMessageText(Record(), Document(pdf), WrittenDocument{});
    EXPECT_EQ(NotWellFormed(m), "");
    for (const char* line : {
             "\t\t<CEPC:RRN>0000-0000-0000-0000-0001</CEPC:RRN>\n",
             "\t\t<CEPC:Related-RRN>0000-0000-0000-0000-0002</CEPC:Related-RRN>\n",
             "\t\t\t\t<CEPC:Address-Line-1>Smith &amp; Sons</CEPC:Address-Line-1>\n",
             "\t\t\t\t<CEPC:Postcode>AB1 2CD</CEPC:Postcode>\n",
             "\t\t\t<CEPC:Name>Zo&#235;</CEPC:Name>\n",
             "\t\t\t<CEPC:Methodology>ZOLM</CEPC:Methodology>\n",
             "\t\t\t<Asset-Rating>38</Asset-Rating>\n",
             "\t\t\t<BER>30</BER>\n",
             "\t\t\t\t<Recommendation>Fit LEDs &lt;now&gt;</Recommendation>\n",
             "\t\t\t<Other-Payback>\n\t\t\t\t<Recommendation-Code>USER</Recommendation-Code>\n"
             "\t\t\t\t<Recommendation></Recommendation>\n",
             "\t\t\t   <AC-kW-Rating>13</AC-kW-Rating>\n",
             "\t\t\t<AC-Inspection-Commissioned>2</AC-Inspection-Commissioned>\n",
             "<!-- This XML message is for an EPC in England and Wales. -->\n",
             "         <File-Location>in &amp; out.inp</File-Location>\n",
             "  \t      <!-- tarvex updated secure hash: 4567 -->\n",
             "  \t<!-- The Recommendation Report PDF is not available. -->\n",
         })
        EXPECT_NE(m.find(line), std::string::npos) << line << "\n" << m;
    // The certificate's report, then the recommendations report.
    ASSERT_NE(m.find("<CEPC:Report-Type>4<"), std::string::npos);
    EXPECT_LT(m.find("<CEPC:Report-Type>3<"), m.find("<CEPC:Report-Type>4<"));
    EXPECT_EQ(m.find("<CEPC:Insurance-Details>"), std::string::npos);
    EXPECT_EQ(m.find("<AC-Estimated-Output>"), std::string::npos);

    // The certificate is carried as written, with its fingerprint after it.
    EXPECT_EQ(Decoded(Inside(m, "<CEPC:Formatted-Report>\n", "\t</CEPC:Formatted-Report>")), pdf);
    EXPECT_NE(m.find(" <!-- secure hash: " + Document(pdf).content.fingerprint() + " -->\n"),
              std::string::npos);

    // The input data is as a package reader takes it, and holds the input.
    const std::string data = Between(m, "<CEPC:Unstructured-Data>", "</CEPC:Unstructured-Data>");
    EXPECT_EQ(UnstructuredDataProblem(data).what, "");
    EXPECT_EQ(Decoded(Inside(data, "<Data>", "</Data>")), "the input");

    // The seal holds over the bytes as written, and only over them.
    const std::string key = "seal key";
    std::string bytes = SealedBytes(key, m, SealKind::EpcMessage);
    EXPECT_EQ(bytes.find("\r\n"), bytes.find('\n') - 1);
    EXPECT_EQ(CheckSeal(TextOfLines(bytes), SealKind::EpcMessage, key), SealState::Holds);
    bytes[bytes.find("Smith")] = 'S' + 1;
    EXPECT_EQ(CheckSeal(TextOfLines(bytes), SealKind::EpcMessage, key), SealState::Broken);
}

TEST(LodgementMessage, WhereTheInputCameFrom) {
    // Taken up from a package: the package's data as it stands, none of its own.
    MessageRecord fromPackage = Record();
    fromPackage.fromIasPackage = true;
    fromPackage.packageData = "\t<CEPC:Unstructured-Data>\n\t</CEPC:Unstructured-Data>\n";
    const std::string m = LodgementMessageText(fromPackage, WrittenDocument{}, WrittenDocument{});
    EXPECT_EQ(NotWellFormed(m), "");
    EXPECT_NE(m.find(" <!-- secure hash:  -->\n\t<CEPC:Unstructured-Data>\n\t</CEPC:Unstructured-"
                     "Data>\n\t<CEPC:Energy-Performance-Certificate>\n"),
              std::string::npos)
        << m;

    // A package carries the run's own files; one named but not read is said to be.
    MessageRecord own = Record();
    own.data.engineInput = {true, true, "", XmlText::Escaped("engine.dat"), "engine"};
    own.data.interfaceInput.named = true;
    const std::string package = IasPackageText(own);
    EXPECT_EQ(NotWellFormed(package), "");
    const std::string data =
        Between(package, "\t<CEPC:Unstructured-Data>", "</CEPC:Unstructured-Data>\n");
    EXPECT_EQ(UnstructuredDataProblem(data).what, "");
    EXPECT_EQ(data,
              "\t<CEPC:Unstructured-Data>\n"
              "  \t<!-- The Interface Input Data is not available. (Wrong path) -->\n"
              "  \t<!-- The Calculation Engine Input Data encoded in base64. -->\n"
              "  \t<Data-Blob>\n         <File-Location>engine.dat</File-Location>\n"
              "         <Data>\nZW5naW5l\n         </Data>\n  \t</Data-Blob>\n"
              "  \t<!-- The Tarvex Input Data encoded in base64. -->\n"
              "  \t<Data-Blob>\n         <File-Location>in &amp; out.inp</File-Location>\n"
              "         <File-Type>inp</File-Type>\n"
              "         <Data>\ndGhlIGlucHV0\n         </Data>\n"
              "  \t      <!-- original secure hash: 0123 // validated -->\n"
              "  \t      <!-- tarvex updated secure hash: 4567 -->\n"
              "  \t</Data-Blob>\n"
              "\t</CEPC:Unstructured-Data>\n");
    EXPECT_EQ(package.find("<ToIncludeInLandmarkXmlMessage>\n\t<CEPC:Unstructured-Data>"),
              package.find("<ToIncludeInLandmarkXmlMessage>"));
}

}  // namespace
