#include "pdf/scottish_names.h"

std::string ScottishBuildingTypeName(int code, const std::string& codeWord) {
    static const char* const kNames[] = {
        "Retail/Financial and Professional services",
        "Restaurants and Cafes/Drinking Est./Takeaways",
        "Offices and Workshop businesses",
        "General Industrial and Special Industrial Groups",
        "Storage or Distribution",
        "Hotels",
        "Residential Inst.: Hospitals and Care Homes",
        "Residential Inst.: Residential schools",
        "Residential Inst.: Universities and colleges",
        "Secure Residential Inst.",
        "Residential spaces",
        "Non-residential Inst.: Community/Day Centre",
        "Non-residential Inst.: Libraries, Museums, and Galleries",
        "Non-residential Inst.: Education",
        "Non-residential Inst.: Primary Health Care Building",
        "Non-residential Inst.: Crown and County Courts",
        "General Assembly and Leisure, Night Clubs and Theatres",
        "Others: Passenger terminals",
        "Others: Emergency services",
        "Others: Telephone exchanges",
        "Others: Miscellaneous 24hr activities",
        "Others: Car Parks 24 hrs",
        "Others - Stand alone utility block",
    };
    constexpr int count = static_cast<int>(sizeof kNames / sizeof kNames[0]);
    return code >= 1 && code <= count ? kNames[code - 1] : codeWord;
}
