#pragma once

// The web addresses the certificates and reports print and link to, kept in
// one place. `text` is what the page shows, `uri` where the link leads.

struct WebAddress {
    const char* text;
    const char* uri;
};

// The government department for England and Wales: its page for finding a
// certificate, which also names the assessor's accreditation scheme. Kept
// short: the certificates print it inside a sentence of fixed lines.
inline constexpr WebAddress kWebDepartmentEnglandWales{
    "www.gov.uk/find-energy-certificate", "https://www.gov.uk/find-energy-certificate"};

// The department for Northern Ireland: the site is printed (short, as above),
// the link leads to its page on certificates.
inline constexpr WebAddress kWebDepartmentNorthernIreland{
    "www.nidirect.gov.uk", "https://www.nidirect.gov.uk/articles/energy-performance-certificates"};

// The body that advises on making buildings more energy efficient.
inline constexpr WebAddress kWebAdviceBody{"www.carbontrust.com", "https://www.carbontrust.com"};

// The register where certificates and reports are lodged.
inline constexpr WebAddress kWebRegister{"find-energy-certificate.service.gov.uk",
                                         "https://find-energy-certificate.service.gov.uk"};

// The heritage body of England, for buildings of historic interest.
inline constexpr WebAddress kWebHeritageBody{"historicengland.org.uk",
                                             "https://historicengland.org.uk"};

// The heritage bodies of Wales and of Northern Ireland.
inline constexpr WebAddress kWebHeritageBodyWales{"cadw.gov.wales", "https://cadw.gov.wales"};
inline constexpr WebAddress kWebHeritageBodyNorthernIreland{
    "www.communities-ni.gov.uk/topics/historic-environment",
    "https://www.communities-ni.gov.uk/topics/historic-environment"};

// The building standards body in Scotland.
inline constexpr WebAddress kWebBuildingStandardsScotland{
    "www.gov.scot/policies/building-standards", "https://www.gov.scot/policies/building-standards"};

// The advice body's telephone line.
inline constexpr const char* kAdviceTelephone = "0800 085 2005";

// The register's host: the lodgement message names its schema at
// "https://<www or test>.<this>/xsd/Messages/LodgeReportRequest.xsd".
inline constexpr const char* kRegisterSchemaDomain = "ndepcregister.com";
